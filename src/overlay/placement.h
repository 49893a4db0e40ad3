#pragma once
// Where the overlay lies after the lock: the locked rectangle or the whole screen.
#include "core/app.h"

namespace tintora {

void paintInitialTint(App& app);
void goFullScreen(App& app);
void goWindowed(App& app);
// Full screen when windowed, windowed when full screen; nothing before the lock.
void toggleFullScreen(App& app);

}  // namespace tintora
