#pragma once
// What the bare reference programs share: the rectangle on their command line, their one window
// class, and an overlay over that rectangle layered like Tintora's locked overlay.
#include <windows.h>

#include <cstdlib>
#include <optional>

namespace bench {

// LEFT TOP WIDTH HEIGHT, as every bare program is started.
inline std::optional<RECT> rectFromArguments(int argc, wchar_t** argv)
{
    if (argc != 5) return std::nullopt;
    const int left = _wtoi(argv[1]), top = _wtoi(argv[2]);
    return RECT{left, top, left + _wtoi(argv[3]), top + _wtoi(argv[4])};
}

// Registers the program's window class; returns its name.
inline const wchar_t* registerBareClass(const wchar_t* name, WNDPROC procedure, HBRUSH background)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
    return name;
}

// A layered (colour key and constant alpha), click-through, topmost popup over the rectangle,
// shown without activation.
inline HWND showBareOverlay(const wchar_t* className, const wchar_t* title, const RECT& r, BYTE alpha)
{
    HWND overlay = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className,
                                   title, WS_POPUP, r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    SetLayeredWindowAttributes(overlay, RGB(252, 2, 251), alpha, LWA_COLORKEY | LWA_ALPHA);
    ShowWindow(overlay, SW_SHOWNOACTIVATE);
    return overlay;
}

}  // namespace bench
