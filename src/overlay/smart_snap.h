#pragma once
// Smart snap: the start-up window follows the window under the pointer until a key locks it.
#include "core/app.h"

namespace tintora {

void startSmartSnap(App& app);
void followPointerTick(App& app);
void onStartupKeyDown(App& app, int virtualKey);
void opacityStepTick(App& app);
void onStartupSliderChanged(App& app);
// The start-up window's 时钟1 only stops itself.
void stopStartupClock1(App& app);

}  // namespace tintora
