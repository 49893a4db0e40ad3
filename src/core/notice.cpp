#include "core/notice.h"

#include "design/design.h"

namespace tintora {

void showNotice(App& app, std::string_view text)
{
    auto& p = app.platform;
    if (app.state.console.consoleInTray) {
        const Size screen = p.desktop.screenSize();
        const int dpi = p.windows.dpi(WindowId::console);
        p.tray.showBalloon(text, {screen.width - scaled(110, dpi), screen.height - scaled(128, dpi)});
        return;
    }
    const Geometry console = p.windows.geometry(WindowId::console);
    p.tray.showBalloon(text, {console.left + console.width / 2, console.top + console.height});
}

}  // namespace tintora
