#include "overlay/overlay.h"

#include "overlay/remembered_tints.h"

namespace tintora {

void paintTint(App& app, Colour colour)
{
    // The tint covers every pixel, so the background picture (if any) is not drawn first.
    app.platform.canvas.fill(colour);
}

void setOverlayOpacity(App& app, int alpha)
{
    auto& p = app.platform;
    p.desktop.setLayeredAttributes(p.windows.handle(WindowId::startup), keyColour, alpha);
}

std::optional<ScreenRect> coveredRect(const Desktop& desktop, WindowHandle w, bool topLevel)
{
    return topLevel ? desktop.visibleFrame(w) : desktop.windowRect(w);
}

void applyOverlayTransparency(App& app)
{
    auto& p = app.platform;
    const WindowHandle overlay = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(overlay, p.desktop.extendedStyle(overlay) | exstyle::layered);
    setOverlayOpacity(app, p.controls.sliderPosition(opacitySlider));
}

void showOverlay(App& app)
{
    if (app.state.tintsHidden) return;
    app.platform.windows.showNormal(WindowId::startup);
    // Shown again, the overlay may lie below a window raised meanwhile (under Wine without a window
    // manager, the X window of a restored window is raised without a change of foreground window).
    app.state.keeperLiftRequested = true;
}

void toggleTints(App& app)
{
    auto& state = app.state;
    state.tintsHidden = !state.tintsHidden;
    showRememberedTints(app, !state.tintsHidden);
    // Before the lock the start-up window is the opening screen, not a tint.
    if (!app.locked()) return;
    if (state.tintsHidden)
        app.platform.windows.hide(WindowId::startup);
    else if (!state.tint.hiddenWithTarget)
        showOverlay(app);
}

}  // namespace tintora
