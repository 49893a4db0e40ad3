#pragma once
// The console window: its layout at creation, tray mode and the start options.
#include "core/app.h"
#include "platform/events.h"

namespace tintora {

void onConsoleCreated(App& app);
void hideConsoleToTray(App& app);
void restoreConsole(App& app);
void onConsoleTrayEvent(App& app, TrayEvent event);
void chooseConsoleShownAtStart(App& app);
void chooseConsoleInTrayAtStart(App& app);

}  // namespace tintora
