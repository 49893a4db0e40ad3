#pragma once
// Small shared pieces of the Win32 backend.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/types.h"
#include "win32/handles.h"

namespace tintora::win32 {

// The header of a 32-bit picture whose rows run top to bottom.
inline BITMAPINFO topDownBitmapInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A window's handle as the behaviour holds it, and back.
inline HWND toHwnd(WindowHandle w) { return reinterpret_cast<HWND>(w); }
inline WindowHandle toHandle(HWND w) { return reinterpret_cast<WindowHandle>(w); }

// The windows from first on, each the one GetWindow gives for the step (GW_HWNDNEXT, GW_HWNDPREV)
// from the one before. Another program may make and destroy windows during the walk, and then the
// chain need not end: it stops at a length no real desktop reaches.
std::vector<WindowHandle> windowChain(HWND first, UINT step);

// Whether the window belongs to this program.
inline bool isOwnWindow(HWND w)
{
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    return process == GetCurrentProcessId();
}

// A window rectangle as left, top, width and height.
inline Geometry geometryOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// The DPI of the monitor the window is on: GetDpiForWindow where the system has it (Windows 10),
// otherwise the system DPI.
int windowDpi(HWND window);

// The rectangles of every monitor, in screen pixels (negative left of or above the primary).
std::vector<RECT> monitorRects();

// The DPI of the monitor that holds the point (or the nearest one).
int monitorDpi(POINT at);

// The program's icon at the size of a square icon metric (SM_CXICON, SM_CXSMICON) at a DPI.
OwnedIcon appIcon(int systemMetric, int dpi);

// The bytes of an RCDATA resource of the program; empty when it is missing.
std::vector<std::uint8_t> resourceBytes(int id);

// A function of dwmapi.dll, looked up at run time (systems without the desktop compositor lack it) in
// the copy in the system folder, never one beside the program.
FARPROC dwmFunction(const char* name);

template <typename Function>
Function dwmFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(dwmFunction(name)));
}

// Attributes DWM keeps of a window (DWMWA_*); the SDK's numbers, as MinGW's headers lack some.
inline constexpr DWORD dwmExtendedFrameBounds = 9;
inline constexpr DWORD dwmCloaked = 14;

// Reads a DWM attribute of a window into out; false where DWM does not answer (no compositor, Wine).
bool dwmWindowAttribute(HWND w, DWORD attribute, void* out, DWORD size);

// Windows hides some windows (on other virtual desktops, suspended apps) by cloaking them: they
// count as visible but are not on the screen. Without DWM nothing is cloaked.
bool isCloaked(HWND w);

}  // namespace tintora::win32
