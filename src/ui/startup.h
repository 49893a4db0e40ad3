#pragma once
// The start-up window: its creation, the start-up picture and the exit clean-up.
#include "core/app.h"

namespace tintora {

void onStartupWindowCreated(App& app);
void chooseSoftBackground(App& app);
void chooseVividBackground(App& app);
// Runs the exit clean-up and ends the process with the code.
void exitProgram(App& app, int code);

}  // namespace tintora
