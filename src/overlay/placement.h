#pragma once
// Where the overlay lies after the lock: the locked rectangle or the whole screen.
#include <optional>

#include "core/app.h"

namespace tintora {

// The tint's colour on the overlay, once after the console's creation.
void paintInitialTint(Platform& p, const Tint& tint);
// The overlay covers the monitor that holds the most of the locked target.
void goFullScreen(App& app);
// A target is locked and the console open: the console's creation sets the overlay's mode.
bool locked(const App& app);
// The overlay lies over the locked rectangle, where following may move it.
bool overlayWindowed(const App& app);
// The console's creation: the overlay lies where the lock put it.
void startWindowed(App& app);
void goWindowed(App& app);
// The monitor the full-screen overlay covers; nothing in windowed mode and before the lock.
std::optional<ScreenRect> fullScreenMonitor(const App& app);

}  // namespace tintora
