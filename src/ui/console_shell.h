#pragma once
// The console window: its layout at creation, tray mode, start options, about commands and the
// topmost keeper.
#include "app/tintora.h"

namespace tintora {

inline constexpr int trayHiddenLeft = -1000;

void onConsoleCreated(App& app);
// Moves the console's left edge only.
void setConsoleLeft(App& app, int left);
void hideConsoleToTray(App& app);
void restoreConsole(App& app);
void onConsoleTrayEvent(App& app, int kind);
void chooseConsoleShownAtStart(App& app);
void chooseConsoleInTrayAtStart(App& app);
void showHelp(App& app);
void showVersion(App& app);
void openHomepage(App& app);
void startTopmostKeeper(App& app, WindowHandle window);
void keepWindowOnTop(App& app);

}  // namespace tintora
