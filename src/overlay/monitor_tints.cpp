#include "overlay/monitor_tints.h"

#include <algorithm>
#include <string>
#include <utility>

#include "design/texts.h"
#include "overlay/tint_following.h"
#include "overlay/window_identity.h"
#include "platform/names.h"

namespace tintora {
namespace {

std::string sectionOf(int slot) { return "Monitor" + std::to_string(slot); }

// [MonitorN] Device=, Place=left,top, then A, R, G, B; nothing for a section that lacks any of them.
std::optional<RememberedMonitor> readRememberedMonitor(const Profile& profile, const std::string& file, int slot)
{
    const std::string section = sectionOf(slot);
    const std::string device = profile.read(file, section, "Device");
    const std::string place = profile.read(file, section, "Place");
    const std::size_t comma = place.find(',');
    const auto look = readRememberedLook(profile, file, section);
    if (device.empty() || comma == std::string::npos || !look) return std::nullopt;
    const Point corner{textToInt(place.substr(0, comma)), textToInt(place.substr(comma + 1))};
    return RememberedMonitor{slot, device, corner, look->colour, look->alpha};
}

Outcome writeRememberedMonitor(Profile& profile, const std::string& file, const RememberedMonitor& monitor)
{
    ProfileItems items{{"Device", monitor.device},
                       {"Place", std::to_string(monitor.place.x) + "," + std::to_string(monitor.place.y)}};
    appendLookItems(items, {monitor.colour, monitor.alpha});
    return namingFile(file, profile.writeSection(file, sectionOf(monitor.slot), items));
}

// The connected monitor each entry tints: the one of its device name, wherever the arrangement or a
// resolution has moved it; where several share the name, the nearest to the place it was remembered
// at. The nearest pairs are matched first, one entry a monitor.
std::vector<std::pair<int, ScreenRect>> tintedMonitors(const std::vector<RememberedMonitor>& entries,
                                                       const std::vector<MonitorDevice>& monitors)
{
    struct Candidate {
        long long distance;
        int slot;
        std::size_t monitor;
    };
    std::vector<Candidate> candidates;
    for (const RememberedMonitor& entry : entries)
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            if (!sameName(entry.device, monitors[i].device)) continue;
            const long long dx = static_cast<long long>(monitors[i].rect.left) - entry.place.x;
            const long long dy = static_cast<long long>(monitors[i].rect.top) - entry.place.y;
            candidates.push_back({dx * dx + dy * dy, entry.slot, i});
        }
    std::ranges::stable_sort(candidates, {}, &Candidate::distance);
    std::vector<std::pair<int, ScreenRect>> tinted;
    std::vector<bool> taken(monitors.size());
    for (const Candidate& c : candidates) {
        if (taken[c.monitor] || std::ranges::any_of(tinted, [&](const auto& t) { return t.first == c.slot; })) continue;
        taken[c.monitor] = true;
        tinted.emplace_back(c.slot, monitors[c.monitor].rect);
    }
    return tinted;
}

RememberedTint* tintOf(std::vector<RememberedTint>& tints, int slot)
{
    const auto found = std::ranges::find(tints, slot, &RememberedTint::slot);
    return found != tints.end() ? &*found : nullptr;
}

const RememberedTint* tintOver(const std::vector<RememberedTint>& tints, const ScreenRect& monitor)
{
    const auto found = std::ranges::find_if(tints, [&](const RememberedTint& t) { return t.tint.covered == monitor; });
    return found != tints.end() ? &*found : nullptr;
}

int freeSlot(const std::vector<RememberedMonitor>& entries)
{
    for (int slot = 1; slot <= maxRememberedMonitors; ++slot)
        if (std::ranges::find(entries, slot, &RememberedMonitor::slot) == entries.end()) return slot;
    return 0;
}

}  // namespace

MonitorTints::MonitorTints(Platform& p, const Folders& folders, Notices& notices, TopmostKeeper& keeper,
                           const Overlay& overlay)
    : p_(p), folders_(folders), notices_(notices), keeper_(keeper), overlay_(overlay)
{
    keeper.keep(KeptRank::tints, [this](std::vector<WindowHandle>& kept) {
        for (const RememberedTint& t : tints_) kept.push_back(t.window);
    });
}

std::string MonitorTints::rememberedFile() const { return folders_.path(paths::rememberedIni); }

void MonitorTints::closeTintOf(int slot)
{
    std::erase_if(tints_, [&](const RememberedTint& t) {
        if (t.slot != slot) return false;
        p_.tints.close(t.window);
        return true;
    });
}

// A tint window in the entry's colour at the schedule's share, hidden; nothing when none was made.
std::optional<RememberedTint> MonitorTints::openTint(int slot)
{
    const auto entry = std::ranges::find(entries_, slot, &RememberedMonitor::slot);
    Tint tint;
    tint.colour = entry->colour;
    tint.alpha = entry->alpha;
    tint.shown = share_;
    const WindowHandle window = p_.tints.open(tint.colour, tint.shownAlpha());
    if (window == 0) return std::nullopt;
    return RememberedTint{tint, window, slot};
}

// Remember applies in full screen, forget where the monitor covered has a tint of its own. The
// console's menus come with the lock.
void MonitorTints::offerMonitorCommands(const std::optional<ScreenRect>& covered)
{
    if (!overlay_.locked()) return;
    Menus& menus = p_.menus;
    menus.setEnabled(console::记住此显示器的颜色, covered.has_value());
    menus.setEnabled(console::忘记此显示器的颜色, covered && tintOver(tints_, *covered));
}

void MonitorTints::loadRememberedMonitors()
{
    const std::string file = rememberedFile();
    entries_.clear();
    for (int slot = 1; slot <= maxRememberedMonitors; ++slot)
        if (auto entry = readRememberedMonitor(p_.profile, file, slot)) entries_.push_back(std::move(*entry));
    placeMonitorTints();
}

void MonitorTints::rememberOverlayMonitor()
{
    const auto covered = overlay_.fullScreenMonitor();
    if (!covered) return;
    const auto monitors = p_.desktop.monitorDevices();
    const auto monitor = std::ranges::find(monitors, *covered, &MonitorDevice::rect);
    if (monitor == monitors.end()) return;
    const Tint& overlay = overlay_.tint();
    RememberedMonitor entry{0, monitor->device, {covered->left, covered->top}, overlay.colour, overlay.alpha};
    if (const RememberedTint* replaced = tintOver(tints_, *covered)) {
        entry.slot = replaced->slot;
        // Opened again below in the new colour.
        closeTintOf(entry.slot);
        std::erase_if(entries_, [&](const RememberedMonitor& e) { return e.slot == entry.slot; });
    } else if ((entry.slot = freeSlot(entries_)) == 0) {
        notices_.show(texts::monitorsFull);
        return;
    }
    entries_.push_back(entry);
    notices_.reportFailure(texts::settingsNotSaved, writeRememberedMonitor(p_.profile, rememberedFile(), entry));
    placeMonitorTints();
}

void MonitorTints::forgetOverlayMonitor()
{
    const auto covered = overlay_.fullScreenMonitor();
    const RememberedTint* forgotten = covered ? tintOver(tints_, *covered) : nullptr;
    if (!forgotten) return;
    const int slot = forgotten->slot;
    std::erase_if(entries_, [&](const RememberedMonitor& e) { return e.slot == slot; });
    placeMonitorTints();
    const std::string file = rememberedFile();
    notices_.reportFailure(texts::settingsNotSaved, namingFile(file, p_.profile.removeSection(file, sectionOf(slot))));
}

void MonitorTints::placeMonitorTints()
{
    const auto tinted = tintedMonitors(entries_, p_.desktop.monitorDevices());
    // The tints of monitors no longer connected, or of entries forgotten, go.
    std::erase_if(tints_, [&](const RememberedTint& t) {
        if (std::ranges::find(tinted, t.slot, &std::pair<int, ScreenRect>::first) != tinted.end()) return false;
        p_.tints.close(t.window);
        return true;
    });
    const auto covered = overlay_.fullScreenMonitor();
    bool shown = false;
    for (const auto& [slot, monitor] : tinted) {
        RememberedTint* t = tintOf(tints_, slot);
        if (!t) {
            auto opened = openTint(slot);
            if (!opened) continue;
            t = &tints_.emplace_back(std::move(*opened));
        }
        t->tint.covered = monitor;
        if (overlay_.tintsHidden() || monitor == covered) {
            p_.tints.hide(t->window);
        } else {
            p_.tints.place(t->window, monitor);
            shown = true;
        }
    }
    offerMonitorCommands(covered);
    // A tint opened or shown again may lie below a window raised meanwhile.
    if (shown) keeper_.lift();
}

void MonitorTints::showShare(ScheduleShare share)
{
    share_ = share;
    showShareOn(p_.desktop, tints_, share);
}

int MonitorTints::largestAlpha(int atLeast) const { return largestAlphaOf(tints_, atLeast); }

void MonitorTints::closeMonitorTints()
{
    for (const RememberedTint& t : tints_) p_.tints.close(t.window);
    tints_.clear();
}

}  // namespace tintora
