#pragma once
// The console's A, R, G, B sliders, which show the overlay's tint and change it, and Colour.ini.
#include "core/settings.h"
#include "overlay/overlay.h"

namespace tintora {

// The user moved a slider: the tint takes its value, then the overlay and the labels show it.
void onAlphaSliderChanged(Controls& controls, Overlay& overlay);
void onColourSliderChanged(Controls& controls, Overlay& overlay, ControlRef slider);
// "保存颜色更新": the tint's A, R, G, B into Colour.ini.
[[nodiscard]] Outcome saveColourSettings(Settings& settings, const Tint& tint);

// How far a hotkey moves the opacity.
inline constexpr int opacityHotkeyStep = 16;
// The tint's opacity or colour set through the overlay, clamped to the sliders' range, and shown on
// the sliders: the user moved one, or a hotkey or a command set it as if the user had.
void setOpacityWithSliders(Controls& controls, Overlay& overlay, int alpha);
void setColourWithSliders(Controls& controls, Overlay& overlay, Colour colour);

// Takes A, R, G, B from Colour.ini into the tint and shows them on the sliders, without touching
// the overlay.
void loadColourSettings(Controls& controls, const Settings& settings, Tint& tint);

}  // namespace tintora
