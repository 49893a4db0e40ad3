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

// At start: learns from the system when another program's window comes to the front, where the
// system tells (Windows); the first such report proves that it does.
void watchForegroundChanges(App& app);
// Keeps the windows on top from now on: at every change of foreground window the system reports and
// on a few checks after it, and on a check once a second; where the system has not shown that it
// reports them, at a check every 50 ms.
void startTopmostKeeper(App& app);
// Whether the system has shown that it tells of other programs' windows, so that what they do need
// not be looked for on a clock.
bool systemReportsOtherPrograms(const App& app);
// The last window of another program the keeper saw in front, which gets the keyboard back.
WindowHandle lastOtherForeground(const App& app);
// One check; it restacks only what must change.
void keepWindowsOnTop(Desktop& desktop, const WindowTree& tree, KeeperState& keeper, const KeptWindows& kept);
// Lifts the kept windows now and at the next checks: one of them was shown again or has just opened,
// and may lie below a window raised meanwhile, or the shell made its taskbar anew.
void liftKeptWindows(App& app);
// Whether the keyboard may be given back to the window: not one of the shell's (taskbars, Start,
// search, the task switcher, the desktop), not a tool window, not one that never activates.
bool takesKeyboardBack(const Desktop& desktop, const WindowTree& tree, WindowHandle w);

}  // namespace tintora
