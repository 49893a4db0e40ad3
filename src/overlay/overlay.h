#pragma once
// The operations that change the tint overlay (the start-up window and its canvas).
#include "core/app.h"

namespace tintora {

// The overlay's tint. The parts that move it write it: smart snap its target, following its place.
const Tint& overlayTint(const App& app);
Tint& overlayTint(App& app);
// Whether the user has switched every tint off.
bool tintsHidden(const App& app);
// The schedule's share of its A: the overlay shows it, its opacity set only where it changes.
void showOverlayShare(App& app, ScheduleShare share);
// Fills the whole overlay canvas with one colour.
void paintTint(Canvas& canvas, Colour colour);
// A chart picture becomes the canvas's background, beneath the tint: the overlay shows the tint
// over it whether the first tint was painted before or after. Setting the picture drops what was
// drawn, so the tint is painted again here.
void setChartPicture(Canvas& canvas, const Bytes& png, const Tint& tint);
// The overlay's constant alpha, with the key colour kept transparent.
void setOverlayOpacity(Platform& p, int alpha);
// Makes the overlay layered again with the key colour and the tint's opacity.
void applyOverlayTransparency(Platform& p, const Tint& tint);
// Shows the overlay in its normal state above the other windows, unless the user has hidden the tints.
void showOverlay(App& app);
// Shows the overlay even where following hides it with its target (full screen).
void showOverlayWhateverTheTarget(App& app);
// "tint off / on": hides every tint, or shows it again where it belongs (not while following keeps
// it hidden with its target). Before the lock it switches the remembered tints alone.
void toggleTints(App& app);

}  // namespace tintora
