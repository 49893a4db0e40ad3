#pragma once
// Program start, the start-up window: its creation, the start-up picture and the exit clean-up.
#include <string>

#include "core/app.h"

namespace tintora {

// Keeps Config and Images beside the program when its folder can be written, or else in the user's
// own folder (a program installed under a protected folder, or started from read-only media).
void chooseDataFolder(App& app);
// Tells where Config and Images are, when they are not beside the program.
std::string dataMovedText(const App& app);

void onStartupWindowCreated(App& app);
void chooseSoftBackground(App& app);
void chooseVividBackground(App& app);
// Runs the exit clean-up and ends the process with the code.
void exitProgram(App& app, int code);

}  // namespace tintora
