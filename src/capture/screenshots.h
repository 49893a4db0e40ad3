#pragma once
// Screenshots of the covered region, numbered by a counter kept in Screenshotstatistics.ini.
#include "core/app.h"

namespace tintora {

// The picture under the overlay window, tint included, as a complete image file, or which step failed.
struct OverlayPicture {
    enum class Failure { none, capture, encoding };
    Bytes file;
    Failure failure = Failure::none;
};
OverlayPicture captureOverlayImage(App& app, ImageFormat format, WindowHandle window, int width, int height);

// Saves a screenshot in the format, which the hotkey takes again from then on.
void saveScreenshot(App& app, ImageFormat format);
// A screenshot in the format last chosen (PNG before any); nothing before the lock.
void saveScreenshotAgain(App& app);
void refreshCounterCaption(App& app);
void clearScreenshotCounter(App& app);
void openScreenshotFolder(App& app);

}  // namespace tintora
