// The reference for Tintora's idle cost and memory: a bare Win32 program with the same windows and
// timers as Tintora locked over a window, doing nothing else.
//   bare_timers LEFT TOP WIDTH HEIGHT
// A layered, click-through, topmost popup over the rectangle (the overlay), a captioned 500 x 420
// window in the middle of the screen (the console, titled "bare console"), a 16 ms window timer
// (the pointer follower) and a 50 ms callback timer (the topmost keeper); both ticks are empty.
// These are the clocks of a locked Tintora in the bench's scene (following off and no window
// remembered, so no event hook either; its other clocks stop after their first tick). The reference
// keeps both running whatever Tintora does while nothing moves: the bare program with those windows
// and timers.
#include <windows.h>

#include "bare_window.h"

namespace {

constexpr int consoleWidth = 500;
constexpr int consoleHeight = 420;
constexpr UINT followerMs = 16;
constexpr UINT keeperMs = 50;

void CALLBACK keeperTick(HWND, UINT, UINT_PTR, DWORD) {}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) return 0;
    if (message == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const auto area = bench::rectFromArguments(argc, argv);
    if (!area) return 2;
    const wchar_t* className = bench::registerBareClass(L"BareTimers", procedure, GetSysColorBrush(COLOR_BTNFACE));

    HWND overlay = bench::showBareOverlay(className, L"bare overlay", *area, 128);
    HWND console = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, L"bare console",
                                   WS_POPUP | WS_CAPTION, (GetSystemMetrics(SM_CXSCREEN) - consoleWidth) / 2,
                                   (GetSystemMetrics(SM_CYSCREEN) - consoleHeight) / 2, consoleWidth, consoleHeight,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(console, SW_SHOWNORMAL);
    SetTimer(overlay, 1, followerMs, nullptr);
    SetTimer(nullptr, 0, keeperMs, keeperTick);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
