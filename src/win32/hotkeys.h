#pragma once
// System-wide hotkeys over RegisterHotKey, on the start-up window, which lives as long as the
// program; the window turns WM_HOTKEY into hotkeyPressed.
#include <windows.h>

#include <array>
#include <optional>

#include "platform/hotkeys.h"
#include "win32/own_windows.h"

namespace tintora::win32 {

class Win32Hotkeys final : public Hotkeys {
public:
    explicit Win32Hotkeys(const OwnWindows& ui) : ui_(ui) {}
    ~Win32Hotkeys() override;
    Win32Hotkeys(const Win32Hotkeys&) = delete;
    Win32Hotkeys& operator=(const Win32Hotkeys&) = delete;

    bool registerHotkey(HotkeyAction action, KeyCombination keys) override;
    void unregisterHotkey(HotkeyAction action) override;

    // The action of a WM_HOTKEY's id, if it is one of ours.
    static std::optional<HotkeyAction> actionOf(WPARAM id);

private:
    const OwnWindows& ui_;
    std::array<HWND, hotkeyActionCount> registeredOn_{};
};

}  // namespace tintora::win32
