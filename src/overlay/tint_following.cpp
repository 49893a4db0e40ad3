#include "overlay/tint_following.h"

#include <algorithm>

namespace tintora {
namespace {

constexpr unsigned showStateEvery = 8;

// The target's own state and its top-level window's, the one a user minimises, hides or leaves on
// another virtual desktop; windows between them are not asked, to keep the look cheap.
bool targetShown(const Desktop& desktop, const Tint& tint)
{
    return desktop.isShown(tint.target) && (tint.topLevel == tint.target || desktop.isShown(tint.topLevel)) &&
           !desktop.isCloaked(tint.topLevel);
}

}  // namespace

std::optional<ScreenRect> coveredRect(const Desktop& desktop, WindowHandle w, bool topLevel)
{
    return topLevel ? desktop.visibleFrame(w) : desktop.windowRect(w);
}

bool followTint(const Desktop& desktop, Tint& tint, bool told, FollowedWindow& window)
{
    const auto rect = desktop.windowRect(tint.target);
    if (!rect) {
        // Closed: a later window that happens to get the same handle is not the target.
        tint.target = 0;
        window.release();
        return true;
    }
    // A window minimised or restored moves too, so its show state is asked when the rectangle
    // changed and otherwise at every few looks: an idle look costs one rectangle query, and the
    // visible frame is asked only when the window rectangle changed.
    const bool moved = rect != tint.followedRect;
    if (!moved && !told && ++tint.followTicks % showStateEvery != 0) return false;
    tint.followedRect = rect;
    if (!targetShown(desktop, tint)) {
        if (tint.hiddenWithTarget) return moved;
        tint.hiddenWithTarget = true;
        window.hide();
        return true;
    }
    const bool reveal = tint.hiddenWithTarget;
    tint.hiddenWithTarget = false;
    // A hidden tint was left where it was while the target moved.
    if (!moved && !reveal) return false;
    tint.covered = coveredRect(desktop, tint.target, tint.topLevel == tint.target).value_or(*rect);
    window.place(tint.covered, reveal);
    return true;
}

void watchTarget(Desktop& desktop, Tint& tint, std::function<void()> changed)
{
    if (tint.watched == tint.target) return;
    stopWatchingTarget(desktop, tint);
    tint.watch = desktop.watchWindow(tint.target, std::move(changed));
    tint.watched = tint.target;
}

void stopWatchingTarget(Desktop& desktop, Tint& tint)
{
    if (tint.watch) desktop.stopWatching(*tint.watch);
    tint.watch.reset();
    tint.watched = 0;
}

void showShareOn(Desktop& desktop, std::vector<RememberedTint>& tints, ScheduleShare share)
{
    for (RememberedTint& t : tints) {
        const int before = t.tint.shownAlpha();
        t.tint.shown = share;
        if (t.tint.shownAlpha() != before) desktop.setLayeredAttributes(t.window, keyColour, t.tint.shownAlpha());
    }
}

int largestAlphaOf(const std::vector<RememberedTint>& tints, int atLeast)
{
    for (const RememberedTint& t : tints) atLeast = std::max(atLeast, t.tint.alpha);
    return atLeast;
}

}  // namespace tintora
