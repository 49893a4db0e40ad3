#pragma once
// Where the overlay lies after the lock: the locked rectangle or the whole screen.
#include "overlay/monitor_tints.h"
#include "overlay/overlay.h"
#include "overlay/target_follower.h"

namespace tintora {

// The tint's colour on the overlay, once after the console's creation.
void paintInitialTint(Overlay& overlay, Timers& timers);

class Placement {
public:
    Placement(Platform& p, Overlay& overlay, TargetFollower& follower, MonitorTints& monitors)
        : p_(p), overlay_(overlay), follower_(follower), monitors_(monitors)
    {
    }

    // The console's creation: the overlay lies where the lock put it.
    void startWindowed() { overlay_.setMode(OverlayMode::windowed); }
    // The overlay covers the monitor that holds the most of the locked target.
    void goFullScreen();
    // The overlay lies over the locked rectangle, where following may move it.
    void goWindowed();
    // The monitors were changed (arranged, resized, plugged in or out): the full-screen overlay
    // covers the monitor that holds the most of it now, and the monitor tints are placed again.
    void onMonitorsChanged();

private:
    Platform& p_;
    Overlay& overlay_;
    TargetFollower& follower_;
    MonitorTints& monitors_;
    Geometry savedOverlayGeometry_{};
};

}  // namespace tintora
