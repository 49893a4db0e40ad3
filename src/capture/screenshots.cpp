#include "capture/screenshots.h"

#include <limits>
#include <string>
#include <string_view>

#include "core/console_window.h"
#include "core/notice.h"
#include "design/texts.h"

namespace tintora {

OverlayPicture captureOverlayImage(App& app, ImageFormat format, WindowHandle window, int width, int height)
{
    using Failure = OverlayPicture::Failure;
    auto& p = app.platform;
    const auto rect = p.desktop.visibleFrame(window);
    if (!rect) return {{}, Failure::capture};
    p.capture.flushScreen();
    const Image& image = p.capture.grab({rect->left, rect->top, rect->left + width, rect->top + height});
    if (image.empty()) return {{}, Failure::capture};
    Bytes file = p.encoder.encode(image, format);
    if (file.empty()) return {{}, Failure::encoding};
    return {std::move(file), Failure::none};
}

namespace {

void reportNotSaved(App& app, std::string_view reason)
{
    showNotice(app, std::string(texts::screenshotNotSaved) + std::string(reason));
}

// The picture under the overlay, taken while the console is off the screen. Under some window
// systems the console loses the keyboard there; it gets it back when it had it.
OverlayPicture takePicture(App& app, ImageFormat format)
{
    auto& p = app.platform;
    const bool consoleHadKeyboard = p.desktop.foregroundWindow() == p.windows.handle(WindowId::console);
    const int consoleLeft = p.windows.geometry(WindowId::console).left;
    moveConsoleOffScreen(app);

    const Geometry overlay = p.windows.geometry(WindowId::startup);
    OverlayPicture picture =
        captureOverlayImage(app, format, p.windows.handle(WindowId::startup), overlay.width, overlay.height);

    setConsoleLeft(app, consoleLeft);
    if (consoleHadKeyboard) p.windows.activate(WindowId::console);
    return picture;
}

// The file name extension of each format, as the files are named.
std::string_view extensionOf(ImageFormat format)
{
    switch (format) {
        case ImageFormat::bmp: return ".bmp";
        case ImageFormat::jpeg: return ".jpg";
        case ImageFormat::gif: return ".gif";
        case ImageFormat::png: break;
    }
    return ".png";
}

}  // namespace

void saveScreenshot(App& app, ImageFormat format)
{
    auto& p = app.platform;
    app.state.screenshotFormat = format;
    // The counter never wraps: at its top there is no new number until it is cleared.
    if (app.state.screenshotCounter == std::numeric_limits<int>::max()) {
        reportNotSaved(app, texts::counterFull);
        return;
    }
    const OverlayPicture picture = takePicture(app, format);
    if (picture.failure != OverlayPicture::Failure::none) {
        reportNotSaved(
            app, picture.failure == OverlayPicture::Failure::capture ? texts::captureFailed : texts::encodingFailed);
        return;
    }

    // The counter is written before the picture, so that a number is never used twice; it is put
    // back when the picture cannot be written.
    const int number = app.state.screenshotCounter + 1;
    const std::string meterBefore = app.settings.readText(items::meter);
    app.settings.write(items::meter, number);
    const std::string folder = app.path(paths::imagesFolder);
    if (!p.files.exists(folder)) p.files.createFolder(folder);
    const std::string file = folder + "\\" + std::to_string(number) + std::string(extensionOf(format));
    if (!p.files.writeFile(file, picture.file)) {
        app.settings.write(items::meter, meterBefore);
        reportNotSaved(app, texts::pictureNotWritten + file);
        return;
    }
    app.state.screenshotCounter = number;
    refreshCounterCaption(app);
}

void saveScreenshotAgain(App& app)
{
    if (!app.locked()) return;
    saveScreenshot(app, app.state.screenshotFormat);
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

void openScreenshotFolder(App& app) { app.platform.shell.open(app.path(paths::imagesFolder) + "\\"); }

}  // namespace tintora
