#include "overlay/target_follower.h"

#include "overlay/overlay.h"
#include "overlay/placement.h"

namespace tintora {
namespace {

constexpr std::string_view followOn = "1";
constexpr std::string_view followOff = "0";
constexpr unsigned showStateEvery = 8;

bool following(const App& app)
{
    const auto& state = app.state;
    return state.followTarget && state.targetWindow != 0 && state.overlayScreenMode == overlayWindowed;
}

// The target's own state and its top-level window's, the one a user minimises, hides or leaves on
// another virtual desktop; windows between them are not asked, to keep the tick cheap.
bool targetShown(const App& app)
{
    const auto& desktop = app.platform.desktop;
    const auto& state = app.state;
    return desktop.isShown(state.targetWindow) &&
           (state.targetTopLevel == state.targetWindow || desktop.isShown(state.targetTopLevel)) &&
           !desktop.isCloaked(state.targetTopLevel);
}

void stopWatchingTarget(App& app)
{
    auto& state = app.state;
    if (state.watchedTarget != 0) app.platform.desktop.stopWatching(state.targetWatch);
    state.watchedTarget = 0;
}

// Where the system tells of the target's moves (Windows), the overlay moves with them at once; the
// pointer clock's tick stays as the fallback (Wine tells nothing across processes).
void watchTarget(App& app)
{
    auto& state = app.state;
    if (state.watchedTarget == state.targetWindow) return;
    stopWatchingTarget(app);
    state.targetWatch = app.platform.desktop.watchWindow(state.targetWindow, [&app] { followTargetStep(app, true); });
    state.watchedTarget = state.targetWindow;
}

void setFollowChoice(App& app, bool on)
{
    app.state.followTarget = on;
    app.platform.menus.setChecked(console::跟随目标窗口, on);
}

// The overlay stays where it is, shown again if the target had hidden it; the next following
// starts from the target's place, whatever it was before.
void releaseOverlay(App& app)
{
    auto& state = app.state;
    if (state.overlayHiddenWithTarget) showOverlay(app);
    state.overlayHiddenWithTarget = false;
    state.followedRect.reset();
    stopWatchingTarget(app);
}

}  // namespace

void loadFollowChoice(App& app)
{
    // Anything but "1", a missing key included, keeps the overlay where the lock put it.
    setFollowChoice(app, app.settings.readText(items::followWindow) == followOn);
}

void toggleFollowTarget(App& app)
{
    const bool on = !app.state.followTarget;
    setFollowChoice(app, on);
    app.settings.write(items::followWindow, on ? followOn : followOff);
    if (!on) releaseOverlay(app);
}

void followTargetTick(App& app) { followTargetStep(app, false); }

void followTargetStep(App& app, bool told)
{
    if (!following(app)) return;
    auto& state = app.state;
    watchTarget(app);
    const auto rect = app.platform.desktop.windowRect(state.targetWindow);
    if (!rect) {
        // Closed: a later window that happens to get the same handle is not the target.
        releaseOverlay(app);
        state.targetWindow = 0;
        return;
    }
    // A window minimised or restored moves too, so its show state is asked when the rectangle
    // changed and otherwise at every few ticks: idle following costs one rectangle query a tick,
    // and the visible frame is asked only when the window rectangle changed.
    const bool moved = rect != state.followedRect;
    if (!moved && !told && ++state.followTicks % showStateEvery != 0) return;
    state.followedRect = rect;
    auto& windows = app.platform.windows;
    const auto& desktop = app.platform.desktop;
    if (!targetShown(app)) {
        if (!state.overlayHiddenWithTarget) windows.hide(WindowId::startup);
        state.overlayHiddenWithTarget = true;
        return;
    }
    // A hidden overlay was left where it was while the target moved.
    if (moved || state.overlayHiddenWithTarget) {
        const bool topLevel = state.targetTopLevel == state.targetWindow;
        windows.move(WindowId::startup, geometryOf(coveredRect(desktop, state.targetWindow, topLevel).value_or(*rect)));
    }
    if (state.overlayHiddenWithTarget) showOverlay(app);
    state.overlayHiddenWithTarget = false;
}

bool placeOverlayOnTarget(App& app)
{
    if (!following(app)) return false;
    // Coming back from full screen, where the overlay is shown whatever the target does.
    app.state.followedRect.reset();
    app.state.overlayHiddenWithTarget = false;
    followTargetTick(app);
    return app.state.targetWindow != 0;
}

}  // namespace tintora
