#include "win32/hit_test.h"

#include "win32/handles.h"
#include "win32/system.h"

namespace tintora::win32 {
namespace {

DWORD styleOf(HWND w, int index) { return static_cast<DWORD>(GetWindowLongPtrW(w, index)); }

// A window shaped by SetWindowRgn takes the mouse only inside its region, which is relative to
// the window's top-left corner.
bool regionHolds(HWND w, const RECT& frame, POINT p)
{
    const GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    if (!region || GetWindowRgn(w, region.get()) == ERROR) return true;
    return PtInRegion(region.get(), p.x - frame.left, p.y - frame.top);
}

// The mouse passes over hidden windows, disabled child windows and layered windows that let it
// through (the glow and shadow windows around many programs), and outside a window's region.
bool takesMouseAt(HWND w, POINT p)
{
    RECT frame{};
    if (!GetWindowRect(w, &frame) || !PtInRect(&frame, p)) return false;
    const DWORD style = styleOf(w, GWL_STYLE);
    const DWORD exStyle = styleOf(w, GWL_EXSTYLE);
    if (!(style & WS_VISIBLE)) return false;
    if ((style & (WS_POPUP | WS_CHILD | WS_DISABLED)) == (WS_CHILD | WS_DISABLED)) return false;
    if ((exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT)) return false;
    return regionHolds(w, frame, p);
}

// The topmost child that takes the mouse at a point of the parent's client area. A disabled or
// minimised window keeps the mouse to itself.
HWND childAt(HWND parent, POINT p)
{
    if (styleOf(parent, GWL_STYLE) & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (!PtInRect(&client, p)) return nullptr;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (takesMouseAt(child, p)) return child;
    }
    return nullptr;
}

}  // namespace

// WindowFromPoint cannot be told to look through our windows, and it asks the calling thread's
// own windows about transparent parts (a static label there hands the mouse to its parent), which
// it never does for another program's. So its rules are followed here, over other processes' windows.
HWND mouseTargetAt(POINT p)
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!takesMouseAt(w, p) || isOwnWindow(w) || isCloaked(w)) continue;
        while (HWND child = childAt(w, p)) w = child;
        return w;
    }
    return GetDesktopWindow();
}

}  // namespace tintora::win32
