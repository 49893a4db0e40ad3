#pragma once
// Screenshots of the covered region, numbered by a counter kept in Screenshotstatistics.ini.
#include <optional>
#include <string>

#include "core/app.h"

namespace tintora {

// The picture under the overlay window, tint included, as a complete image file, or which step failed.
struct OverlayPicture {
    enum class Failure { none, capture, encoding };
    Bytes file;
    Failure failure = Failure::none;
};
OverlayPicture captureOverlayImage(Platform& p, ImageFormat format, WindowHandle window, int width, int height);

// Saves a screenshot in the format, which the hotkey takes again from then on. When it is not
// saved: why, as the balloon by the console tells it.
std::optional<std::string> saveScreenshot(App& app, ImageFormat format);
// The console's creation: the counter from Screenshotstatistics.ini, shown in the menu.
void loadScreenshotCounter(ScreenshotState& screenshots, Menus& menus, const Settings& settings);
void refreshCounterCaption(Menus& menus, const Settings& settings);
void clearScreenshotCounter(ScreenshotState& screenshots, Menus& menus, Settings& settings);
void openScreenshotFolder(Shell& shell, const Folders& folders);

}  // namespace tintora
