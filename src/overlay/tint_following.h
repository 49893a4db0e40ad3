#pragma once
// One look of following at a tint's target: where the tint goes, whether it hides, or whether the
// target has gone.
#include <functional>
#include <optional>
#include <vector>

#include "core/tint.h"
#include "platform/desktop.h"

namespace tintora {

// The rectangle a tint covers on a window: a top-level window's visible frame, a control's window
// rectangle; nothing once the window is gone.
std::optional<ScreenRect> coveredRect(const Desktop& desktop, WindowHandle w, bool topLevel);

// What following does with a tint's window.
class FollowedWindow {
public:
    // Onto the rectangle; reveal: the tint was hidden with its target and shows again.
    virtual void place(const ScreenRect& r, bool reveal) = 0;
    // The target is hidden or minimised.
    virtual void hide() = 0;
    // The target is closed: the tint no longer has a window.
    virtual void release() = 0;

protected:
    ~FollowedWindow() = default;
};

// Updates what the tint knows of its target and does what that asks of the tint's window; told when
// the system said the target changed or on the once-a-second check, so that its show state is asked
// at once. True when the tint's window was moved, hidden, shown or released.
bool followTint(const Desktop& desktop, Tint& tint, bool told, FollowedWindow& window);

// Where the system tells of the target's changes (Windows), changed runs at once; the follower's
// clock stays as the check of what it leaves out (Wine tells nothing across processes). A target the
// system refused to watch is asked for again only once the tint has another target.
void watchTarget(Desktop& desktop, Tint& tint, std::function<void()> changed);
void stopWatchingTarget(Desktop& desktop, Tint& tint);

// Tints in windows of their own take the schedule's share; a window's opacity is set only where its
// shown A changes.
void showShareOn(Desktop& desktop, std::vector<RememberedTint>& tints, ScheduleShare share);
// The largest A of the tints, at least the one given.
int largestAlphaOf(const std::vector<RememberedTint>& tints, int atLeast);

}  // namespace tintora
