#include "ui/topmost_keeper.h"

namespace tintora {
namespace {

constexpr int keeperInterval = 50;

}  // namespace

void startTopmostKeeper(App& app, WindowHandle window)
{
    auto& desktop = app.platform.desktop;
    for (unsigned id : app.state.keeperTimerIds) desktop.killCallbackTimer(id);
    app.state.keptTopmostWindow = window;
    app.state.keeperTimerIds.push_back(desktop.startCallbackTimer(keeperInterval, [&app] { keepWindowOnTop(app); }));
}

void keepWindowOnTop(App& app)
{
    auto& desktop = app.platform.desktop;
    const WindowHandle foreground = desktop.foregroundWindow();
    const WindowHandle kept = app.state.keptTopmostWindow;
    if (foreground == kept) return;
    // Only a topmost window can cover the console. Restacking an ordinary one would lift it
    // over other windows on some window systems.
    if (desktop.extendedStyle(foreground) & exstyle::topmost) desktop.setTopmost(foreground, false);
    desktop.setTopmost(kept, true);
}

}  // namespace tintora
