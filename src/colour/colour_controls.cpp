#include "colour/colour_controls.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tintora {
namespace {

struct SliderRow {
    console::Control slider;
    console::Control valueLabel;
    const SettingsItem& item;
    int shift;  // of the component in a Colour
};

constexpr SliderRow colourRows[] = {
    {redSlider, redValueLabel, items::colourR, 0},
    {greenSlider, greenValueLabel, items::colourG, 8},
    {blueSlider, blueValueLabel, items::colourB, 16},
};

int componentOf(Colour colour, const SliderRow& row) { return static_cast<int>(colour >> row.shift & 0xFF); }

Colour withComponent(Colour colour, const SliderRow& row, int value)
{
    return (colour & ~(Colour{0xFF} << row.shift)) | static_cast<Colour>(value & 0xFF) << row.shift;
}

// Shows the components that differ from the colour shown before (every one at the first showing):
// a slider step changes one row, not three.
void showColour(Controls& c, Colour colour, std::optional<Colour> before)
{
    for (const auto& row : colourRows) {
        const int value = componentOf(colour, row);
        if (before && componentOf(*before, row) == value) continue;
        c.setSliderPosition(row.slider, value);
        c.setCaption(row.valueLabel, std::to_string(value));
        c.setSliderSelection(row.slider, value);
    }
}

void showAlpha(Controls& c, const Tint& tint)
{
    c.setSliderPosition(opacitySlider, tint.alpha);
    c.setSliderSelection(opacitySlider, tint.alpha);
    c.setCaption(opacityValueLabel, std::to_string(tint.alpha));
    c.setCaption(strengthValueLabel, std::to_string(tint.alpha));
}

int clampToSlider(int value) { return std::clamp(value, 0, 255); }

}  // namespace

void onAlphaSliderChanged(Controls& controls, Overlay& overlay)
{
    setOpacityWithSliders(controls, overlay, controls.sliderPosition(opacitySlider));
}

void onColourSliderChanged(Controls& controls, Overlay& overlay, ControlRef slider)
{
    const auto row =
        std::ranges::find_if(colourRows, [&](const SliderRow& r) { return ControlRef(r.slider) == slider; });
    if (row == std::end(colourRows)) return;
    setColourWithSliders(
        controls, overlay,
        withComponent(overlay.tint().colour, *row, clampToSlider(controls.sliderPosition(row->slider))));
}

void setOpacityWithSliders(Controls& controls, Overlay& overlay, int alpha)
{
    overlay.setTintOpacity(alpha);
    showAlpha(controls, overlay.tint());
}

void setColourWithSliders(Controls& controls, Overlay& overlay, Colour colour)
{
    const Colour before = overlay.tint().colour;
    overlay.setTintColour(colour);
    showColour(controls, colour, before);
}

Outcome saveColourSettings(Settings& settings, const Tint& tint)
{
    Outcome saved = settings.write(items::colourA, tint.alpha);
    for (const auto& row : colourRows)
        if (saved) saved = settings.write(row.item, componentOf(tint.colour, row));
    return saved;
}

void loadColourSettings(Controls& controls, const Settings& settings, Tint& tint)
{
    // Hand-edited values outside the slider range are clamped on the way in.
    const auto value = [&](const SettingsItem& item) { return clampToSlider(settings.readInt(item)); };
    tint.alpha = value(items::colourA);
    tint.colour = 0;
    for (const auto& row : colourRows) tint.colour = withComponent(tint.colour, row, value(row.item));
    showAlpha(controls, tint);
    showColour(controls, tint.colour, std::nullopt);
}

}  // namespace tintora
