#pragma once
// The process-wide state the handlers share.
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/tint.h"
#include "platform/capture.h"
#include "platform/hotkeys.h"
#include "platform/types.h"

namespace tintora {

// Which keys the start-up window acts on.
enum class SnapKeyState {
    unset = 0,
    awaitingKey = 5,   // smart snap: a key locks the target or returns to the opening screen
    ignoringKeys = 8,  // opening screen and after the lock
};

// The start-up window's next opacity step, taken by its 时钟3.
enum class OpacityStep {
    none = 0,
    afterLock = 1,
    snapStarted = 2,
    backToOpening = 3,
    settled = 5,
};

// Where the overlay lies once the console is open.
enum class OverlayMode { none, fullScreen, windowed };

struct AppState {
    // The overlay's tint. During smart snap its target is the window whose rectangle targetRect
    // holds (0 while the rectangle lies where the user dragged it); the lock takes its top-level
    // window. Its following is the check mark of 跟随目标窗口.
    Tint tint;

    // Smart snap.
    ScreenRect targetRect{};
    bool snapFollowing = false;
    SnapKeyState snapKeyState = SnapKeyState::unset;
    OpacityStep opacityStep = OpacityStep::none;
    Geometry savedStartGeometry{};
    // Set while the user drags the rectangle; cleared once the pointer leaves it.
    bool snapHeldByUser = false;
    std::minstd_rand random;

    // Overlay placement.
    OverlayMode overlayMode = OverlayMode::none;
    bool initialTintDone = false;
    Geometry savedOverlayGeometry{};
    // "tint off / on": every tint is hidden while this is set; following goes on underneath.
    bool tintsHidden = false;

    // Console shell.
    int startColourR = 0;
    int startColourG = 0;
    int startColourB = 0;
    int consoleStartMode = 0;
    int savedConsoleLeft = 0;
    bool consoleInTray = false;
    // The opening screen is hidden and a tray icon stands for it (a quiet start).
    bool openingInTray = false;
    // Hiding to the tray waits for the shell's notification area, which was not there.
    bool trayAwaited = false;
    std::vector<unsigned> keeperTimerIds;
    WindowHandle keptTopmostWindow = 0;
    WindowHandle keptOverlayWindow = 0;
    WindowHandle lastForegroundWindow = 0;
    // The last window of another program the keeper saw in front; it gets the keyboard back when
    // the console leaves the screen.
    WindowHandle lastOtherForeground = 0;
    int keeperRestacksLeft = 0;
    // Set when the overlay was shown again: the keeper lifts its windows as after a change of
    // foreground window.
    bool keeperLiftRequested = false;

    // Chart settings follower.
    std::string chartFolder;
    int chartChoice = 0;
    std::string chartPictureName;

    // Screenshots, and the format of the screenshot command last chosen, which the hotkey takes.
    int screenshotCounter = 0;
    ImageFormat screenshotFormat = ImageFormat::png;

    // Global hotkeys: on or off (the menu item's check mark), the combination in force for each
    // action, and what could not be registered, told once the console is there.
    bool hotkeysOn = true;
    std::array<std::optional<KeyCombination>, hotkeyActionCount> hotkeysInForce{};
    std::string hotkeyProblems;

    // Remembered tints: the entries of Remembered.ini, the tints shown, and when the top-level
    // windows were last looked through for new matches.
    std::vector<RememberedEntry> rememberedEntries;
    std::vector<RememberedTint> rememberedTints;
    std::optional<std::uint32_t> lastRememberedScan;
};

}  // namespace tintora
