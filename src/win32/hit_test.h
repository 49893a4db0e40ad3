#pragma once
// The window the mouse would hit at a screen point, looking through this program's own windows.
#include <windows.h>

namespace tintora::win32 {

// What WindowFromPoint gives when called from another program with this program's windows hidden:
// the deepest window that takes the mouse at the point, or the desktop window where none does.
HWND mouseTargetAt(POINT p);

}  // namespace tintora::win32
