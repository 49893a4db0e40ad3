#pragma once
#include "app/tintora.h"

namespace tintora {

void onStartupWindowCreated(App& app);
void chooseSoftBackground(App& app);
void chooseVividBackground(App& app);
// Runs the exit clean-up and ends the process with the code.
void exitProgram(App& app, int code);

}  // namespace tintora
