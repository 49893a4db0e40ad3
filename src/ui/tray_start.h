#pragma once
// Tintora without the console: the opening screen hidden in the tray (a quiet start), the tray
// icon's menu, and the start with Windows it offers.
#include "core/app.h"
#include "platform/events.h"

namespace tintora {

// Hides the opening screen and lets a tray icon stand for it; remembered tints go on, kept on top.
void hideOpeningScreenToTray(App& app);
// The opening screen shown and active as at a normal start, its tray icon gone.
void showOpeningScreen(App& app);
void onOpeningTrayEvent(App& app, TrayEvent event);
// Adds the opening screen's icon once the shell's notification area is there.
void onOpeningTrayCreated(App& app);
// The tray icon's menu by the pointer, its "开机时启动" checked as the system holds it.
void showTrayMenu(App& app, WindowId owner);
void toggleStartWithWindows(App& app);
// Ends Tintora as closing the console does, its tray icons removed.
void endTintora(App& app);

}  // namespace tintora
