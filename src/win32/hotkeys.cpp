#include "win32/hotkeys.h"

#include "win32/error.h"

namespace tintora::win32 {
namespace {

// Ids 1 to 6; an application's hotkey ids lie below 0xC000.
int idOf(HotkeyAction action) { return static_cast<int>(action) + 1; }

UINT modifiersOf(KeyCombination keys)
{
    // Held down, a key repeats; a hotkey acts once per press (one screenshot, one step).
    return MOD_NOREPEAT | (keys.ctrl ? MOD_CONTROL : 0u) | (keys.alt ? MOD_ALT : 0u) | (keys.shift ? MOD_SHIFT : 0u) |
           (keys.win ? MOD_WIN : 0u);
}

}  // namespace

Win32Hotkeys::~Win32Hotkeys()
{
    for (std::size_t i = 0; i < registeredOn_.size(); ++i) unregisterHotkey(static_cast<HotkeyAction>(i));
}

bool Win32Hotkeys::registerHotkey(HotkeyAction action, KeyCombination keys)
{
    unregisterHotkey(action);
    HWND window = ui_.hwndOf(WindowId::startup);
    if (!window) return false;
    if (!RegisterHotKey(window, idOf(action), modifiersOf(keys), static_cast<UINT>(keys.virtualKey))) {
        // A combination held elsewhere is the user's to know, through the program's notice.
        if (GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED) reportLastError("RegisterHotKey");
        return false;
    }
    registeredOn_[static_cast<std::size_t>(action)] = window;
    return true;
}

void Win32Hotkeys::unregisterHotkey(HotkeyAction action)
{
    HWND& window = registeredOn_[static_cast<std::size_t>(action)];
    // The system has let it go already when its window has been destroyed.
    if (window && IsWindow(window)) UnregisterHotKey(window, idOf(action));
    window = nullptr;
}

std::optional<HotkeyAction> Win32Hotkeys::actionOf(WPARAM id)
{
    if (id < 1 || id > hotkeyActionCount) return std::nullopt;
    return static_cast<HotkeyAction>(id - 1);
}

}  // namespace tintora::win32
