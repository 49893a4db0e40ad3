#pragma once
// Smart snap: the start-up window follows the window under the pointer until a key locks it.
#include "core/app.h"

namespace tintora {

void startSmartSnap(Platform& p, SmartSnapState& snap, Tint& tint);
void followPointerTick(Platform& p, SmartSnapState& snap, Tint& tint);
void onStartupKeyDown(App& app, int virtualKey);
// The start-up window's opacity step: the opening screen's, the smart-snap rectangle's, or after
// the lock the tint's own.
void opacityStepTick(Platform& p, SmartSnapState& snap, const Tint& tint);
void onStartupSliderChanged(Platform& p);
// The start-up window's 时钟1 only stops itself.
void stopStartupClock1(Timers& timers);

}  // namespace tintora
