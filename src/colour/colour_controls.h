#pragma once
// The console's A, R, G, B sliders and Colour.ini.
#include "core/app.h"

namespace tintora {

void onAlphaSliderChanged(App& app);
void onColourSliderChanged(App& app, ControlRef slider);
void saveColourSettings(App& app);

// Loads A, R, G, B from Colour.ini onto the sliders and shows them, without touching the overlay.
void loadColourSettings(App& app);

}  // namespace tintora
