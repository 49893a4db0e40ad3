#pragma once
// The console's A, R, G, B sliders, which show the overlay's tint and change it, and Colour.ini.
#include "core/app.h"

namespace tintora {

// The user moved a slider: the tint takes its value, then the overlay and the labels show it.
void onAlphaSliderChanged(Platform& p, Tint& tint);
void onColourSliderChanged(Platform& p, Tint& tint, ControlRef slider);
// "保存颜色更新": the tint's A, R, G, B into Colour.ini.
[[nodiscard]] Outcome saveColourSettings(Settings& settings, const Tint& tint);

// How far a hotkey moves the opacity.
inline constexpr int opacityHotkeyStep = 16;
// The tint's opacity or colour set from elsewhere (a hotkey, a command), clamped to the sliders'
// range, and shown as if the user had moved the sliders.
void setTintOpacity(Platform& p, Tint& tint, int alpha);
void setTintColour(Platform& p, Tint& tint, Colour colour);

// Takes A, R, G, B from Colour.ini into the tint and shows them on the sliders, without touching
// the overlay.
void loadColourSettings(Platform& p, const Settings& settings, Tint& tint);

}  // namespace tintora
