#pragma once
// The notification area icon of each window, the balloon tip beside it and the pop-up menu,
// over shell32 and comctl32.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "platform/events.h"
#include "platform/ui.h"
#include "win32/handles.h"
#include "win32/own_windows.h"

namespace tintora::win32 {

// The tray icon's callback message to its window.
inline constexpr UINT trayMessage = WM_APP + 1;

class Win32Tray final : public Tray {
public:
    explicit Win32Tray(const OwnWindows& ui);
    Win32Tray(const Win32Tray&) = delete;
    Win32Tray& operator=(const Win32Tray&) = delete;

    ShellAnswer addIcon(WindowId w, std::string_view tip) override;
    ShellAnswer modifyIcon(WindowId w, std::string_view tip) override;
    void removeIcon(WindowId w) override;
    void showBalloon(std::string_view text, Point at) override;
    void popupMenu(MenuRef m, WindowId owner) override;

    // The balloon tip's window, once it has been shown.
    HWND balloonWindow() const { return balloon_.get(); }

    // What a trayMessage means, if anything. The icons speak version 4: the event in the low word
    // of lParam, the icon's anchor on the screen in wParam, kept for the menu it may open.
    std::optional<TrayEvent> eventOf(WPARAM anchor, LPARAM event);
    // The message the shell broadcasts when it starts again (the taskbar was recreated).
    UINT taskbarCreatedMessage() const { return taskbarCreated_; }
    // The icon goes with its window.
    void windowDestroyed(WindowId w);

private:
    ShellAnswer notify(WindowId w, DWORD action, std::string_view tip);

    const OwnWindows& ui_;
    UINT taskbarCreated_;
    // Where the last event on an icon happened: the pointer, or the icon itself from the keyboard.
    POINT anchor_{};
    // The icon last handed to the shell, kept until the next one.
    OwnedIcon icon_;
    OwnedWindow balloon_;
};

}  // namespace tintora::win32
