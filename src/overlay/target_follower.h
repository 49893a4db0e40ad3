#pragma once
// Following, when the user asks for it: the windowed overlay keeps the place of the window smart
// snap locked onto, hides while that window is hidden or minimised, and stays put once it is closed.
#include "core/app.h"

namespace tintora {

// Takes the check mark of 跟随目标窗口 from Start.ini; the console's creation calls it.
void loadFollowChoice(Menus& menus, const Settings& settings, Tint& tint);
void toggleFollowTarget(App& app);
// Follows as the choice and the overlay's place ask: one step now, the target watched, and where the
// system has not shown that it tells of other programs' windows, a step every 16 ms.
void keepFollowing(App& app);
// Puts the windowed overlay on the target as it is now; false when there is nothing to follow.
bool placeOverlayOnTarget(App& app);

}  // namespace tintora
