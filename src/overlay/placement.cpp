#include "overlay/placement.h"

#include <algorithm>

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

void paintInitialTint(Overlay& overlay, Timers& timers)
{
    overlay.paintTint(overlay.tint().colour);
    timers.setInterval(firstTintClock, 0);
}

void Placement::goFullScreen()
{
    if (overlay_.mode() != OverlayMode::windowed) return;
    p_.menus.setChecked(console::全屏化窗口, true);
    p_.menus.setChecked(console::非全屏化窗口, false);
    const Geometry locked = p_.windows.geometry(WindowId::startup);
    savedOverlayGeometry_ = locked;
    // Full screen shows the tint whatever its target does.
    overlay_.showWhateverTheTarget();
    // The monitor of the target: a game on a second monitor is covered there.
    const ScreenRect m = monitorHolding(
        p_.desktop.monitors(), {locked.left, locked.top, locked.left + locked.width, locked.top + locked.height});
    p_.windows.move(WindowId::startup, geometryOf(m));
    overlay_.setMode(OverlayMode::fullScreen);
    monitors_.placeMonitorTints();
}

void Placement::goWindowed()
{
    if (overlay_.mode() != OverlayMode::fullScreen) return;
    p_.menus.setChecked(console::全屏化窗口, false);
    p_.menus.setChecked(console::非全屏化窗口, true);
    overlay_.setMode(OverlayMode::windowed);
    if (!follower_.placeOverlayOnTarget()) p_.windows.move(WindowId::startup, savedOverlayGeometry_);
    monitors_.placeMonitorTints();
}

void Placement::onMonitorsChanged()
{
    if (const auto covered = overlay_.fullScreenMonitor())
        p_.windows.move(WindowId::startup, geometryOf(monitorHolding(p_.desktop.monitors(), *covered)));
    monitors_.placeMonitorTints();
}

}  // namespace tintora
