#include "hotkeys/hotkeys.h"

#include "core/notice.h"
#include "design/texts.h"
#include "hotkeys/key_combination.h"

namespace tintora {
namespace {

struct HotkeyRow {
    HotkeyAction action;
    SettingsItem item;
    std::string_view defaultKeys;
    const char* caption;  // what it does, in the help
};

constexpr std::string_view section = "Hotkeys";
constexpr std::string_view hotkeysOff = "0";
constexpr std::string_view hotkeysOnText = "1";

constexpr HotkeyRow hotkeyRows[] = {
    {HotkeyAction::toggleTint, {paths::hotkeysIni, section, "Toggle"}, "Ctrl+Alt+T", "色调关/开"},
    {HotkeyAction::stronger, {paths::hotkeysIni, section, "Stronger"}, "Ctrl+Alt+PageUp", "色彩修正强度 +16"},
    {HotkeyAction::weaker, {paths::hotkeysIni, section, "Weaker"}, "Ctrl+Alt+PageDown", "色彩修正强度 -16"},
    {HotkeyAction::screenshot, {paths::hotkeysIni, section, "Screenshot"}, "Ctrl+Alt+S", "截图（上次选择的格式）"},
    {HotkeyAction::fullScreen, {paths::hotkeysIni, section, "FullScreen"}, "Ctrl+Alt+F", "全屏化窗口/非全屏化窗口"},
    {HotkeyAction::console, {paths::hotkeysIni, section, "Console"}, "Ctrl+Alt+C", "显示控制台"},
};

std::size_t indexOf(HotkeyAction action) { return static_cast<std::size_t>(action); }

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

void registerAll(App& app)
{
    auto& state = app.state;
    std::string problems;
    for (const HotkeyRow& row : hotkeyRows) {
        const std::string text = app.settings.readText(row.item);
        if (blank(text)) continue;  // no hotkey for this action
        const auto keys = parseKeyCombination(text);
        if (!keys) {
            problems += "\r\n" + std::string(row.item.key) + "=" + text + texts::hotkeyNotCombination;
            continue;
        }
        if (!app.platform.hotkeys.registerHotkey(row.action, *keys)) {
            problems += "\r\n" + keyCombinationText(*keys) + texts::hotkeyHeld;
            continue;
        }
        state.hotkeys.hotkeysInForce[indexOf(row.action)] = keys;
    }
    state.hotkeys.hotkeyProblems = problems.empty() ? problems : texts::hotkeysNotUsable + problems;
}

void unregisterAll(App& app)
{
    for (const HotkeyRow& row : hotkeyRows) {
        auto& inForce = app.state.hotkeys.hotkeysInForce[indexOf(row.action)];
        if (inForce) app.platform.hotkeys.unregisterHotkey(row.action);
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

void loadHotkeys(App& app)
{
    app.state.hotkeys.hotkeysOn = app.settings.readText(items::hotkeysEnabled) != hotkeysOff;
    if (app.state.hotkeys.hotkeysOn) registerAll(app);
}

void tellHotkeyProblems(App& app)
{
    if (app.state.hotkeys.hotkeyProblems.empty()) return;
    showNotice(app, app.state.hotkeys.hotkeyProblems);
    app.state.hotkeys.hotkeyProblems.clear();
}

void toggleGlobalHotkeys(App& app)
{
    const bool on = !app.state.hotkeys.hotkeysOn;
    app.state.hotkeys.hotkeysOn = on;
    app.platform.menus.setChecked(console::全局快捷键, on);
    app.settings.write(items::hotkeysEnabled, on ? hotkeysOnText : hotkeysOff);
    if (!on) {
        unregisterAll(app);
        return;
    }
    registerAll(app);
    tellHotkeyProblems(app);
}

std::string hotkeysHelpText(const App& app)
{
    std::string text;
    for (const HotkeyRow& row : hotkeyRows)
        if (const auto& keys = app.state.hotkeys.hotkeysInForce[indexOf(row.action)])
            text += "\r\n" + keyCombinationText(*keys) + "：" + row.caption;
    return text.empty() ? text : texts::hotkeysHelpHeading + text;
}

}  // namespace tintora
