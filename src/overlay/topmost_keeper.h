#pragma once
// Keeps the program's own windows (the remembered tints, the tint overlay, the console) above
// every other window of the desktop, and remembers which program's window the keyboard goes back to.
#include <vector>

#include "core/app.h"

namespace tintora {

// The windows kept on top, from the bottom up: the remembered tints, then the overlay and the
// console above them; 0 for a window that does not exist yet.
struct KeptWindows {
    std::vector<WindowHandle> tints;
    WindowHandle overlay = 0;
    WindowHandle console = 0;
};

// Checks every 50 ms for the rest of the run.
void startTopmostKeeper(App& app);
// One check; it restacks only what must change.
void keepWindowsOnTop(Desktop& desktop, const WindowTree& tree, KeeperState& keeper, const KeptWindows& kept);
// Lifts the kept windows now and at the next check: one of them was shown again or has just opened,
// and may lie below a window raised meanwhile.
void liftKeptWindows(App& app);
// Whether the keyboard may be given back to the window: not one of the shell's (taskbars, Start,
// search, the task switcher, the desktop), not a tool window, not one that never activates.
bool takesKeyboardBack(const Desktop& desktop, const WindowTree& tree, WindowHandle w);

}  // namespace tintora
