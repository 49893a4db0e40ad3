#pragma once
// Following, when the user asks for it: the windowed overlay keeps the place of the window smart
// snap locked onto, hides while that window is hidden or minimised, and stays put once it is closed.
#include "core/clock.h"
#include "core/notice.h"
#include "core/settings.h"
#include "overlay/overlay.h"

namespace tintora {

class TargetFollower {
public:
    TargetFollower(Platform& p, Settings& settings, Notices& notices, const TopmostKeeper& keeper, Overlay& overlay)
        : p_(p), settings_(settings), notices_(notices), keeper_(keeper), overlay_(overlay)
    {
    }

    // Takes the check mark of 跟随目标窗口 from Start.ini; the console's creation calls it.
    void loadFollowChoice();
    void toggleFollowTarget();
    // Follows as the choice and the overlay's place ask: one step now, the target watched, and a
    // step on a clock: once a second where the system tells of the target's changes, else every
    // 16 ms, slowing to 100 ms while nothing changes.
    void keepFollowing();
    // Puts the windowed overlay on the target as it is now; false when there is nothing to follow.
    bool placeOverlayOnTarget();

private:
    bool following() const;
    bool checksOnly() const;
    void setFollowChoice(bool on);
    void releaseOverlay();
    void followTargetStep(bool told);

    Platform& p_;
    Settings& settings_;
    Notices& notices_;
    const TopmostKeeper& keeper_;
    Overlay& overlay_;
    Clock clock_;
    LookPace pace_;
};

}  // namespace tintora
