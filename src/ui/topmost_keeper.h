#pragma once
// Keeps one window above every other window of the desktop, every 50 ms for the rest of the run.
#include "core/app.h"

namespace tintora {

void startTopmostKeeper(App& app, WindowHandle window);
void keepWindowOnTop(App& app);

}  // namespace tintora
