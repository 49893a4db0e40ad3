// The reference for the paint of one tint: a bare layered, click-through, topmost window of the
// overlay's size that fills itself with a brush in WM_PAINT, as any tint window has to.
//   bare_paint LEFT TOP WIDTH HEIGHT
// Each paintRequest message (sent by tintora_bench between its own samples) changes the colour and
// brings it into the window at once, as Tintora's paint does, and answers the time that took in
// nanoseconds. The window's class is "BarePaint".
#include <windows.h>

#include <chrono>
#include <memory>
#include <type_traits>

#include "bare_window.h"

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
    const auto area = bench::rectFromArguments(argc, argv);
    if (!area) return 2;
    // Layered like the locked overlay: a colour key and a constant alpha.
    bench::showBareOverlay(bench::registerBareClass(L"BarePaint", procedure, nullptr), L"bare paint", *area, 190);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
