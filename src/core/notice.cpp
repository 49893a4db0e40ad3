#include "core/notice.h"

namespace tintora {

void showNotice(App& app, std::string_view text)
{
    auto& p = app.platform;
    if (app.state.consoleInTray) {
        const Size screen = p.desktop.screenSize();
        p.tray.showBalloon(text, {screen.width - 110, screen.height - 128});
        return;
    }
    const Geometry console = p.windows.geometry(WindowId::console);
    p.tray.showBalloon(text, {console.left + console.width / 2, console.top + console.height});
}

}  // namespace tintora
