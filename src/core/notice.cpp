#include "core/notice.h"

#include <string>

#include "design/design.h"

namespace tintora {

void showNotice(App& app, std::string_view text)
{
    auto& p = app.platform;
    // By the tray while neither the console nor the opening screen is on the screen.
    const ConsoleState& shell = app.state.console;
    if (shell.consolePlace == ConsolePlace::inTray || (!app.locked() && shell.openingPlace != OpeningPlace::shown)) {
        const Size screen = p.desktop.screenSize();
        const int dpi = p.windows.dpi(WindowId::console);
        p.tray.showBalloon(text, {screen.width - scaled(110, dpi), screen.height - scaled(128, dpi)});
        return;
    }
    const Geometry console = p.windows.geometry(WindowId::console);
    p.tray.showBalloon(text, {console.left + console.width / 2, console.top + console.height});
}

void reportFailure(App& app, std::string_view what, const Outcome& failure)
{
    if (!failure) showNotice(app, std::string(what) + failure.reason());
}

void reportBackgroundFailure(App& app, std::string_view what, const Outcome& failure)
{
    if (!failure && app.state.notices.toldFailures.insert(failure.reason()).second) reportFailure(app, what, failure);
}

}  // namespace tintora
