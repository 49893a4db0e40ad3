// The reference for Tintora's idle cost and memory: a bare Win32 program with the same windows and
// timers as Tintora locked over a window, doing nothing else.
//   bare_timers LEFT TOP WIDTH HEIGHT
// A layered, click-through, topmost popup over the rectangle (the overlay), a captioned 500 x 420
// window in the middle of the screen (the console, titled "bare console"), a 16 ms window timer
// (the pointer follower) and a 50 ms callback timer (the topmost keeper); both ticks are empty.
#include <windows.h>

#include <cstdlib>

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
    if (argc != 5) return 2;
    const int left = _wtoi(argv[1]), top = _wtoi(argv[2]), width = _wtoi(argv[3]), height = _wtoi(argv[4]);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareTimers";
    RegisterClassW(&windowClass);

    HWND overlay = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                                   windowClass.lpszClassName, L"bare overlay", WS_POPUP, left, top, width, height,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
    SetLayeredWindowAttributes(overlay, RGB(252, 2, 251), 128, LWA_COLORKEY | LWA_ALPHA);
    ShowWindow(overlay, SW_SHOWNOACTIVATE);
    HWND console = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass.lpszClassName, L"bare console",
                                   WS_POPUP | WS_CAPTION, (GetSystemMetrics(SM_CXSCREEN) - consoleWidth) / 2,
                                   (GetSystemMetrics(SM_CYSCREEN) - consoleHeight) / 2, consoleWidth, consoleHeight,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
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
