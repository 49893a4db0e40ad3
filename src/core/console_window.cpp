#include "core/console_window.h"

namespace tintora {

void setConsoleLeft(App& app, int left)
{
    Geometry g = app.platform.windows.geometry(WindowId::console);
    g.left = left;
    app.platform.windows.move(WindowId::console, g);
}

}  // namespace tintora
