#pragma once
// Every tint on the screen at once: the overlay's, the remembered windows' and the monitors'.
#include "overlay/monitor_tints.h"
#include "overlay/overlay.h"
#include "overlay/remembered_tints.h"

namespace tintora {

class Tints {
public:
    Tints(Overlay& overlay, RememberedTints& remembered, MonitorTints& monitors)
        : overlay_(overlay), remembered_(remembered), monitors_(monitors)
    {
    }

    bool hidden() const { return overlay_.tintsHidden(); }
    // "tint off / on": hides every tint, or shows each again where it belongs (not while following
    // keeps it hidden with its target). Before the lock it switches the remembered tints alone.
    void toggleTints();
    // The schedule's share of their A, for each tint.
    void showShare(ScheduleShare share);
    // The largest A of the tints, whose steps the fades take; a full one while there is none yet.
    int largestAlpha() const;
    // Closes the tints in windows of their own (Tintora ends).
    void closeTintWindows();

private:
    Overlay& overlay_;
    RememberedTints& remembered_;
    MonitorTints& monitors_;
};

}  // namespace tintora
