#include "core/console_window.h"

#include <algorithm>

namespace tintora {

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
    if (!seen) {
        setConsoleLeft(app, offScreenLeft);
        return;
    }
    setConsoleLeft(app, std::ranges::min(monitors, {}, &ScreenRect::left).left - console.width);
}

}  // namespace tintora
