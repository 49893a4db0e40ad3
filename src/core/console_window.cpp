#include "core/console_window.h"

#include <algorithm>

namespace tintora {

// A window moved off the screen keeps the keyboard on Windows: keys meant for the game would move
// the sliders or press the console's button. Where the move itself takes the keyboard from the
// console (Wine), it has gone already once the window system's pending events are in.
void giveKeyboardBack(Platform& p, WindowHandle lastOtherForeground, WindowHandle targetTopLevel)
{
    p.desktop.takeWindowSystemEvents();
    if (p.desktop.foregroundWindow() != p.windows.handle(WindowId::console)) return;
    for (WindowHandle w : {lastOtherForeground, targetTopLevel})
        if (w != 0 && p.desktop.isShown(w) && p.desktop.activate(w)) return;
}

void setConsoleLeft(Windows& windows, int left)
{
    Geometry g = windows.geometry(WindowId::console);
    g.left = left;
    windows.move(WindowId::console, g);
}

void moveConsoleOffScreen(Platform& p)
{
    const Geometry console = p.windows.geometry(WindowId::console);
    const std::vector<ScreenRect> monitors = p.desktop.monitors();
    const ScreenRect hidden{offScreenLeft, console.top, offScreenLeft + console.width, console.top + console.height};
    const bool seen =
        std::ranges::any_of(monitors, [&](const ScreenRect& m) { return area(intersection(m, hidden)) > 0; });
    setConsoleLeft(p.windows,
                   seen ? std::ranges::min(monitors, {}, &ScreenRect::left).left - console.width : offScreenLeft);
}

}  // namespace tintora
