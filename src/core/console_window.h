#pragma once
// The console's place on the screen, shared by tray mode and screenshots.
#include "core/app.h"

namespace tintora {

// The left edge that puts the console out of sight on a single monitor.
inline constexpr int offScreenLeft = -1000;

// Moves the console's left edge only.
void setConsoleLeft(App& app, int left);
// Moves the console's left edge so that no part of it is on any monitor: to offScreenLeft where
// that is enough, further left (past the leftmost monitor) otherwise.
void moveConsoleOffScreen(App& app);
// When the console has the keyboard, gives it back to the window of another program the user was
// in before the console, or else to the locked target's top-level window.
void giveKeyboardBack(App& app);

}  // namespace tintora
