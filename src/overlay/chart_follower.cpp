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
    const std::string chartFolder = app.path(paths::chartFolder, Base::program);
    p.desktop.processPendingEvents();

    const bool somePictureExists = !p.files.listFiles(chartFolder + "*.png").empty();
    const int chartChoice = app.settings.readInt(items::chartChoice);
    // The companion tool may write its file in GBK or UTF-8, which the profile API misreads.
    const std::string chartPictureName = app.settings.readForeignText(items::chartPicture);

    if (!chartPictureName.empty() && chartChoice == chartPictureMode && somePictureExists) {
        // Setting the picture restores the background and drops what was drawn before; a missing,
        // unreadable or foreign file leaves the canvas without a picture.
        Bytes picture;
        if (isPlainFileName(chartPictureName))
            picture = p.files.readFile(chartFolder + chartPictureName);
        p.canvas.setPicture(picture);
    }
    if (chartChoice == plainTintMode)
        paintTint(p.canvas, app.state.overlay.tint.colour);
    if (chartChoice == transparencyOnlyMode) p.timers.setInterval(chartFollowUpClock, 40);

    applyOverlayTransparency(p, app.state.overlay.tint);
    p.timers.setInterval(chartClock, 0);
}

void onChartFollowUpTimer(Platform& p, const Tint& tint)
{
    p.desktop.processPendingEvents();
    applyOverlayTransparency(p, tint);
    p.timers.setInterval(chartFollowUpClock, 0);
}

}  // namespace tintora
