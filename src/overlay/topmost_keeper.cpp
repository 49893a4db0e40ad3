#include "overlay/topmost_keeper.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/names.h"

namespace tintora {
namespace {

constexpr int keeperInterval = 50;
// Checks on which the kept windows are lifted after a change of foreground window or a window
// shown again. Where the system reports (Windows), two more at a short pace: the new foreground
// window may raise itself after the report of it, as reports come late and in no fixed order. Where
// it does not (Wine), those of the next second: Wine raises the new foreground's or the restored
// window's X window later, by as much as the system is busy, and ours would stay below it.
constexpr int restacksWhereReported = 2;
constexpr int restacksOnChecksOnly = everySecond / keeperInterval;
// The pace of those checks after a report or a lift, where the system reports.
constexpr int followUpInterval = 100;
// How often the order of the windows is looked at: about once a second, on the check at the second
// even when its clock comes a little early.
constexpr std::uint32_t orderCheckInterval = everySecond - keeperInterval;

int restacksAfterForegroundChange(const KeeperState& keeper)
{
    return keeper.otherProgramsReported ? restacksWhereReported : restacksOnChecksOnly;
}

// Top-level classes of the shell's own surfaces. Start, search and the notification centre are
// top-level core windows; a store app's core window lies inside its frame and is never in front.
constexpr std::string_view shellClasses[] = {
    "Shell_TrayWnd",   "Shell_SecondaryTrayWnd",       "Windows.UI.Core.CoreWindow", "MultitaskingViewFrame",
    "TaskSwitcherWnd", "XamlExplorerHostIslandWindow", "ForegroundStaging",          "Progman",
    "WorkerW",
};

bool isTopmost(const Desktop& desktop, WindowHandle w) { return desktop.extendedStyle(w) & exstyle::topmost; }

constexpr int tintRank = static_cast<int>(KeptRank::tints);
constexpr int overlayRank = static_cast<int>(KeptRank::overlay);
constexpr int consoleRank = static_cast<int>(KeptRank::console);

// The windows the parts hand over now; the first of each of the overlay's and the console's ranks.
KeptWindows keptWindowsOf(const std::array<std::vector<KeptWindowsOf>, 3>& parts)
{
    KeptWindows kept;
    for (const auto& part : parts[tintRank]) part(kept.tints);
    const auto one = [&](int rank) {
        std::vector<WindowHandle> windows;
        for (const auto& part : parts[rank]) part(windows);
        return windows.empty() ? WindowHandle{0} : windows.front();
    };
    kept.overlay = one(overlayRank);
    kept.console = one(consoleRank);
    return kept;
}

// Every 50 ms where the system has not shown that it reports changes of foreground window (Wine):
// the check is the only way to see them. Where it reports them, a few checks after each report or
// lift, and then once a second, for what comes unreported (a window kept on top by another program
// put above ours, a taskbar made anew).
int keeperCheckInterval(const KeeperState& keeper)
{
    if (keeper.keeperRestacksLeft > 0) return keeper.otherProgramsReported ? followUpInterval : keeperInterval;
    return keeper.started && !keeper.otherProgramsReported ? keeperInterval : everySecond;
}

// The lowest rank of a kept window that a shown window overlapping it lies above and must not:
// another program's, or one of ours that belongs below it (a tint above the overlay, the overlay above
// the console, as a window shown or opened later may put itself); none when all lie as they should.
std::optional<int> lowestCoveredRank(const Desktop& desktop, const KeptWindows& kept)
{
    std::vector<std::pair<WindowHandle, int>> ours;
    for (WindowHandle t : kept.tints) ours.emplace_back(t, tintRank);
    ours.emplace_back(kept.overlay, overlayRank);
    ours.emplace_back(kept.console, consoleRank);
    const auto rankOf = [&](WindowHandle w) -> std::optional<int> {
        const auto found = std::ranges::find(ours, w, &std::pair<WindowHandle, int>::first);
        return found == ours.end() ? std::nullopt : std::optional(found->second);
    };
    const auto overlaps = [](const ScreenRect& a, const ScreenRect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (const auto& [w, rank] : ours) {
        if (w == 0 || !desktop.isShown(w)) continue;
        const auto rect = desktop.windowRect(w);
        if (!rect) continue;
        for (WindowHandle above : desktop.windowsAbove(w)) {
            const auto aboveRank = rankOf(above);
            if ((aboveRank && *aboveRank >= rank) || !desktop.isShown(above) || desktop.isCloaked(above)) continue;
            const auto other = desktop.windowRect(above);
            if (other && overlaps(*rect, *other)) return rank;
        }
    }
    return std::nullopt;
}

}  // namespace

bool takesKeyboardBack(const Desktop& desktop, const WindowTree& tree, WindowHandle w)
{
    if (desktop.extendedStyle(w) & (exstyle::toolWindow | exstyle::noActivate)) return false;
    const std::string className = tree.className(w);
    return std::ranges::none_of(shellClasses, [&](std::string_view shell) { return sameName(shell, className); });
}

void TopmostKeeper::keep(KeptRank rank, KeptWindowsOf windows)
{
    parts_[static_cast<int>(rank)].push_back(std::move(windows));
}

void TopmostKeeper::watchForegroundChanges()
{
    p_.desktop.watchForeground([this](WindowHandle) { foregroundChangeReported(); });
}

void TopmostKeeper::foregroundChangeReported()
{
    state_.otherProgramsReported = true;
    lift();
}

void TopmostKeeper::start()
{
    state_.started = true;
    keepClock();
}

void keepWindowsOnTop(Desktop& desktop, const WindowTree& tree, KeeperState& keeper, const KeptWindows& kept)
{
    const WindowHandle foreground = desktop.foregroundWindow();
    if (foreground != keeper.lastForegroundWindow) {
        keeper.keeperRestacksLeft = std::max(keeper.keeperRestacksLeft, restacksAfterForegroundChange(keeper));
        const bool ours = foreground == kept.overlay || foreground == kept.console ||
                          std::ranges::find(kept.tints, foreground) != kept.tints.end();
        if (foreground != 0 && !ours && takesKeyboardBack(desktop, tree, foreground))
            keeper.lastOtherForeground = foreground;
    }
    keeper.lastForegroundWindow = foreground;
    // Once a second, whatever is reported: a window put above ours without coming to the front.
    const std::uint32_t now = desktop.tickCount();
    const bool lookAtOrder = now - keeper.lastOrderCheck >= orderCheckInterval;
    if (lookAtOrder) keeper.lastOrderCheck = now;
    // When only the order is wrong, the covered window and those above it are lifted, no more:
    // under Wine a lifted window comes back above the ones lifted right after it once its events
    // are taken, so a lift of them all left the overlay above the console, found so on every check.
    std::optional<int> restackFrom;
    if (keeper.keeperRestacksLeft > 0)
        restackFrom = tintRank;
    else if (lookAtOrder)
        restackFrom = lowestCoveredRank(desktop, kept);
    if (keeper.keeperRestacksLeft > 0) --keeper.keeperRestacksLeft;

    // Other programs' windows are never touched, their topmost flags included (always on top,
    // picture in picture, on-screen keyboards): ours are put above them again instead.
    const auto keep = [&](WindowHandle w, int rank) {
        if (w == 0) return;
        const bool restack = restackFrom && rank >= *restackFrom;
        // Wine without a window manager raises a clicked window's X window above ours while the
        // z-order stays the same, so ours are lifted again after a change of foreground window;
        // dropping the topmost flag first is what makes the system restack them.
        if (restack) {
            desktop.setTopmost(w, false);
            desktop.setTopmost(w, true);
        } else if (!isTopmost(desktop, w)) {
            desktop.setTopmost(w, true);
        }
    };
    // The remembered tints first, so that the overlay and then the console end above them.
    for (WindowHandle w : kept.tints) keep(w, tintRank);
    keep(kept.overlay, overlayRank);
    keep(kept.console, consoleRank);
}

// Now, and on the checks after it as after a change of foreground window.
void TopmostKeeper::lift()
{
    state_.keeperRestacksLeft = 1 + restacksAfterForegroundChange(state_);
    check();
    keepClock();
}

void TopmostKeeper::check() { keepWindowsOnTop(p_.desktop, p_.tree, state_, keptWindowsOf(parts_)); }

// The keeper checks while it is started (the console, or the opening screen in the tray) or a
// remembered window's or monitor's tint is kept on top.
void TopmostKeeper::keepClock()
{
    state_.clock.runWhile(
        p_.desktop, [this] { return keeperCheckInterval(state_); },
        [this] { return state_.started || !keptWindowsOf(parts_).tints.empty(); }, [this] { check(); },
        notices_.clockFailureTeller());
}

}  // namespace tintora
