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
    const ImageView image = p.capture.grab({rect->left, rect->top, rect->left + width, rect->top + height});
    Bytes file = image.empty() ? Bytes() : p.encoder.encode(image, format);
    const Failure failure = image.empty() ? Failure::capture : file.empty() ? Failure::encoding : Failure::none;
    p.capture.endShot();
    return {std::move(file), failure};
}

namespace {

// Tells the user in a balloon, and gives the reason back for an answer elsewhere (a command's).
Outcome notSaved(Notices& notices, std::string reason)
{
    const Outcome failure = Outcome::failed(std::move(reason));
    notices.reportFailure(texts::screenshotNotSaved, failure);
    return failure;
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

Outcome saveScreenshot(Platform& p, Settings& settings, const Folders& folders, Notices& notices,
                       ScreenshotState& screenshots, ImageFormat format)
{
    screenshots.screenshotFormat = format;
    // The counter never wraps: at its top there is no new number until it is cleared.
    if (screenshots.screenshotCounter == std::numeric_limits<int>::max()) return notSaved(notices, texts::counterFull);
    const OverlayPicture picture = takePicture(p, format);
    if (picture.failure != OverlayPicture::Failure::none)
        return notSaved(notices, picture.failure == OverlayPicture::Failure::capture ? texts::captureFailed
                                                                                     : texts::encodingFailed);

    // The counter is written before the picture, so that a number is never used twice; it is put
    // back when the picture cannot be written. A counter that cannot be written stops the shot:
    // its number would be given again.
    const int number = screenshots.screenshotCounter + 1;
    const std::string meterBefore = settings.readText(items::meter);
    if (const Outcome counted = settings.write(items::meter, number); !counted)
        return notSaved(notices, counted.reason());
    const std::string folder = folders.path(paths::imagesFolder);
    if (!p.files.exists(folder)) p.files.createFolder(folder);
    const std::string file = folder + "\\" + std::to_string(number) + std::string(extensionOf(format));
    if (const Outcome written = p.files.writeFile(file, picture.file); !written) {
        notices.reportBackgroundFailure(texts::settingsNotSaved, settings.write(items::meter, meterBefore));
        return notSaved(notices, namingFile(file, written).reason());
    }
    screenshots.screenshotCounter = number;
    refreshCounterCaption(p.menus, settings);
    return {};
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

Outcome clearScreenshotCounter(ScreenshotState& screenshots, Menus& menus, Settings& settings)
{
    screenshots.screenshotCounter = 0;
    Outcome cleared = settings.write(items::meter, 0);
    refreshCounterCaption(menus, settings);
    return cleared;
}

Outcome openScreenshotFolder(Shell& shell, const Folders& folders)
{
    const std::string folder = folders.path(paths::imagesFolder);
    return namingFile(folder, shell.open(folder + "\\"));
}

}  // namespace tintora
