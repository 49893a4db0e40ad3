#pragma once
// Remembered tints: the user remembers the colour of the window or control the overlay is locked
// onto, and from then on every shown window that matches it gets a tint window of its own, which
// follows it, while the program runs.
#include <vector>

#include "core/app.h"

namespace tintora {

inline constexpr int maxRememberedEntries = 32;
inline constexpr int maxRememberedTints = 16;

// Reads Remembered.ini; the start-up window's creation calls it.
void loadRememberedEntries(App& app);
// Remember and forget are offered once the overlay is locked onto a window or control.
void offerRememberCommands(Menus& menus, const Tint& overlay);
// Stores the locked target with the overlay's colour and opacity, replacing its older entry.
void rememberLockedWindow(App& app);
// Removes the locked target's entry; its tints go at once.
void forgetLockedWindow(App& app);
// "tint off / on": hides them all, or shows each where its window is (unless that is hidden).
void showRememberedTints(App& app, bool shown);

// The remembered tints shown now, kept on top with the program's windows.
const std::vector<RememberedTint>& rememberedTints(const App& app);
// The schedule's share of their A.
void showRememberedShare(App& app, ScheduleShare share);
// Closes every remembered tint (Tintora ends).
void closeRememberedTints(App& app);

}  // namespace tintora
