#include "overlay/overlay.h"

#include <algorithm>

namespace tintora {

Overlay::Overlay(Platform& p, TopmostKeeper& keeper) : p_(p), keeper_(keeper)
{
    // Before the lock the start-up window is the opening screen, an ordinary window.
    keeper.keep(KeptRank::overlay, [this](std::vector<WindowHandle>& kept) {
        if (locked()) kept.push_back(p_.windows.handle(WindowId::startup));
    });
}

void Overlay::showAsTintsAre()
{
    if (!locked()) return;
    if (tintsHidden_)
        p_.windows.hide(WindowId::startup);
    else if (!tint_.hiddenWithTarget)
        show();
}

std::optional<ScreenRect> Overlay::fullScreenMonitor() const
{
    if (mode_ != OverlayMode::fullScreen) return std::nullopt;
    const Geometry g = p_.windows.geometry(WindowId::startup);
    return ScreenRect{g.left, g.top, g.left + g.width, g.top + g.height};
}

void Overlay::setTintOpacity(int alpha)
{
    tint_.alpha = std::clamp(alpha, 0, 255);
    setOverlayOpacity(tint_.shownAlpha());
}

void Overlay::setTintColour(Colour colour)
{
    tint_.colour = colour;
    paintTint(colour);
}

void Overlay::showShare(ScheduleShare share)
{
    const int before = tint_.shownAlpha();
    tint_.shown = share;
    if (locked() && tint_.shownAlpha() != before) setOverlayOpacity(tint_.shownAlpha());
}

void Overlay::paintTint(Colour colour)
{
    // The tint covers every pixel, so the background picture (if any) is not drawn first.
    p_.canvas.fill(colour);
}

void Overlay::setChartPicture(const Bytes& png)
{
    p_.canvas.setPicture(png);
    paintTint(tint_.colour);
}

void Overlay::setOverlayOpacity(int alpha)
{
    p_.desktop.setLayeredAttributes(p_.windows.handle(WindowId::startup), keyColour, alpha);
}

void Overlay::applyOverlayTransparency()
{
    const WindowHandle overlay = p_.windows.handle(WindowId::startup);
    p_.desktop.setExtendedStyle(overlay, p_.desktop.extendedStyle(overlay) | exstyle::layered);
    setOverlayOpacity(tint_.shownAlpha());
}

void Overlay::show()
{
    if (tintsHidden_) return;
    p_.windows.showNormal(WindowId::startup);
    // Shown again, the overlay may lie below a window raised meanwhile (under Wine without a window
    // manager, the X window of a restored window is raised without a change of foreground window).
    keeper_.lift();
}

void Overlay::showWhateverTheTarget()
{
    tint_.hiddenWithTarget = false;
    show();
}

}  // namespace tintora
