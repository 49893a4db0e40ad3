#pragma once
// Keeps the console and the tint overlay above every other window of the desktop, checked every
// 50 ms for the rest of the run.
#include "core/app.h"

namespace tintora {

void startTopmostKeeper(App& app, WindowHandle console, WindowHandle overlay);
// One check; it restacks only what must change.
void keepWindowsOnTop(Desktop& desktop, AppState& state);

}  // namespace tintora
