#include "overlay/chart_follower.h"

#include <algorithm>
#include <string>
#include <vector>

#include "overlay/overlay.h"
#include "platform/ini_text.h"

namespace tintora {
namespace {

enum class ChartChoice { none, picture, transparencyOnly, plainTint };

// The chart mode of Choice/Record; other values select none.
ChartChoice chartChoiceOf(int record)
{
    switch (record) {
        case 1: return ChartChoice::picture;
        case 2: return ChartChoice::transparencyOnly;
        case 3: return ChartChoice::plainTint;
        default: return ChartChoice::none;
    }
}

std::string itemOf(std::string_view text, const SettingsItem& item) { return iniItem(text, item.section, item.key); }

// Chart.ini as UTF-8, read from its bytes: the companion tool may write GBK, UTF-8 with or without
// a mark, or UTF-16, which the profile API misreads (in the system's code page, and on Windows a
// UTF-8 mark hides the first section). Bytes valid both as UTF-8 and as GBK are read the way whose
// picture exists in the chart folder.
std::string chartText(const FileSystem& files, const Folders& folders, const std::string& chartFolder)
{
    const Bytes bytes = files.readFile(folders.path(paths::chartIni, Base::program));
    const std::vector<std::string> readings =
        textReadings(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                     [&files](std::string_view gbk) { return files.gbkAsUtf8(gbk); });
    const auto pictureExists = [&](const std::string& text) {
        const std::string name = itemOf(text, items::chartPicture);
        return isPlainFileName(name) && files.exists(chartFolder + name);
    };
    const auto found = std::ranges::find_if(readings, pictureExists);
    return found == readings.end() ? readings.front() : *found;
}

}  // namespace

bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string_view::npos;
}

void onChartTimer(Platform& p, const Folders& folders, Overlay& overlay)
{
    const std::string chartFolder = folders.path(paths::chartFolder, Base::program);
    p.desktop.processPendingEvents();

    const bool somePictureExists = !p.files.listFiles(chartFolder + "*.png").empty();
    const std::string text = chartText(p.files, folders, chartFolder);
    const ChartChoice chartChoice = chartChoiceOf(textToInt(itemOf(text, items::chartChoice)));
    const std::string chartPictureName = itemOf(text, items::chartPicture);

    if (!chartPictureName.empty() && chartChoice == ChartChoice::picture && somePictureExists) {
        // The picture lies beneath the tint; a missing, unreadable or foreign file leaves the canvas
        // without a picture.
        Bytes picture;
        if (isPlainFileName(chartPictureName)) picture = p.files.readFile(chartFolder + chartPictureName);
        overlay.setChartPicture(picture);
    }
    if (chartChoice == ChartChoice::plainTint) overlay.paintTint(overlay.tint().colour);
    if (chartChoice == ChartChoice::transparencyOnly) p.timers.setInterval(chartFollowUpClock, 40);

    overlay.applyOverlayTransparency();
    p.timers.setInterval(chartClock, 0);
}

void onChartFollowUpTimer(Platform& p, Overlay& overlay)
{
    p.desktop.processPendingEvents();
    overlay.applyOverlayTransparency();
    p.timers.setInterval(chartFollowUpClock, 0);
}

}  // namespace tintora
