#include "capture/screenshots.h"

#include <limits>
#include <string>
#include <string_view>

#include "core/console_window.h"
#include "core/notice.h"
#include "design/texts.h"

namespace tintora {

OverlayPicture captureOverlayImage(Platform& p, ImageFormat format, WindowHandle window, int width, int height)
{
    using Failure = OverlayPicture::Failure;
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

std::string reportNotSaved(App& app, std::string_view reason)
{
    std::string text = std::string(texts::screenshotNotSaved) + std::string(reason);
    showNotice(app, text);
    return text;
}

// The picture under the overlay, taken while the console is off the screen. Under some window
// systems the console loses the keyboard there; it gets it back when it had it.
OverlayPicture takePicture(Platform& p, ImageFormat format)
{
    const bool consoleHadKeyboard = p.desktop.foregroundWindow() == p.windows.handle(WindowId::console);
    const int consoleLeft = p.windows.geometry(WindowId::console).left;
    moveConsoleOffScreen(p);

    const Geometry overlay = p.windows.geometry(WindowId::startup);
    OverlayPicture picture =
        captureOverlayImage(p, format, p.windows.handle(WindowId::startup), overlay.width, overlay.height);

    setConsoleLeft(p.windows, consoleLeft);
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

std::optional<std::string> saveScreenshot(App& app, ImageFormat format)
{
    auto& p = app.platform;
    ScreenshotState& screenshots = app.state.screenshots;
    screenshots.screenshotFormat = format;
    // The counter never wraps: at its top there is no new number until it is cleared.
    if (screenshots.screenshotCounter == std::numeric_limits<int>::max()) {
        return reportNotSaved(app, texts::counterFull);
    }
    const OverlayPicture picture = takePicture(p, format);
    if (picture.failure != OverlayPicture::Failure::none) {
        return reportNotSaved(
            app, picture.failure == OverlayPicture::Failure::capture ? texts::captureFailed : texts::encodingFailed);
    }

    // The counter is written before the picture, so that a number is never used twice; it is put
    // back when the picture cannot be written.
    const int number = screenshots.screenshotCounter + 1;
    const std::string meterBefore = app.settings.readText(items::meter);
    app.settings.write(items::meter, number);
    const std::string folder = app.path(paths::imagesFolder);
    if (!p.files.exists(folder)) p.files.createFolder(folder);
    const std::string file = folder + "\\" + std::to_string(number) + std::string(extensionOf(format));
    if (!p.files.writeFile(file, picture.file)) {
        app.settings.write(items::meter, meterBefore);
        return reportNotSaved(app, texts::pictureNotWritten + file);
    }
    screenshots.screenshotCounter = number;
    refreshCounterCaption(p.menus, app.settings);
    return std::nullopt;
}

void loadScreenshotCounter(ScreenshotState& screenshots, Menus& menus, const Settings& settings)
{
    screenshots.screenshotCounter = settings.readInt(items::meter);
    refreshCounterCaption(menus, settings);
}

void refreshCounterCaption(Menus& menus, const Settings& settings)
{
    menus.setCaption(console::当前截图统计次数为,
                     std::string(texts::counterCaptionPrefix) + settings.readText(items::meter));
}

void clearScreenshotCounter(ScreenshotState& screenshots, Menus& menus, Settings& settings)
{
    screenshots.screenshotCounter = 0;
    settings.write(items::meter, 0);
    refreshCounterCaption(menus, settings);
}

void openScreenshotFolder(Shell& shell, const Folders& folders)
{
    shell.open(folders.path(paths::imagesFolder) + "\\");
}

}  // namespace tintora
