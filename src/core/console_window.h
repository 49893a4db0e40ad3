#pragma once
// The console's place on the screen, shared by tray mode and screenshots.
#include "core/app.h"

namespace tintora {

// A left edge that puts the console out of sight.
inline constexpr int offScreenLeft = -1000;

// Moves the console's left edge only.
void setConsoleLeft(App& app, int left);

}  // namespace tintora
