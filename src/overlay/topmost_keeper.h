#pragma once
// Keeps the program's own windows (the remembered tints, the tint overlay, the console) above
// every other window of the desktop, and remembers which program's window the keyboard goes back to.
#include <array>
#include <functional>
#include <vector>

#include "core/clock.h"
#include "core/notice.h"
#include "platform/platform.h"

namespace tintora {

// The windows kept on top, from the bottom up: the tints of remembered windows and monitors, then
// the overlay and the console above them; 0 for a window that does not exist yet.
struct KeptWindows {
    std::vector<WindowHandle> tints;
    WindowHandle overlay = 0;
    WindowHandle console = 0;
};

// The keeper's checks. Its clock checks every 50 ms until the system has shown that it tells of
// other programs' windows coming to the front (Windows does, Wine does not), and then a few times
// after each report and once a second.
struct KeeperState {
    Clock clock;
    // The console or the opening screen in the tray keeps windows on top from now on.
    bool started = false;
    bool otherProgramsReported = false;
    WindowHandle lastForegroundWindow = 0;
    // The last window of another program the keeper saw in front; it gets the keyboard back when
    // the console leaves the screen.
    WindowHandle lastOtherForeground = 0;
    int keeperRestacksLeft = 0;
    // When the keeper last looked whether a window lies above one of ours.
    std::uint32_t lastOrderCheck = 0;
};

// Where a part's windows lie among the kept ones, from the bottom up.
enum class KeptRank { tints, overlay, console };
// What a part hands over: its windows kept on top now, added to the list.
using KeptWindowsOf = std::function<void(std::vector<WindowHandle>&)>;

class TopmostKeeper {
public:
    TopmostKeeper(Platform& p, Notices& notices) : p_(p), notices_(notices) {}

    // A part hands over its windows to keep on top at its rank, asked at each check.
    void keep(KeptRank rank, KeptWindowsOf windows);
    // At start: learns from the system when another program's window comes to the front, where the
    // system tells (Windows); the first such report proves that it does.
    void watchForegroundChanges();
    // What the system's report of a new foreground window does.
    void foregroundChangeReported();
    // Keeps the windows on top from now on: at every change of foreground window the system reports
    // and on a few checks after it, and on a check once a second; where the system has not shown
    // that it reports them, at a check every 50 ms.
    void start();
    // Whether the system has shown that it tells of other programs' windows, so that what they do
    // need not be looked for on a clock.
    bool systemReportsOtherPrograms() const { return state_.otherProgramsReported; }
    // The last window of another program the keeper saw in front, which gets the keyboard back.
    WindowHandle lastOtherForeground() const { return state_.lastOtherForeground; }
    // Lifts the kept windows now and at the next checks: one of them was shown again or has just
    // opened, and may lie below a window raised meanwhile, or the shell made its taskbar anew.
    void lift();

private:
    void check();
    void keepClock();

    Platform& p_;
    Notices& notices_;
    KeeperState state_;
    std::array<std::vector<KeptWindowsOf>, 3> parts_;
};

// One check; it restacks only what must change.
void keepWindowsOnTop(Desktop& desktop, const WindowTree& tree, KeeperState& keeper, const KeptWindows& kept);
// Whether the keyboard may be given back to the window: not one of the shell's (taskbars, Start,
// search, the task switcher, the desktop), not a tool window, not one that never activates.
bool takesKeyboardBack(const Desktop& desktop, const WindowTree& tree, WindowHandle w);

}  // namespace tintora
