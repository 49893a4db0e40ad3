#pragma once
// The global hotkeys: Hotkeys.ini, their registration with the system, the menu item that turns
// them off and on, and what the user is told about them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/notice.h"
#include "core/settings.h"
#include "core/state.h"
#include "platform/platform.h"

namespace tintora {

// The items of Hotkeys.ini with their default combinations, written when the file is missing.
std::vector<std::pair<SettingsItem, std::string_view>> hotkeyDefaults();
// At start: registers the combinations of Hotkeys.ini unless Start.ini turns the hotkeys off;
// what could not be registered is kept for the console to tell.
void loadHotkeys(HotkeysState& state, const Settings& settings, Hotkeys& hotkeys);
// The check mark of "全局快捷键", once the console is there.
void showHotkeysChoice(Menus& menus, const HotkeysState& state);
// Tells, once, in a notice by the console, which combinations could not be registered and why.
void tellHotkeyProblems(Notices& notices, HotkeysState& state);
// The menu item "全局快捷键": turns every hotkey off or on again, and keeps the choice in Start.ini.
void toggleGlobalHotkeys(Platform& p, Settings& settings, Notices& notices, HotkeysState& state);
// The hotkeys in force with what each does, for the help; empty when none is.
std::string hotkeysHelpText(const HotkeysState& state);

}  // namespace tintora
