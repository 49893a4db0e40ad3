#include "capture/screenshots.h"

#include <string>

#include "core/console_window.h"
#include "design/texts.h"

namespace tintora {

Bytes captureOverlayImage(App& app, ImageFormat format, WindowHandle window, int width, int height)
{
    auto& p = app.platform;
    const auto rect = p.desktop.windowRect(window);
    if (!rect) return {};
    p.capture.flushScreen();
    const Image image = p.capture.grab({rect->left, rect->top, rect->left + width, rect->top + height});
    if (image.empty()) return {};
    return p.encoder.encode(image, format);
}

void saveScreenshot(App& app, ImageFormat format, std::string_view extension)
{
    auto& p = app.platform;
    // The console leaves the screen while the picture is taken.
    const int consoleLeft = p.windows.geometry(WindowId::console).left;
    setConsoleLeft(app, offScreenLeft);

    const Geometry overlay = p.windows.geometry(WindowId::startup);
    const Bytes picture =
        captureOverlayImage(app, format, p.windows.handle(WindowId::startup), overlay.width, overlay.height);
    if (!picture.empty()) {
        const int number = ++app.state.screenshotCounter;
        app.settings.write(items::meter, number);
        const std::string folder = app.path(paths::imagesFolder);
        if (!p.files.exists(folder)) p.files.createFolder(folder);
        p.files.writeFile(folder + "\\" + std::to_string(number) + std::string(extension), picture);
        refreshCounterCaption(app);
    }

    setConsoleLeft(app, consoleLeft);
}

void refreshCounterCaption(App& app)
{
    app.platform.menus.setCaption(console::当前截图统计次数为,
                                  std::string(texts::counterCaptionPrefix) + app.settings.readText(items::meter));
}

void clearScreenshotCounter(App& app)
{
    app.state.screenshotCounter = 0;
    app.settings.write(items::meter, 0);
    refreshCounterCaption(app);
}

void openScreenshotFolder(App& app)
{
    app.platform.shell.open(app.platform.process.currentDirectory() + std::string(paths::imagesFolder) + "\\");
}

}  // namespace tintora
