#include "overlay/target_follower.h"

#include "core/notice.h"
#include "design/texts.h"
#include "overlay/overlay.h"
#include "overlay/tint_following.h"
#include "overlay/topmost_keeper.h"

namespace tintora {
namespace {

constexpr int followInterval = 16;
constexpr std::string_view followOn = "1";
constexpr std::string_view followOff = "0";

bool following(const App& app)
{
    const Tint& tint = app.state.overlay.tint;
    return tint.following && tint.target != 0 && app.state.placement.overlayMode == OverlayMode::windowed;
}

// Following looks at the target on a clock where the system has not shown that it tells of other
// programs' windows (Wine), or refused to watch the target; otherwise the watch alone moves the overlay.
bool followsOnClock(const App& app)
{
    return following(app) && (!systemReportsOtherPrograms(app.state.keeper) || !app.state.overlay.tint.watch);
}

void setFollowChoice(Menus& menus, Tint& tint, bool on)
{
    tint.following = on;
    menus.setChecked(console::跟随目标窗口, on);
}

// The overlay stays where it is, shown again if the target had hidden it; the next following
// starts from the target's place, whatever it was before.
void releaseOverlay(App& app)
{
    Tint& tint = app.state.overlay.tint;
    if (tint.hiddenWithTarget) showOverlay(app);
    tint.hiddenWithTarget = false;
    tint.followedRect.reset();
    stopWatchingTarget(app.platform.desktop, tint);
}

// Following moves, hides and shows the start-up window.
class FollowedOverlay final : public FollowedWindow {
public:
    explicit FollowedOverlay(App& app) : app_(app) {}
    void place(const ScreenRect& r, bool reveal) override
    {
        app_.platform.windows.move(WindowId::startup, geometryOf(r));
        if (reveal) showOverlay(app_);
    }
    void hide() override { app_.platform.windows.hide(WindowId::startup); }
    void release() override { releaseOverlay(app_); }

private:
    App& app_;
};

// One step of following; told when the system said the target changed, so that its show state is
// asked at once.
void followTargetStep(App& app, bool told)
{
    if (!following(app)) return;
    Tint& tint = app.state.overlay.tint;
    watchTarget(app.platform.desktop, tint, [&app] { followTargetStep(app, true); });
    FollowedOverlay overlay(app);
    followTint(app.platform.desktop, tint, told, overlay);
}

}  // namespace

void loadFollowChoice(Menus& menus, const Settings& settings, Tint& tint)
{
    // Anything but "1", a missing key included, keeps the overlay where the lock put it.
    setFollowChoice(menus, tint, settings.readText(items::followWindow) == followOn);
}

void toggleFollowTarget(App& app)
{
    const bool on = !app.state.overlay.tint.following;
    setFollowChoice(app.platform.menus, app.state.overlay.tint, on);
    reportFailure(app, texts::settingsNotSaved, app.settings.write(items::followWindow, on ? followOn : followOff));
    if (!on) releaseOverlay(app);
    keepFollowing(app);
}

void keepFollowing(App& app)
{
    followTargetStep(app, false);
    reportBackgroundFailure(app, texts::clockNotStarted,
                            app.state.follower.clock.runWhile(
                                app.platform.desktop, followInterval, [&app] { return followsOnClock(app); },
                                [&app] { followTargetStep(app, false); }));
}

bool placeOverlayOnTarget(App& app)
{
    if (!following(app)) return false;
    // Coming back from full screen, where the overlay is shown whatever the target does.
    Tint& tint = app.state.overlay.tint;
    tint.followedRect.reset();
    tint.hiddenWithTarget = false;
    keepFollowing(app);
    return tint.target != 0;
}

}  // namespace tintora
