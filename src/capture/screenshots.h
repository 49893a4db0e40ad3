#pragma once
// Screenshots of the covered region, numbered by a counter kept in Screenshotstatistics.ini.
#include <optional>
#include <string>

#include "core/notice.h"
#include "core/settings.h"
#include "core/state.h"
#include "platform/platform.h"

namespace tintora {

// The picture under the overlay window, tint included, as a complete image file, or which step failed.
struct OverlayPicture {
    enum class Failure { none, capture, encoding };
    Bytes file;
    Failure failure = Failure::none;
};
OverlayPicture captureOverlayImage(Platform& p, ImageFormat format, WindowHandle window, int width, int height);

// Saves a screenshot in the format, which the hotkey takes again from then on. A screenshot not
// saved is told in a balloon; its reason (the counter full, the capture or the encoder failed, the
// file or the counter not written and why) comes back for an answer elsewhere.
[[nodiscard]] Outcome saveScreenshot(Platform& p, Settings& settings, const Folders& folders, Notices& notices,
                                     ScreenshotState& screenshots, ImageFormat format);
// The console's creation: the counter from Screenshotstatistics.ini, shown in the menu.
void loadScreenshotCounter(ScreenshotState& screenshots, Menus& menus, const Settings& settings);
void refreshCounterCaption(Menus& menus, const Settings& settings);
[[nodiscard]] Outcome clearScreenshotCounter(ScreenshotState& screenshots, Menus& menus, Settings& settings);
// Opens the Images folder in the shell.
[[nodiscard]] Outcome openScreenshotFolder(Shell& shell, const Folders& folders);

}  // namespace tintora
