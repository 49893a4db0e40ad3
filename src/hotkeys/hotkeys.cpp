#include "hotkeys/hotkeys.h"

#include <algorithm>
#include <array>

#include "core/notice.h"
#include "design/texts.h"
#include "hotkeys/key_combination.h"
#include "platform/names.h"

namespace tintora {
namespace {

struct HotkeyRow {
    HotkeyAction action;
    SettingsItem item;
    std::string_view defaultKeys;
    Text caption;  // what it does, in the help
};

constexpr std::string_view section = "Hotkeys";
constexpr std::string_view hotkeysOff = "0";
constexpr std::string_view hotkeysOnText = "1";

// Ctrl+Alt is AltGr, which types letters and digits on many layouts, so the defaults use F-keys,
// which type nothing. Remote Desktop, Hyper-V and VMware take Ctrl+Alt and Alt with Insert, Delete,
// Home, End, PageUp, PageDown, Break and the arrows for the remote machine, and Ctrl+Alt+F-keys switch
// virtual terminals under X: Shift goes with them. F12 is the debugger's.
// clang-format off
constexpr HotkeyRow hotkeyRows[] = {
    {HotkeyAction::toggleTint, {paths::hotkeysIni, section, "Toggle"}, "Ctrl+Alt+Shift+F9", texts::hotkeyToggle},
    {HotkeyAction::stronger, {paths::hotkeysIni, section, "Stronger"}, "Ctrl+Alt+Shift+F8", texts::hotkeyStronger},
    {HotkeyAction::weaker, {paths::hotkeysIni, section, "Weaker"}, "Ctrl+Alt+Shift+F7", texts::hotkeyWeaker},
    {HotkeyAction::screenshot, {paths::hotkeysIni, section, "Screenshot"}, "Ctrl+Alt+Shift+F10", texts::hotkeyScreenshot},
    {HotkeyAction::fullScreen, {paths::hotkeysIni, section, "FullScreen"}, "Ctrl+Alt+Shift+F11", texts::hotkeyFullScreen},
    {HotkeyAction::console, {paths::hotkeysIni, section, "Console"}, "Ctrl+Alt+Shift+F6", texts::hotkeyConsole},
};
// clang-format on

static_assert(std::size(hotkeyRows) == hotkeyActionCount);

std::size_t indexOf(HotkeyAction action) { return static_cast<std::size_t>(action); }

// Registers what Hotkeys.ini gives and keeps, as one text, what could not be registered and why. A
// combination given for a second action stays with the first.
void registerAll(HotkeysState& state, const Settings& settings, Hotkeys& hotkeys)
{
    std::array<std::optional<KeyCombination>, std::size(hotkeyRows)> given{};  // by row
    std::string problems;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const HotkeyRow& row = hotkeyRows[i];
        const std::string text = settings.readText(row.item);
        if (trimmed(text).empty()) continue;  // no hotkey for this action
        const std::string named = std::string(row.item.key) + "=" + text;
        const auto keys = parseKeyCombination(text);
        if (!keys) {
            problems += "\r\n" + named + texts::hotkeyNotCombination;
            continue;
        }
        const auto first = std::ranges::find(given, keys);
        if (first != given.end()) {
            const std::string_view firstKey = hotkeyRows[first - given.begin()].item.key;
            problems += "\r\n" + named + texts::hotkeyGivenTwice + std::string(firstKey) + texts::hotkeyGivenTwiceEnd;
            continue;
        }
        given[i] = keys;
        if (!hotkeys.registerHotkey(row.action, *keys)) {
            problems += "\r\n" + keyCombinationText(*keys) + texts::hotkeyHeld;
            continue;
        }
        state.hotkeysInForce[indexOf(row.action)] = keys;
    }
    state.hotkeyProblems = problems.empty() ? problems : texts::hotkeysNotUsable + problems;
}

void unregisterAll(HotkeysState& state, Hotkeys& hotkeys)
{
    for (const HotkeyRow& row : hotkeyRows) {
        auto& inForce = state.hotkeysInForce[indexOf(row.action)];
        if (inForce) hotkeys.unregisterHotkey(row.action);
        inForce.reset();
    }
}

}  // namespace

std::vector<std::pair<SettingsItem, std::string_view>> hotkeyDefaults()
{
    std::vector<std::pair<SettingsItem, std::string_view>> defaults;
    for (const HotkeyRow& row : hotkeyRows) defaults.emplace_back(row.item, row.defaultKeys);
    return defaults;
}

void loadHotkeys(HotkeysState& state, const Settings& settings, Hotkeys& hotkeys)
{
    state.hotkeysOn = settings.readText(items::hotkeysEnabled) != hotkeysOff;
    if (state.hotkeysOn) registerAll(state, settings, hotkeys);
}

void showHotkeysChoice(Menus& menus, const HotkeysState& state)
{
    menus.setChecked(console::全局快捷键, state.hotkeysOn);
}

void tellHotkeyProblems(Notices& notices, HotkeysState& state)
{
    if (state.hotkeyProblems.empty()) return;
    notices.show(state.hotkeyProblems);
    state.hotkeyProblems.clear();
}

void toggleGlobalHotkeys(Platform& p, Settings& settings, Notices& notices, HotkeysState& state)
{
    state.hotkeysOn = !state.hotkeysOn;
    showHotkeysChoice(p.menus, state);
    notices.reportFailure(texts::settingsNotSaved,
                          settings.write(items::hotkeysEnabled, state.hotkeysOn ? hotkeysOnText : hotkeysOff));
    if (!state.hotkeysOn) {
        unregisterAll(state, p.hotkeys);
        return;
    }
    registerAll(state, settings, p.hotkeys);
    tellHotkeyProblems(notices, state);
}

std::string hotkeysHelpText(const HotkeysState& state)
{
    std::string text;
    for (const HotkeyRow& row : hotkeyRows)
        if (const auto& keys = state.hotkeysInForce[indexOf(row.action)])
            text += "\r\n" + keyCombinationText(*keys) + texts::hotkeyDoes + row.caption;
    return text.empty() ? text : texts::hotkeysHelpHeading + text;
}

}  // namespace tintora
