#pragma once
// The console's place on the screen, shared by tray mode and screenshots.
#include "platform/platform.h"

namespace tintora {

// The left edge that puts the console out of sight on a single monitor.
inline constexpr int offScreenLeft = -1000;

// Moves the console's left edge only.
void setConsoleLeft(Windows& windows, int left);
// Moves the console's left edge so that no part of it is on any monitor: to offScreenLeft where
// that is enough, further left (past the leftmost monitor) otherwise.
void moveConsoleOffScreen(Platform& p);
// When the console has the keyboard, gives it back to the window of another program the user was
// in before the console, or else to the locked target's top-level window.
void giveKeyboardBack(Platform& p, WindowHandle lastOtherForeground, WindowHandle targetTopLevel);

}  // namespace tintora
