#include "overlay/tint_following.h"

namespace tintora {
namespace {

constexpr unsigned showStateEvery = 8;

// The target's own state and its top-level window's, the one a user minimises or hides; windows
// between them are not asked, to keep the look cheap.
bool targetShown(const Desktop& desktop, const Tint& tint)
{
    return desktop.isShown(tint.target) && (tint.topLevel == tint.target || desktop.isShown(tint.topLevel));
}

}  // namespace

FollowStep followTint(const Desktop& desktop, Tint& tint)
{
    const auto rect = desktop.windowRect(tint.target);
    if (!rect) {
        // Closed: a later window that happens to get the same handle is not the target.
        tint.target = 0;
        return {FollowAction::release};
    }
    // A window minimised or restored moves too, so its show state is asked when the rectangle
    // changed and otherwise at every few looks: an idle look costs one rectangle query.
    const bool moved = rect != tint.followedRect;
    if (!moved && ++tint.followTicks % showStateEvery != 0) return {};
    tint.followedRect = rect;
    if (!targetShown(desktop, tint)) {
        if (tint.hiddenWithTarget) return {};
        tint.hiddenWithTarget = true;
        return {FollowAction::hide};
    }
    const bool reveal = tint.hiddenWithTarget;
    tint.hiddenWithTarget = false;
    // A hidden tint was left where it was while the target moved.
    if (!moved && !reveal) return {};
    return {FollowAction::place, *rect, reveal};
}

}  // namespace tintora
