// The reference for the paint of one tint: a bare layered, click-through, topmost window of the
// overlay's size that fills itself with a brush in WM_PAINT, as any tint window has to.
//   bare_paint LEFT TOP WIDTH HEIGHT
// Each paintRequest message (sent by tintora_bench between its own samples) changes the colour and
// brings it into the window at once, as Tintora's paint does, and answers the time that took in
// nanoseconds. The window's class is "BarePaint".
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace {

constexpr UINT paintRequest = WM_APP;

struct BrushDeleter {
    void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

COLORREF colour = RGB(0, 128, 255);

void paint(HWND window)
{
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window, &ps);
    const Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &ps.rcPaint, brush.get());
    EndPaint(window, &ps);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_PAINT: paint(window); return 0;
        case paintRequest: {
            const auto start = std::chrono::steady_clock::now();
            colour = RGB(wParam & 0xFF, 128, 255 - (wParam & 0xFF));
            InvalidateRect(window, nullptr, FALSE);
            UpdateWindow(window);
            return static_cast<LRESULT>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start).count());
        }
        case WM_CLOSE: PostQuitMessage(0); break;
    }
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
    windowClass.lpszClassName = L"BarePaint";
    RegisterClassW(&windowClass);

    // Layered like the locked overlay: a colour key and a constant alpha.
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                                  windowClass.lpszClassName, L"bare paint", WS_POPUP, left, top, width, height, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    SetLayeredWindowAttributes(window, RGB(252, 2, 251), 190, LWA_COLORKEY | LWA_ALPHA);
    ShowWindow(window, SW_SHOWNOACTIVATE);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
