#pragma once
// Monitor tints: the user remembers the colour of the monitor the full-screen overlay covers, and
// from then on, whenever the program runs, that monitor has a click-through tint of its own over
// the whole of it while it is connected.
#include <vector>

#include "core/app.h"

namespace tintora {

inline constexpr int maxRememberedMonitors = 16;

// Reads the monitors of Remembered.ini and tints those connected; the start-up window's creation
// calls it.
void loadRememberedMonitors(App& app);
// Stores the monitor the full-screen overlay covers with the overlay's colour and opacity,
// replacing the entry that tints it now.
void rememberOverlayMonitor(App& app);
// Removes the entry that tints the monitor the full-screen overlay covers.
void forgetOverlayMonitor(App& app);
// Opens, moves, shows, hides and closes the monitor tints as the monitors, tint off / on and full
// screen stand now, and offers remember and forget where they apply. The full-screen overlay is
// the tint of the monitor it covers.
void placeMonitorTints(App& app);
// The monitor tints shown now, kept on top with the program's windows.
const std::vector<RememberedTint>& monitorTints(const App& app);
// The schedule's share of their A.
void showMonitorShare(App& app, ScheduleShare share);
// Closes every monitor tint (Tintora ends).
void closeMonitorTints(App& app);

}  // namespace tintora
