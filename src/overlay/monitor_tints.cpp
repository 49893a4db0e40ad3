#include "overlay/monitor_tints.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/notice.h"
#include "design/texts.h"
#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/tint_schedule.h"
#include "overlay/topmost_keeper.h"
#include "overlay/window_identity.h"
#include "platform/names.h"

namespace tintora {
namespace {

std::string rememberedFile(const App& app) { return app.path(paths::rememberedIni); }
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

RememberedTint* tintOf(MonitorTintsState& state, int slot)
{
    const auto found = std::ranges::find(state.monitorTints, slot, &RememberedTint::slot);
    return found != state.monitorTints.end() ? &*found : nullptr;
}

const RememberedTint* tintOver(const MonitorTintsState& state, const ScreenRect& monitor)
{
    const auto found =
        std::ranges::find_if(state.monitorTints, [&](const RememberedTint& t) { return t.tint.covered == monitor; });
    return found != state.monitorTints.end() ? &*found : nullptr;
}

void closeTintOf(App& app, int slot)
{
    std::erase_if(app.state.monitorTints.monitorTints, [&](const RememberedTint& t) {
        if (t.slot != slot) return false;
        app.platform.tints.close(t.window);
        return true;
    });
}

// A tint window in the entry's colour at the schedule's share, hidden; nothing when none was made.
std::optional<RememberedTint> openTint(App& app, int slot)
{
    const auto& entries = app.state.monitorTints.rememberedMonitors;
    const auto entry = std::ranges::find(entries, slot, &RememberedMonitor::slot);
    Tint tint;
    tint.colour = entry->colour;
    tint.alpha = entry->alpha;
    tint.shown = scheduledShare(app);
    const WindowHandle window = app.platform.tints.open(tint.colour, tint.shownAlpha());
    if (window == 0) return std::nullopt;
    return RememberedTint{tint, window, slot};
}

// Remember applies in full screen, forget where the monitor covered has a tint of its own. The
// console's menus come with the lock.
void offerMonitorCommands(App& app, const std::optional<ScreenRect>& covered)
{
    if (!locked(app)) return;
    Menus& menus = app.platform.menus;
    menus.setEnabled(console::记住此显示器的颜色, covered.has_value());
    menus.setEnabled(console::忘记此显示器的颜色, covered && tintOver(app.state.monitorTints, *covered));
}

int freeSlot(const std::vector<RememberedMonitor>& entries)
{
    for (int slot = 1; slot <= maxRememberedMonitors; ++slot)
        if (std::ranges::find(entries, slot, &RememberedMonitor::slot) == entries.end()) return slot;
    return 0;
}

}  // namespace

void loadRememberedMonitors(App& app)
{
    const std::string file = rememberedFile(app);
    auto& entries = app.state.monitorTints.rememberedMonitors;
    entries.clear();
    for (int slot = 1; slot <= maxRememberedMonitors; ++slot)
        if (auto entry = readRememberedMonitor(app.platform.profile, file, slot)) entries.push_back(std::move(*entry));
    placeMonitorTints(app);
}

void rememberOverlayMonitor(App& app)
{
    const auto covered = fullScreenMonitor(app);
    if (!covered) return;
    const auto monitors = app.platform.desktop.monitorDevices();
    const auto monitor = std::ranges::find(monitors, *covered, &MonitorDevice::rect);
    if (monitor == monitors.end()) return;
    MonitorTintsState& state = app.state.monitorTints;
    const Tint& overlay = overlayTint(app);
    RememberedMonitor entry{0, monitor->device, {covered->left, covered->top}, overlay.colour, overlay.alpha};
    if (const RememberedTint* replaced = tintOver(state, *covered)) {
        entry.slot = replaced->slot;
        // Opened again below in the new colour.
        closeTintOf(app, entry.slot);
        std::erase_if(state.rememberedMonitors, [&](const RememberedMonitor& e) { return e.slot == entry.slot; });
    } else if ((entry.slot = freeSlot(state.rememberedMonitors)) == 0) {
        showNotice(app, texts::monitorsFull);
        return;
    }
    state.rememberedMonitors.push_back(entry);
    reportFailure(app, texts::settingsNotSaved,
                  writeRememberedMonitor(app.platform.profile, rememberedFile(app), entry));
    placeMonitorTints(app);
}

void forgetOverlayMonitor(App& app)
{
    MonitorTintsState& state = app.state.monitorTints;
    const auto covered = fullScreenMonitor(app);
    const RememberedTint* forgotten = covered ? tintOver(state, *covered) : nullptr;
    if (!forgotten) return;
    const int slot = forgotten->slot;
    std::erase_if(state.rememberedMonitors, [&](const RememberedMonitor& e) { return e.slot == slot; });
    placeMonitorTints(app);
    const std::string file = rememberedFile(app);
    reportFailure(app, texts::settingsNotSaved,
                  namingFile(file, app.platform.profile.removeSection(file, sectionOf(slot))));
}

void placeMonitorTints(App& app)
{
    auto& p = app.platform;
    MonitorTintsState& state = app.state.monitorTints;
    const auto tinted = tintedMonitors(state.rememberedMonitors, p.desktop.monitorDevices());
    // The tints of monitors no longer connected, or of entries forgotten, go.
    std::erase_if(state.monitorTints, [&](const RememberedTint& t) {
        if (std::ranges::find(tinted, t.slot, &std::pair<int, ScreenRect>::first) != tinted.end()) return false;
        p.tints.close(t.window);
        return true;
    });
    const auto covered = fullScreenMonitor(app);
    bool shown = false;
    for (const auto& [slot, monitor] : tinted) {
        RememberedTint* t = tintOf(state, slot);
        if (!t) {
            auto opened = openTint(app, slot);
            if (!opened) continue;
            t = &state.monitorTints.emplace_back(std::move(*opened));
        }
        t->tint.covered = monitor;
        if (tintsHidden(app) || monitor == covered) {
            p.tints.hide(t->window);
        } else {
            p.tints.place(t->window, monitor);
            shown = true;
        }
    }
    offerMonitorCommands(app, covered);
    // A tint opened or shown again may lie below a window raised meanwhile.
    if (shown) liftKeptWindows(app);
}

const std::vector<RememberedTint>& monitorTints(const App& app) { return app.state.monitorTints.monitorTints; }

void showMonitorShare(App& app, ScheduleShare share)
{
    showShareOn(app.platform.desktop, app.state.monitorTints.monitorTints, share);
}

void closeMonitorTints(App& app)
{
    for (const RememberedTint& t : app.state.monitorTints.monitorTints) app.platform.tints.close(t.window);
    app.state.monitorTints.monitorTints.clear();
}

}  // namespace tintora
