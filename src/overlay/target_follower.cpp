#include "overlay/target_follower.h"

#include "design/texts.h"
#include "overlay/tint_following.h"

namespace tintora {
namespace {

constexpr std::string_view followOn = "1";
constexpr std::string_view followOff = "0";

// Following moves, hides and shows the start-up window.
class FollowedOverlay final : public FollowedWindow {
public:
    FollowedOverlay(Windows& windows, Overlay& overlay, std::function<void()> release)
        : windows_(windows), overlay_(overlay), release_(std::move(release))
    {
    }
    void place(const ScreenRect& r, bool reveal) override
    {
        windows_.move(WindowId::startup, geometryOf(r));
        if (reveal) overlay_.show();
    }
    void hide() override { windows_.hide(WindowId::startup); }
    void release() override { release_(); }

private:
    Windows& windows_;
    Overlay& overlay_;
    std::function<void()> release_;
};

}  // namespace

bool TargetFollower::following() const
{
    const Tint& tint = overlay_.tint();
    return tint.following && tint.target != 0 && overlay_.mode() == OverlayMode::windowed;
}

// Where the system tells of other programs' windows and watches the target, the watch moves the
// overlay and the clock checks once a second what it may leave out (a move made by another process,
// a frame drawn by another thread); elsewhere (Wine, or a target the system refused to watch) the
// clock is the only way to see the target's changes.
bool TargetFollower::checksOnly() const
{
    return keeper_.systemReportsOtherPrograms() && overlay_.tint().watch.has_value();
}

void TargetFollower::setFollowChoice(bool on)
{
    overlay_.tint().following = on;
    p_.menus.setChecked(console::跟随目标窗口, on);
}

// The overlay stays where it is, shown again if the target had hidden it; the next following
// starts from the target's place, whatever it was before.
void TargetFollower::releaseOverlay()
{
    Tint& tint = overlay_.tint();
    if (tint.hiddenWithTarget) overlay_.show();
    tint.hiddenWithTarget = false;
    tint.followedRect.reset();
    stopWatchingTarget(p_.desktop, tint);
}

// One step of following; told when the system said the target changed, so that its show state is
// asked at once.
void TargetFollower::followTargetStep(bool told)
{
    if (!following()) return;
    Tint& tint = overlay_.tint();
    watchTarget(p_.desktop, tint, [this] { followTargetStep(true); });
    FollowedOverlay window(p_.windows, overlay_, [this] { releaseOverlay(); });
    if (followTint(p_.desktop, tint, told, window)) pace_.changed(p_.desktop.tickCount());
}

void TargetFollower::loadFollowChoice()
{
    // Anything but "1", a missing key included, keeps the overlay where the lock put it.
    setFollowChoice(settings_.readText(items::followWindow) == followOn);
}

void TargetFollower::toggleFollowTarget()
{
    const bool on = !overlay_.tint().following;
    setFollowChoice(on);
    notices_.reportFailure(texts::settingsNotSaved, settings_.write(items::followWindow, on ? followOn : followOff));
    if (!on) releaseOverlay();
    keepFollowing();
}

void TargetFollower::keepFollowing()
{
    pace_.changed(p_.desktop.tickCount());
    followTargetStep(false);
    clock_.runWhile(
        p_.desktop, [this] { return checksOnly() ? everySecond : pace_.interval(p_.desktop.tickCount()); },
        [this] { return following(); }, [this] { followTargetStep(checksOnly()); }, notices_.clockFailureTeller());
}

bool TargetFollower::placeOverlayOnTarget()
{
    if (!following()) return false;
    // Coming back from full screen, where the overlay is shown whatever the target does.
    Tint& tint = overlay_.tint();
    tint.followedRect.reset();
    tint.hiddenWithTarget = false;
    keepFollowing();
    return tint.target != 0;
}

}  // namespace tintora
