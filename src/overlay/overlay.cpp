#include "overlay/overlay.h"

#include "overlay/monitor_tints.h"
#include "overlay/placement.h"
#include "overlay/remembered_tints.h"
#include "overlay/topmost_keeper.h"

namespace tintora {

const Tint& overlayTint(const App& app) { return app.state.overlay.tint; }
Tint& overlayTint(App& app) { return app.state.overlay.tint; }

bool tintsHidden(const App& app) { return app.state.overlay.tintsHidden; }

void showOverlayShare(App& app, ScheduleShare share)
{
    Tint& overlay = app.state.overlay.tint;
    const int before = overlay.shownAlpha();
    overlay.shown = share;
    if (locked(app) && overlay.shownAlpha() != before) setOverlayOpacity(app.platform, overlay.shownAlpha());
}

void paintTint(Canvas& canvas, Colour colour)
{
    // The tint covers every pixel, so the background picture (if any) is not drawn first.
    canvas.fill(colour);
}

void setChartPicture(Canvas& canvas, const Bytes& png, const Tint& tint)
{
    canvas.setPicture(png);
    paintTint(canvas, tint.colour);
}

void setOverlayOpacity(Platform& p, int alpha)
{
    p.desktop.setLayeredAttributes(p.windows.handle(WindowId::startup), keyColour, alpha);
}

void applyOverlayTransparency(Platform& p, const Tint& tint)
{
    const WindowHandle overlay = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(overlay, p.desktop.extendedStyle(overlay) | exstyle::layered);
    setOverlayOpacity(p, tint.shownAlpha());
}

void showOverlay(App& app)
{
    if (app.state.overlay.tintsHidden) return;
    app.platform.windows.showNormal(WindowId::startup);
    // Shown again, the overlay may lie below a window raised meanwhile (under Wine without a window
    // manager, the X window of a restored window is raised without a change of foreground window).
    liftKeptWindows(app);
}

void showOverlayWhateverTheTarget(App& app)
{
    app.state.overlay.tint.hiddenWithTarget = false;
    showOverlay(app);
}

void toggleTints(App& app)
{
    OverlayState& overlay = app.state.overlay;
    overlay.tintsHidden = !overlay.tintsHidden;
    showRememberedTints(app, !overlay.tintsHidden);
    placeMonitorTints(app);
    // Before the lock the start-up window is the opening screen, not a tint.
    if (!locked(app)) return;
    if (overlay.tintsHidden)
        app.platform.windows.hide(WindowId::startup);
    else if (!overlay.tint.hiddenWithTarget)
        showOverlay(app);
}

}  // namespace tintora
