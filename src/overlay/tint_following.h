#pragma once
// One look of following at a tint's target: where the tint goes, whether it hides, or whether the
// target has gone.
#include <functional>

#include "core/tint.h"
#include "platform/desktop.h"

namespace tintora {

enum class FollowAction {
    none,
    place,    // onto rect, shown again if it was hidden
    hide,     // the target is hidden or minimised
    release,  // the target is closed: the tint no longer has a window
};

struct FollowStep {
    FollowAction action = FollowAction::none;
    ScreenRect rect{};
    bool reveal = false;  // place: the tint was hidden with its target
};

// Updates what the tint knows of its target and says what to do with the tint's window; told when
// the system said the target changed, so that its show state is asked at once.
FollowStep followTint(const Desktop& desktop, Tint& tint, bool told);

// Where the system tells of the target's changes (Windows), changed runs at once; the pointer
// clock's tick stays as the fallback (Wine tells nothing across processes). A target the system
// refused to watch is asked for again only once the tint has another target.
void watchTarget(Desktop& desktop, Tint& tint, std::function<void()> changed);
void stopWatchingTarget(Desktop& desktop, Tint& tint);

}  // namespace tintora
