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

    bool setIcon(WindowId w, std::string_view tip) override;
    void removeIcon(WindowId w) override;
    void showBalloon(std::string_view text, Point at) override;
    void popupMenu(MenuRef m, WindowId owner) override;

    bool hasIcon(WindowId w) const { return icons_[index(w)].shown; }
    // The balloon tip's window, once it has been shown.
    HWND balloonWindow() const { return balloon_.get(); }

    // What a trayMessage's mouse message means, if anything.
    static std::optional<TrayEvent> eventOf(LPARAM mouseMessage);
    // The message the shell broadcasts when it starts again (the taskbar was recreated).
    UINT taskbarCreatedMessage() const { return taskbarCreated_; }
    // Adds the window's icon again after the shell restarted, when it had one.
    void addIconAgain(WindowId w);
    // The icon goes with its window.
    void windowDestroyed(WindowId w);

private:
    struct Icon {
        bool shown = false;
        // An add failed, perhaps only by timing out: the icon is deleted as if it were there.
        bool perhapsAdded = false;
        std::wstring tip;
    };
    static std::size_t index(WindowId w) { return static_cast<std::size_t>(w); }
    bool notify(WindowId w, DWORD action);
    // Takes the window's icon out of the notification area, when it is there.
    void deleteIcon(WindowId w);

    const OwnWindows& ui_;
    UINT taskbarCreated_;
    std::array<Icon, 2> icons_;
    // The icon last handed to the shell, kept until the next one.
    OwnedIcon icon_;
    OwnedWindow balloon_;
};

}  // namespace tintora::win32
