#pragma once
// Smart snap: the start-up window follows the window under the pointer until a key locks it.
#include "core/state.h"
#include "overlay/tints.h"

namespace tintora {

// The opening screen at start-up: keys ignored, the random colours seeded, the start-up window
// layered and opaque. No clock runs: the pointer clock runs only while smart snap follows the
// pointer, the opacity step's only while a step waits.
void prepareOpeningScreen(Platform& p, SmartSnapState& snap, Overlay& overlay);
void startSmartSnap(Platform& p, SmartSnapState& snap, Overlay& overlay);
void followPointerTick(Platform& p, SmartSnapState& snap, Tint& tint);
// A key locks the target (and opens the console) or returns to the opening screen.
void onStartupKeyDown(Platform& p, SmartSnapState& snap, Overlay& overlay, Tints& tints, int virtualKey);
// The start-up window's opacity step: the opening screen's, the smart-snap rectangle's, or after
// the lock the tint's own.
void opacityStepTick(Platform& p, SmartSnapState& snap, Overlay& overlay);

}  // namespace tintora
