#pragma once
// What the tray, the hotkeys and a later start need of the program's two windows, without the
// windows' own code: their handles, their menus as pop-ups, and the class a later start finds.
#include <windows.h>

#include "platform/ids.h"

namespace tintora::win32 {

// The class of both windows, by which a later start finds the running program.
inline constexpr wchar_t windowClassName[] = L"TintoraWindow";

class OwnWindows {
public:
    virtual HWND hwndOf(WindowId w) const = 0;
    // The items of a menu bar item, as a pop-up menu.
    virtual HMENU popupItems(MenuRef m) const = 0;

protected:
    ~OwnWindows() = default;
};

}  // namespace tintora::win32
