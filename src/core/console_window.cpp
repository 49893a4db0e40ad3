#include "core/console_window.h"

#include <algorithm>

namespace tintora {

// A window moved off the screen keeps the keyboard on Windows: keys meant for the game would move
// the sliders or press the console's button. Where the move itself takes the keyboard from the
// console (Wine), it has gone already once the window system's pending events are in.
void giveKeyboardBack(App& app)
{
    auto& p = app.platform;
    p.desktop.takeWindowSystemEvents();
    if (p.desktop.foregroundWindow() != p.windows.handle(WindowId::console)) return;
    for (WindowHandle w : {app.state.lastOtherForeground, app.state.tint.topLevel})
        if (w != 0 && p.desktop.isShown(w) && p.desktop.activate(w)) return;
}

void setConsoleLeft(App& app, int left)
{
    Geometry g = app.platform.windows.geometry(WindowId::console);
    g.left = left;
    app.platform.windows.move(WindowId::console, g);
}

void moveConsoleOffScreen(App& app)
{
    const Geometry console = app.platform.windows.geometry(WindowId::console);
    const std::vector<ScreenRect> monitors = app.platform.desktop.monitors();
    const ScreenRect hidden{offScreenLeft, console.top, offScreenLeft + console.width, console.top + console.height};
    const bool seen =
        std::ranges::any_of(monitors, [&](const ScreenRect& m) { return area(intersection(m, hidden)) > 0; });
    setConsoleLeft(app, seen ? std::ranges::min(monitors, {}, &ScreenRect::left).left - console.width : offScreenLeft);
}

}  // namespace tintora
