#pragma once
// Following, when the user asks for it: the windowed overlay keeps the place of the window smart
// snap locked onto, hides while that window is hidden or minimised, and stays put once it is closed.
#include "core/app.h"

namespace tintora {

// Takes the check mark of 跟随目标窗口 from Start.ini; the console's creation calls it.
void loadFollowChoice(Menus& menus, const Settings& settings, Tint& tint);
void toggleFollowTarget(App& app);
// One step of following; told when the system said the target changed, so that its show state is
// asked at once.
void followTargetStep(App& app, bool told);
// Puts the windowed overlay on the target as it is now; false when there is nothing to follow.
bool placeOverlayOnTarget(App& app);

}  // namespace tintora
