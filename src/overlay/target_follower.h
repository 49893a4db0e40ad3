#pragma once
// Following, when the user asks for it: the windowed overlay keeps the place of the window smart
// snap locked onto, hides while that window is hidden or minimised, and stays put once it is closed.
#include "core/app.h"

namespace tintora {

// Takes the check mark of 跟随目标窗口 from Start.ini; the console's creation calls it.
void loadFollowChoice(Menus& menus, const Settings& settings, Tint& tint);
void toggleFollowTarget(App& app);
// Follows as the choice and the overlay's place ask: one step now, the target watched, and a step on
// a clock: once a second where the system tells of the target's changes, else every 16 ms, slowing
// to 100 ms while nothing changes.
void keepFollowing(App& app);
// Puts the windowed overlay on the target as it is now; false when there is nothing to follow.
bool placeOverlayOnTarget(App& app);

}  // namespace tintora
