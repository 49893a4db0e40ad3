#pragma once
// The state of the parts whose handlers are plain functions, one struct a part, each written only by
// that part's own file; the parts that are objects hold their own.
#include <array>
#include <optional>
#include <random>
#include <string>

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

}  // namespace tintora
