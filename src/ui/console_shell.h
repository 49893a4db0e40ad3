#pragma once
// The console window: its layout at creation, tray mode and the start options.
#include "core/app.h"
#include "platform/events.h"

namespace tintora {

void onConsoleCreated(App& app);
void hideConsoleToTray(App& app);
void restoreConsole(Platform& p, ConsoleState& console);
void onConsoleTrayEvent(App& app, TrayEvent event);
// The console back on the screen, out of the tray if it is there, and active; before the lock only
// a quiet start's opening screen comes out of the tray.
void bringConsoleBack(App& app);
// A second start or "显示": the console comes forward (out of the tray), or the start-up window
// before there is one.
void bringForward(App& app);
// Finishes hiding to the tray once the shell's notification area is there.
void onTrayCreated(App& app);
// The menu's choice of where the console is after the next lock, kept in Start.ini.
void chooseConsoleStart(Menus& menus, Settings& settings, ConsoleState& console, ConsoleStart mode);

}  // namespace tintora
