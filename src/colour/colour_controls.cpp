#include "colour/colour_controls.h"

#include <algorithm>
#include <string>

#include "overlay/overlay.h"

namespace tintora {
namespace {

struct SliderRow {
    console::Control slider;
    console::Control valueLabel;
    const SettingsItem& item;
};

constexpr SliderRow colourRows[] = {
    {redSlider, redValueLabel, items::colourR},
    {greenSlider, greenValueLabel, items::colourG},
    {blueSlider, blueValueLabel, items::colourB},
};

void showColourValue(App& app, const SliderRow& row)
{
    auto& c = app.platform.controls;
    const int position = c.sliderPosition(row.slider);
    c.setCaption(row.valueLabel, std::to_string(position));
    c.setSliderSelection(row.slider, position);
}

void showAlphaValue(App& app)
{
    auto& c = app.platform.controls;
    const int alpha = c.sliderPosition(opacitySlider);
    c.setSliderSelection(opacitySlider, alpha);
    c.setCaption(opacityValueLabel, std::to_string(alpha));
    c.setCaption(strengthValueLabel, std::to_string(alpha));
}

// Hand-edited values outside the slider range are clamped on the way in.
int sliderValue(App& app, const SettingsItem& item) { return std::clamp(app.settings.readInt(item), 0, 255); }

}  // namespace

void onAlphaSliderChanged(App& app)
{
    setOverlayOpacity(app, app.platform.controls.sliderPosition(opacitySlider));
    showAlphaValue(app);
}

void onColourSliderChanged(App& app, ControlRef slider)
{
    const auto row = std::find_if(std::begin(colourRows), std::end(colourRows),
                                  [&](const SliderRow& r) { return ControlRef(r.slider) == slider; });
    if (row == std::end(colourRows)) return;
    showColourValue(app, *row);
    auto& c = app.platform.controls;
    paintTint(app, rgb(c.sliderPosition(redSlider), c.sliderPosition(greenSlider), c.sliderPosition(blueSlider)));
}

void stepOpacity(App& app, int delta)
{
    if (!app.locked()) return;
    auto& c = app.platform.controls;
    c.setSliderPosition(opacitySlider, std::clamp(c.sliderPosition(opacitySlider) + delta, 0, 255));
    onAlphaSliderChanged(app);
}

void saveColourSettings(App& app)
{
    auto& c = app.platform.controls;
    app.settings.write(items::colourA, c.sliderPosition(opacitySlider));
    for (const auto& row : colourRows) app.settings.write(row.item, c.sliderPosition(row.slider));
}

void loadColourSettings(App& app)
{
    auto& c = app.platform.controls;
    c.setSliderPosition(opacitySlider, sliderValue(app, items::colourA));
    for (const auto& row : colourRows) c.setSliderPosition(row.slider, sliderValue(app, row.item));
    for (const auto& row : colourRows) showColourValue(app, row);
    showAlphaValue(app);
}

}  // namespace tintora
