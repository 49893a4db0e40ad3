#pragma once
// Monitor tints: the user remembers the colour of the monitor the full-screen overlay covers, and
// from then on, whenever the program runs, that monitor has a click-through tint of its own over
// the whole of it while it is connected.
#include <optional>
#include <string>
#include <vector>

#include "core/notice.h"
#include "core/settings.h"
#include "overlay/overlay.h"

namespace tintora {

inline constexpr int maxRememberedMonitors = 16;

class MonitorTints {
public:
    // Keeps the tints on top, below the overlay.
    MonitorTints(Platform& p, const Folders& folders, Notices& notices, TopmostKeeper& keeper, const Overlay& overlay);
    MonitorTints(const MonitorTints&) = delete;
    MonitorTints& operator=(const MonitorTints&) = delete;

    // Reads the monitors of Remembered.ini and tints those connected; the start-up window's creation
    // calls it.
    void loadRememberedMonitors();
    // Stores the monitor the full-screen overlay covers with the overlay's colour and opacity,
    // replacing the entry that tints it now.
    void rememberOverlayMonitor();
    // Removes the entry that tints the monitor the full-screen overlay covers.
    void forgetOverlayMonitor();
    // Opens, moves, shows, hides and closes the monitor tints as the monitors, tint off / on and full
    // screen stand now, and offers remember and forget where they apply. The full-screen overlay is
    // the tint of the monitor it covers.
    void placeMonitorTints();
    // The schedule's share of their A, and of the A of those opened from now on.
    void showShare(ScheduleShare share);
    // The largest A of the tints, at least the one given.
    int largestAlpha(int atLeast) const;
    // Closes every monitor tint (Tintora ends).
    void closeMonitorTints();

private:
    std::string rememberedFile() const;
    void closeTintOf(int slot);
    std::optional<RememberedTint> openTint(int slot);
    void offerMonitorCommands(const std::optional<ScreenRect>& covered);

    Platform& p_;
    const Folders& folders_;
    Notices& notices_;
    TopmostKeeper& keeper_;
    const Overlay& overlay_;
    std::vector<RememberedMonitor> entries_;
    // A tint over each monitor connected (no target; it covers the monitor; its slot the entry's).
    std::vector<RememberedTint> tints_;
    ScheduleShare share_;
};

}  // namespace tintora
