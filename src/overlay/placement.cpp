#include "overlay/placement.h"

#include <algorithm>

#include "overlay/monitor_tints.h"
#include "overlay/overlay.h"
#include "overlay/target_follower.h"

namespace tintora {
namespace {

// The monitor that holds the largest part of the rectangle, or the nearest one when none holds any.
ScreenRect monitorHolding(const std::vector<ScreenRect>& monitors, const ScreenRect& r)
{
    const auto distance = [&](const ScreenRect& m) {
        const long long dx = std::max({m.left - r.right, r.left - m.right, 0});
        const long long dy = std::max({m.top - r.bottom, r.top - m.bottom, 0});
        return dx * dx + dy * dy;
    };
    const auto holdsMore = [&](const ScreenRect& a, const ScreenRect& b) {
        const long long shareA = area(intersection(a, r));
        const long long shareB = area(intersection(b, r));
        return shareA != shareB ? shareA > shareB : distance(a) < distance(b);
    };
    return *std::ranges::min_element(monitors, holdsMore);
}

}  // namespace

void paintInitialTint(Platform& p, const Tint& tint)
{
    paintTint(p.canvas, tint.colour);
    p.timers.setInterval(firstTintClock, 0);
}

void goFullScreen(App& app)
{
    PlacementState& placement = app.state.placement;
    if (placement.overlayMode != OverlayMode::windowed) return;
    auto& p = app.platform;
    p.menus.setChecked(console::全屏化窗口, true);
    p.menus.setChecked(console::非全屏化窗口, false);
    const Geometry locked = p.windows.geometry(WindowId::startup);
    placement.savedOverlayGeometry = locked;
    // Full screen shows the tint whatever its target does.
    showOverlayWhateverTheTarget(app);
    // The monitor of the target: a game on a second monitor is covered there.
    const ScreenRect m = monitorHolding(
        p.desktop.monitors(), {locked.left, locked.top, locked.left + locked.width, locked.top + locked.height});
    p.windows.move(WindowId::startup, geometryOf(m));
    placement.overlayMode = OverlayMode::fullScreen;
    placeMonitorTints(app);
}

bool locked(const App& app) { return app.state.placement.overlayMode != OverlayMode::none; }

bool overlayWindowed(const App& app) { return app.state.placement.overlayMode == OverlayMode::windowed; }

void startWindowed(App& app) { app.state.placement.overlayMode = OverlayMode::windowed; }

void goWindowed(App& app)
{
    PlacementState& placement = app.state.placement;
    if (placement.overlayMode != OverlayMode::fullScreen) return;
    auto& p = app.platform;
    p.menus.setChecked(console::全屏化窗口, false);
    p.menus.setChecked(console::非全屏化窗口, true);
    placement.overlayMode = OverlayMode::windowed;
    if (!placeOverlayOnTarget(app)) p.windows.move(WindowId::startup, placement.savedOverlayGeometry);
    placeMonitorTints(app);
}

std::optional<ScreenRect> fullScreenMonitor(const App& app)
{
    if (app.state.placement.overlayMode != OverlayMode::fullScreen) return std::nullopt;
    const Geometry g = app.platform.windows.geometry(WindowId::startup);
    return ScreenRect{g.left, g.top, g.left + g.width, g.top + g.height};
}

}  // namespace tintora
