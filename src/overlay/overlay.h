#pragma once
// The operations that change the tint overlay (the start-up window and its canvas).
#include "core/app.h"

namespace tintora {

// Fills the whole overlay canvas with one colour.
void paintTint(Canvas& canvas, Colour colour);
// The overlay's constant alpha, with the key colour kept transparent.
void setOverlayOpacity(Platform& p, int alpha);
// Makes the overlay layered again with the key colour and the tint's opacity.
void applyOverlayTransparency(Platform& p, const Tint& tint);
// Shows the overlay in its normal state above the other windows, unless the user has hidden the tints.
void showOverlay(App& app);
// "tint off / on": hides every tint, or shows it again where it belongs (not while following keeps
// it hidden with its target). Before the lock it switches the remembered tints alone.
void toggleTints(App& app);

}  // namespace tintora
