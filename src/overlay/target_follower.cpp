#include "overlay/target_follower.h"

#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/tint_following.h"

namespace tintora {
namespace {

constexpr std::string_view followOn = "1";
constexpr std::string_view followOff = "0";

bool following(const App& app)
{
    const Tint& tint = app.state.tint;
    return tint.following && tint.target != 0 && app.state.overlayMode == OverlayMode::windowed;
}

void setFollowChoice(App& app, bool on)
{
    app.state.tint.following = on;
    app.platform.menus.setChecked(console::跟随目标窗口, on);
}

// The overlay stays where it is, shown again if the target had hidden it; the next following
// starts from the target's place, whatever it was before.
void releaseOverlay(App& app)
{
    Tint& tint = app.state.tint;
    if (tint.hiddenWithTarget) showOverlay(app);
    tint.hiddenWithTarget = false;
    tint.followedRect.reset();
    stopWatchingTarget(app.platform.desktop, tint);
}

}  // namespace

void loadFollowChoice(App& app)
{
    // Anything but "1", a missing key included, keeps the overlay where the lock put it.
    setFollowChoice(app, app.settings.readText(items::followWindow) == followOn);
}

void toggleFollowTarget(App& app)
{
    const bool on = !app.state.tint.following;
    setFollowChoice(app, on);
    app.settings.write(items::followWindow, on ? followOn : followOff);
    if (!on) releaseOverlay(app);
}

void followTargetTick(App& app) { followTargetStep(app, false); }

void followTargetStep(App& app, bool told)
{
    if (!following(app)) return;
    Tint& tint = app.state.tint;
    watchTarget(app.platform.desktop, tint, [&app] { followTargetStep(app, true); });
    const FollowStep step = followTint(app.platform.desktop, tint, told);
    auto& windows = app.platform.windows;
    switch (step.action) {
        case FollowAction::none: break;
        case FollowAction::place:
            windows.move(WindowId::startup, geometryOf(step.rect));
            if (step.reveal) showOverlay(app);
            break;
        case FollowAction::hide: windows.hide(WindowId::startup); break;
        case FollowAction::release: releaseOverlay(app); break;
    }
}

bool placeOverlayOnTarget(App& app)
{
    if (!following(app)) return false;
    // Coming back from full screen, where the overlay is shown whatever the target does.
    app.state.tint.followedRect.reset();
    app.state.tint.hiddenWithTarget = false;
    followTargetTick(app);
    return app.state.tint.target != 0;
}

}  // namespace tintora
