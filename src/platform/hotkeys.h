#pragma once
// System-wide hotkeys: a key combination that reaches Tintora whichever program has the keyboard.
#include <cstddef>

namespace tintora {

// What a hotkey does; also its id with the system. `last` names the last action, not one more.
enum class HotkeyAction { toggleTint, stronger, weaker, screenshot, fullScreen, console, last = console };
inline constexpr std::size_t hotkeyActionCount = static_cast<std::size_t>(HotkeyAction::last) + 1;

// Modifiers and a virtual-key code, as in "Ctrl+Alt+T".
struct KeyCombination {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
    int virtualKey = 0;
    friend bool operator==(const KeyCombination&, const KeyCombination&) = default;
};

class Hotkeys {
public:
    virtual ~Hotkeys() = default;
    // Registers the combination for the action, replacing the action's earlier one; false when the
    // combination is already held (by another program, or by another action). A registered
    // combination raises hotkeyPressed once per press.
    virtual bool registerHotkey(HotkeyAction action, KeyCombination keys) = 0;
    virtual void unregisterHotkey(HotkeyAction action) = 0;
};

}  // namespace tintora
