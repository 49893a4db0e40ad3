#pragma once
// The console window and the tray: the console's layout at creation, tray mode and the start
// options; Tintora without the console (the opening screen hidden in the tray at a quiet start), the
// tray icon's menu and the start with Windows it offers.
#include "core/app.h"
#include "platform/events.h"

namespace tintora {

void onConsoleCreated(App& app);
// Places the console's rows by the widths of their controls and sizes the console to hold them;
// centred on the screen, or where it is.
void layOutConsole(Platform& p, bool centred);
void hideConsoleToTray(App& app);
// Where a notice's balloon points: at the console's bottom edge, or at the tray while neither the
// console nor the opening screen is on the screen.
Point noticeAnchor(const App& app);
void restoreConsole(Platform& p, ConsoleState& console);
void onConsoleTrayEvent(Platform& p, ConsoleState& console, TrayEvent event);
// The console back on the screen, out of the tray if it is there, and active; before the lock only
// a quiet start's opening screen comes out of the tray.
void bringConsoleBack(App& app);
// A second start or "显示": the console comes forward (out of the tray), or the start-up window
// before there is one.
void bringForward(App& app);
// The shell's notification area is there: finishes hiding to the tray, and adds the quiet start's
// icon, when the shell had not taken them.
void onTrayCreated(App& app, WindowId w);
// The menu's choice of where the console is after the next lock, kept in Start.ini.
[[nodiscard]] Outcome chooseConsoleStart(Menus& menus, Settings& settings, ConsoleState& console, ConsoleStart mode);

// Hides the opening screen and lets a tray icon stand for it; remembered tints go on, kept on top.
void hideOpeningScreenToTray(App& app);
// The opening screen shown and active as at a normal start, its tray icon gone.
void showOpeningScreen(Platform& p, ConsoleState& console);
void onOpeningTrayEvent(Platform& p, ConsoleState& console, TrayEvent event);
// Tintora starts with Windows: the Run value starts this program and Task Manager's Startup tab
// or Settings have not disabled it.
bool startsWithWindows(const Autostart& autostart);
// The tray icon's menu at the icon, its "开机时启动" checked as the system holds it.
void showTrayMenu(Platform& p, WindowId owner);
// "开机时启动": on, a quiet start of this program, not disabled; or off, the Run value and its
// disabled state gone. A failure is told with the system's reason.
void toggleStartWithWindows(App& app);
// The one way out, whatever asked: the tray icons and the remembered tints go, then the process.
void endTintora(App& app);

}  // namespace tintora
