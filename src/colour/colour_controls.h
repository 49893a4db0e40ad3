#pragma once
// The console's A, R, G, B sliders and Colour.ini.
#include "core/app.h"

namespace tintora {

void onAlphaSliderChanged(App& app);
void onColourSliderChanged(App& app, ControlRef slider);
void saveColourSettings(App& app);

// How far a hotkey moves the A slider.
inline constexpr int opacityHotkeyStep = 16;
// Moves the A slider by delta within its range, as the user would: overlay, slider and labels
// alike. Nothing before the lock.
void stepOpacity(App& app, int delta);

// Loads A, R, G, B from Colour.ini onto the sliders and shows them, without touching the overlay.
void loadColourSettings(App& app);

}  // namespace tintora
