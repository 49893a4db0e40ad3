#pragma once
// The operations that change the tint overlay (the start-up window and its canvas).
#include "core/app.h"

namespace tintora {

// Fills the whole overlay canvas with one colour.
void paintTint(App& app, Colour colour);
// The overlay's constant alpha, with the key colour kept transparent.
void setOverlayOpacity(App& app, int alpha);
// The rectangle a tint covers on a window: a top-level window's visible frame, a control's window
// rectangle; nothing once the window is gone.
std::optional<ScreenRect> coveredRect(const Desktop& desktop, WindowHandle w, bool topLevel);
// Makes the overlay layered again with the key colour and the console's A slider as its alpha.
void applyOverlayTransparency(App& app);
// Shows the overlay in its normal state, unless the user has hidden the tints.
void showOverlay(App& app);
// "tint off / on": hides every tint, or shows it again where it belongs (not while following keeps
// it hidden with its target). Before the lock it switches the remembered tints alone.
void toggleTints(App& app);

}  // namespace tintora
