#include "overlay/topmost_keeper.h"

#include <algorithm>
#include <string_view>

#include "core/notice.h"
#include "design/texts.h"
#include "platform/names.h"

namespace tintora {
namespace {

constexpr int keeperInterval = 50;
// Checks on which the kept windows are lifted after a change of foreground window or a window
// shown again: those of the next second, as Wine raises the new foreground's or the restored
// window's X window later, by as much as the system is busy, and ours would stay below it.
constexpr int restacksAfterForegroundChange = 1000 / keeperInterval;

// Top-level classes of the shell's own surfaces. Start, search and the notification centre are
// top-level core windows; a store app's core window lies inside its frame and is never in front.
constexpr std::string_view shellClasses[] = {
    "Shell_TrayWnd",   "Shell_SecondaryTrayWnd",       "Windows.UI.Core.CoreWindow", "MultitaskingViewFrame",
    "TaskSwitcherWnd", "XamlExplorerHostIslandWindow", "ForegroundStaging",          "Progman",
    "WorkerW",
};

bool isTopmost(const Desktop& desktop, WindowHandle w) { return desktop.extendedStyle(w) & exstyle::topmost; }

// Before the lock the start-up window is the opening screen, an ordinary window.
KeptWindows keptWindows(const App& app)
{
    const Windows& windows = app.platform.windows;
    KeptWindows kept{{}, app.locked() ? windows.handle(WindowId::startup) : 0, windows.handle(WindowId::console)};
    for (const RememberedTint& t : app.state.remembered.rememberedTints) kept.tints.push_back(t.window);
    return kept;
}

void keepAppWindowsOnTop(App& app)
{
    keepWindowsOnTop(app.platform.desktop, app.platform.tree, app.state.keeper, keptWindows(app));
}

}  // namespace

bool takesKeyboardBack(const Desktop& desktop, const WindowTree& tree, WindowHandle w)
{
    if (desktop.extendedStyle(w) & (exstyle::toolWindow | exstyle::noActivate)) return false;
    const std::string className = tree.className(w);
    return std::ranges::none_of(shellClasses, [&](std::string_view shell) { return sameName(shell, className); });
}

void watchForegroundChanges(App& app)
{
    app.platform.desktop.watchForeground([&app](WindowHandle) {
        KeeperState& keeper = app.state.keeper;
        keeper.otherProgramsReported = true;
        keepAppWindowsOnTop(app);
        keeper.clock.stop();
    });
}

void startTopmostKeeper(App& app)
{
    KeeperState& keeper = app.state.keeper;
    if (keeper.otherProgramsReported) return;
    reportBackgroundFailure(
        app, texts::clockNotStarted,
        keeper.clock.start(app.platform.desktop, keeperInterval, [&app] { keepAppWindowsOnTop(app); }));
}

bool systemReportsOtherPrograms(const KeeperState& keeper) { return keeper.otherProgramsReported; }

void keepWindowsOnTop(Desktop& desktop, const WindowTree& tree, KeeperState& keeper, const KeptWindows& kept)
{
    const WindowHandle foreground = desktop.foregroundWindow();
    if (foreground != keeper.lastForegroundWindow) {
        keeper.keeperRestacksLeft = std::max(keeper.keeperRestacksLeft, restacksAfterForegroundChange);
        const bool ours = foreground == kept.overlay || foreground == kept.console ||
                          std::ranges::find(kept.tints, foreground) != kept.tints.end();
        if (foreground != 0 && !ours && takesKeyboardBack(desktop, tree, foreground))
            keeper.lastOtherForeground = foreground;
    }
    keeper.lastForegroundWindow = foreground;
    const bool restack = keeper.keeperRestacksLeft > 0;
    if (restack) --keeper.keeperRestacksLeft;

    // Other programs' windows are never touched, their topmost flags included (always on top,
    // picture in picture, on-screen keyboards): ours are put above them again instead.
    const auto keep = [&](WindowHandle w) {
        if (w == 0) return;
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
    for (WindowHandle w : kept.tints) keep(w);
    keep(kept.overlay);
    keep(kept.console);
}

// Now, and on the checks after it as after a change of foreground window.
void liftKeptWindows(App& app)
{
    app.state.keeper.keeperRestacksLeft = 1 + restacksAfterForegroundChange;
    keepAppWindowsOnTop(app);
}

}  // namespace tintora
