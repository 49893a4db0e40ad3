#include "overlay/chart_follower.h"

#include "overlay/overlay.h"

namespace tintora {
namespace {

constexpr int chartPictureMode = 1;
constexpr int transparencyOnlyMode = 2;
constexpr int plainTintMode = 3;

}  // namespace

bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string_view::npos;
}

void onChartTimer(App& app)
{
    auto& p = app.platform;
    auto& state = app.state;
    state.chartFolder = app.path(paths::chartFolder, Base::program);
    p.desktop.processPendingEvents();

    const bool somePictureExists = !p.files.listFiles(state.chartFolder + "*.png").empty();
    state.chartChoice = app.settings.readInt(items::chartChoice);
    // The companion tool may write its file in GBK or UTF-8, which the profile API misreads.
    state.chartPictureName = app.settings.readForeignText(items::chartPicture);

    if (!state.chartPictureName.empty() && state.chartChoice == chartPictureMode && somePictureExists) {
        // Setting the picture restores the background and drops what was drawn before; a missing,
        // unreadable or foreign file leaves the canvas without a picture.
        Bytes picture;
        if (isPlainFileName(state.chartPictureName))
            picture = p.files.readFile(state.chartFolder + state.chartPictureName);
        p.canvas.setPicture(picture);
    }
    if (state.chartChoice == plainTintMode)
        paintTint(app, rgb(state.startColourR, state.startColourG, state.startColourB));
    if (state.chartChoice == transparencyOnlyMode) p.timers.setInterval(chartFollowUpClock, 40);

    applyOverlayTransparency(app);
    p.timers.setInterval(chartClock, 0);
}

void onChartFollowUpTimer(App& app)
{
    app.platform.desktop.processPendingEvents();
    applyOverlayTransparency(app);
    app.platform.timers.setInterval(chartFollowUpClock, 0);
}

}  // namespace tintora
