#pragma once
// The state of each part of the program, one struct a part, each written only by that part's own
// file; the process-wide state holds one of each.
#include <array>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/tint.h"
#include "platform/capture.h"
#include "platform/hotkeys.h"
#include "platform/types.h"

namespace tintora {

// Which keys the start-up window acts on.
enum class SnapKeyState {
    ignoringKeys,  // opening screen and after the lock
    awaitingKey,   // smart snap: a key locks the target or returns to the opening screen
};

// The start-up window's opacity step waiting for its 时钟3; none once it is taken.
enum class OpacityStep { none, snapStarted, afterLock, backToOpening };

// Where the overlay lies once the console is open.
enum class OverlayMode { none, fullScreen, windowed };

// Where the console is once it has opened; kept in Start.ini as 0 and 1.
enum class ConsoleStart { shown = 0, inTray = 1 };

// The overlay's tint and whether the user has switched the tints off (overlay/overlay.cpp, and the
// parts that move the tint: smart snap sets its target, following its place, the sliders its look).
struct OverlayState {
    // During smart snap the target is the window whose rectangle targetRect holds (0 while the
    // rectangle lies where the user dragged it); the lock takes its top-level window. Its colour
    // and opacity are the console's; its following is the check mark of 跟随目标窗口.
    Tint tint;
    // "tint off / on": every tint is hidden while this is set; following goes on underneath.
    bool tintsHidden = false;
};

// Smart snap (overlay/smart_snap.cpp). It follows the pointer while snapKeyState is awaitingKey.
struct SmartSnapState {
    ScreenRect targetRect{};
    SnapKeyState snapKeyState = SnapKeyState::ignoringKeys;
    OpacityStep opacityStep = OpacityStep::none;
    Geometry savedStartGeometry{};
    // Set while the user drags the rectangle; cleared once the pointer leaves it.
    bool snapHeldByUser = false;
    std::minstd_rand random;
};

// Overlay placement after the lock (overlay/placement.cpp).
struct PlacementState {
    OverlayMode overlayMode = OverlayMode::none;
    Geometry savedOverlayGeometry{};
};

// Following the locked target (overlay/target_follower.cpp): the clock that looks at the target,
// quick where the system does not tell of its changes and once a second where it does.
struct FollowerState {
    Clock clock;
    LookPace pace;
};

// Where the console is: on the screen; on the screen while hiding it waits for the shell to take its
// tray icon; or off the screen with its tray icon.
enum class ConsolePlace { onScreen, awaitingTray, inTray };
// The opening screen: shown; or hidden at a quiet start, its tray icon still awaited from the shell
// or standing for it.
enum class OpeningPlace { shown, hiddenAwaitingIcon, hiddenInTray };

// The console and its tray icon (ui/console_shell.cpp).
struct ConsoleState {
    ConsoleStart consoleStartMode = ConsoleStart::shown;
    int savedConsoleLeft = 0;
    ConsolePlace consolePlace = ConsolePlace::onScreen;
    OpeningPlace openingPlace = OpeningPlace::shown;
    // At log-on the shell often times out while its notification area exists, and then tells of no
    // new area: an icon it did not take is tried again on this clock, less often each time, for two
    // minutes from the first refusal.
    Clock trayRetry;
    int trayRetryElapsed = 0;  // milliseconds since the clock started
};

// The topmost keeper (overlay/topmost_keeper.cpp). Its clock checks every 50 ms until the system has
// shown that it tells of other programs' windows coming to the front (Windows does, Wine does not),
// and then a few times after each report and once a second.
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

// Screenshots (capture/screenshots.cpp), and the format of the screenshot command last chosen,
// which the hotkey takes.
struct ScreenshotState {
    int screenshotCounter = 0;
    ImageFormat screenshotFormat = ImageFormat::png;
};

// Global hotkeys (hotkeys/hotkeys.cpp): on or off (the menu item's check mark), the combination in
// force for each action, and what could not be registered, told once the console is there.
struct HotkeysState {
    bool hotkeysOn = true;
    std::array<std::optional<KeyCombination>, hotkeyActionCount> hotkeysInForce{};
    std::string hotkeyProblems;
};

// Remembered tints (overlay/remembered_tints.cpp): the entries of Remembered.ini, the tints shown,
// when the top-level windows were last looked through for new matches, and the clock that follows
// the tints and looks for matches: quick where the system does not tell, once a second where it does.
struct RememberedState {
    Clock clock;
    LookPace pace;
    std::vector<RememberedEntry> rememberedEntries;
    std::vector<RememberedTint> rememberedTints;
    std::optional<std::uint32_t> lastRememberedScan;
    // The class and program of each top-level window the last look saw: a window keeps both for its
    // life, so each is asked of the system once.
    struct TopLevelNames {
        std::string className;
        std::optional<std::string> program;
    };
    std::map<WindowHandle, TopLevelNames> topLevelNames;
};

// Monitor tints (overlay/monitor_tints.cpp): the monitors of Remembered.ini, and a tint over each
// one connected (no target; it covers the monitor; its slot the entry's).
struct MonitorTintsState {
    std::vector<RememberedMonitor> rememberedMonitors;
    std::vector<RememberedTint> monitorTints;
};

// The schedule (overlay/tint_schedule.cpp): Schedule.ini's values, whether it is on (the menu
// items' check mark), the share of their A the tints show now, the clock set to the next change,
// the edge a change by hand holds until, what is still to be told of the file, and the sun's kind
// of day last told.
struct ScheduleState {
    Schedule schedule;
    bool enabled = false;
    ScheduleShare share;
    Clock clock;
    std::optional<std::int64_t> heldUntil;
    std::string scheduleProblems;
    SunDay toldSun = SunDay::normal;
};

struct App;

// Notices (core/notice.cpp): where a balloon points, which the console's shell tells (the program
// hands its function over at the start), and the failures of writes the user did not ask for, each
// told once.
struct NoticeState {
    Point (*anchor)(const App&) = nullptr;
    std::set<std::string> toldFailures;
};

struct AppState {
    OverlayState overlay;
    SmartSnapState snap;
    PlacementState placement;
    FollowerState follower;
    ConsoleState console;
    KeeperState keeper;
    ScreenshotState screenshots;
    HotkeysState hotkeys;
    RememberedState remembered;
    MonitorTintsState monitorTints;
    ScheduleState schedule;
    NoticeState notices;
};

}  // namespace tintora
