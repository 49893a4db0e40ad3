#include "ui/topmost_keeper.h"

namespace tintora {
namespace {

constexpr int keeperInterval = 50;
// Ticks on which the kept windows are lifted after a change of foreground window: the one that
// sees the change and the next, as Wine may raise the new foreground's X window a little later.
constexpr int restacksAfterForegroundChange = 2;

bool isTopmost(const Desktop& desktop, WindowHandle w) { return desktop.extendedStyle(w) & exstyle::topmost; }

}  // namespace

void startTopmostKeeper(App& app, WindowHandle console, WindowHandle overlay)
{
    auto& desktop = app.platform.desktop;
    for (unsigned id : app.state.keeperTimerIds) desktop.killCallbackTimer(id);
    app.state.keptTopmostWindow = console;
    app.state.keptOverlayWindow = overlay;
    app.state.keeperTimerIds.push_back(
        desktop.startCallbackTimer(keeperInterval, [&app] { keepWindowsOnTop(app.platform.desktop, app.state); }));
}

void keepWindowsOnTop(Desktop& desktop, AppState& state)
{
    const WindowHandle foreground = desktop.foregroundWindow();
    const WindowHandle kept[] = {state.keptOverlayWindow, state.keptTopmostWindow};
    if (foreground != state.lastForegroundWindow || state.keeperLiftRequested) {
        state.keeperLiftRequested = false;
        state.keeperRestacksLeft = restacksAfterForegroundChange;
        if (foreground != 0 && foreground != kept[0] && foreground != kept[1]) state.lastOtherForeground = foreground;
    }
    state.lastForegroundWindow = foreground;
    const bool restack = state.keeperRestacksLeft > 0;
    if (restack) --state.keeperRestacksLeft;

    // Other programs' windows are never touched, their topmost flags included (always on top,
    // picture in picture, on-screen keyboards): ours are put above them again instead.
    const auto keep = [&](WindowHandle w) {
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
    for (const RememberedTint& t : state.rememberedTints) keep(t.window);
    for (WindowHandle w : kept) keep(w);
}

}  // namespace tintora
