#include "ui/tray_start.h"

#include "design/texts.h"
#include "overlay/topmost_keeper.h"
#include "ui/startup.h"

namespace tintora {

void hideOpeningScreenToTray(App& app)
{
    auto& p = app.platform;
    p.windows.hide(WindowId::startup);
    app.state.console.openingInTray = true;
    // Without the notification area yet (a start at log-on) the icon comes when it appears.
    p.tray.setIcon(WindowId::startup, texts::trayTip);
    startTopmostKeeper(app);
}

void showOpeningScreen(App& app)
{
    auto& p = app.platform;
    if (app.state.console.openingInTray) {
        p.tray.removeIcon(WindowId::startup);
        p.windows.showNormal(WindowId::startup);
        app.state.console.openingInTray = false;
    }
    p.windows.activate(WindowId::startup);
}

void onOpeningTrayEvent(App& app, TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(app, WindowId::startup);
    if (event == TrayEvent::doubleClick) showOpeningScreen(app);
}

void onOpeningTrayCreated(App& app)
{
    if (app.state.console.openingInTray) app.platform.tray.setIcon(WindowId::startup, texts::trayTip);
}

void showTrayMenu(App& app, WindowId owner)
{
    auto& p = app.platform;
    p.menus.setChecked(console::开机时启动, p.autostart.isOn());
    p.tray.popupMenu(console::快捷菜单, owner);
}

void toggleStartWithWindows(App& app) { app.platform.autostart.set(!app.platform.autostart.isOn()); }

void endTintora(App& app)
{
    app.platform.tray.removeIcon(WindowId::console);
    app.platform.tray.removeIcon(WindowId::startup);
    exitProgram(app.platform.process, 0);
}

}  // namespace tintora
