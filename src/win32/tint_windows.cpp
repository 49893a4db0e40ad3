#include "win32/tint_windows.h"

#include <algorithm>

#include "win32/error.h"
#include "win32/system.h"

namespace tintora::win32 {
namespace {

constexpr wchar_t tintClassName[] = L"TintoraTint";

}  // namespace

Win32TintWindows::Win32TintWindows() : windowClass_(tintClassName, procedure, LoadCursorW(nullptr, IDC_ARROW), nullptr)
{
}

LRESULT CALLBACK Win32TintWindows::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = windowObject<TintWindow>(hwnd, message, lParam);
    switch (message) {
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
        case WM_PAINT:
            if (self) {
                const PaintDc dc(hwnd);
                FillRect(dc.get(), &dc.area(), self->brush.get());
                return 0;
            }
            break;
        case WM_NCHITTEST: return HTTRANSPARENT;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

WindowHandle Win32TintWindows::open(Colour colour, int alpha)
{
    auto tint = std::make_unique<TintWindow>();
    // The colour is packed as a COLORREF is.
    tint->brush.reset(CreateSolidBrush(colour));
    tint->hwnd.reset(CreateWindowExW(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass_.name(),
        L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), tint.get()));
    if (!tint->hwnd || !tint->brush) {
        reportLastError("CreateWindowExW (tint)");
        return 0;
    }
    HWND hwnd = tint->hwnd.get();
    SetLayeredWindowAttributes(hwnd, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
    const auto handle = toHandle(hwnd);
    windows_[handle] = std::move(tint);
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return handle;
}

// The place in the z-order stays: the topmost keeper keeps it.
void Win32TintWindows::place(WindowHandle tint, ScreenRect r)
{
    SetWindowPos(toHwnd(tint), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Win32TintWindows::hide(WindowHandle tint) { ShowWindow(toHwnd(tint), SW_HIDE); }

void Win32TintWindows::close(WindowHandle tint) { windows_.erase(tint); }

}  // namespace tintora::win32
