#include "overlay/target_follower.h"

#include "core/notice.h"
#include "design/texts.h"
#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/tint_following.h"
#include "overlay/topmost_keeper.h"

namespace tintora {
namespace {

constexpr std::string_view followOn = "1";
constexpr std::string_view followOff = "0";

bool following(const App& app)
{
    const Tint& tint = overlayTint(app);
    return tint.following && tint.target != 0 && overlayWindowed(app);
}

// Where the system tells of other programs' windows and watches the target, the watch moves the
// overlay and the clock checks once a second what it may leave out (a move made by another process,
// a frame drawn by another thread); elsewhere (Wine, or a target the system refused to watch) the
// clock is the only way to see the target's changes.
bool checksOnly(const App& app) { return systemReportsOtherPrograms(app) && overlayTint(app).watch; }

int followInterval(const App& app)
{
    return checksOnly(app) ? everySecond : app.state.follower.pace.interval(app.platform.desktop.tickCount());
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
    Tint& tint = overlayTint(app);
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
    Tint& tint = overlayTint(app);
    watchTarget(app.platform.desktop, tint, [&app] { followTargetStep(app, true); });
    FollowedOverlay overlay(app);
    if (followTint(app.platform.desktop, tint, told, overlay))
        app.state.follower.pace.changed(app.platform.desktop.tickCount());
}

}  // namespace

void loadFollowChoice(Menus& menus, const Settings& settings, Tint& tint)
{
    // Anything but "1", a missing key included, keeps the overlay where the lock put it.
    setFollowChoice(menus, tint, settings.readText(items::followWindow) == followOn);
}

void toggleFollowTarget(App& app)
{
    const bool on = !overlayTint(app).following;
    setFollowChoice(app.platform.menus, overlayTint(app), on);
    reportFailure(app, texts::settingsNotSaved, app.settings.write(items::followWindow, on ? followOn : followOff));
    if (!on) releaseOverlay(app);
    keepFollowing(app);
}

void keepFollowing(App& app)
{
    app.state.follower.pace.changed(app.platform.desktop.tickCount());
    followTargetStep(app, false);
    app.state.follower.clock.runWhile(
        app.platform.desktop, [&app] { return followInterval(app); }, [&app] { return following(app); },
        [&app] { followTargetStep(app, checksOnly(app)); }, clockFailureTeller(app));
}

bool placeOverlayOnTarget(App& app)
{
    if (!following(app)) return false;
    // Coming back from full screen, where the overlay is shown whatever the target does.
    Tint& tint = overlayTint(app);
    tint.followedRect.reset();
    tint.hiddenWithTarget = false;
    keepFollowing(app);
    return tint.target != 0;
}

}  // namespace tintora
