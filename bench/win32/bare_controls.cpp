// The reference for Tintora's memory: a bare program with Tintora's two windows and the console's
// controls (the four sliders, the labels and the button), made from the same design table in the
// same fonts, doing nothing else.
//   bare_controls LEFT TOP WIDTH HEIGHT
// A layered, click-through, topmost popup over the rectangle (the locked overlay) and the console,
// titled "bare controls", in the middle of the screen.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "bare_window.h"
#include "design/design.h"
#include "win32/fonts.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace {

using namespace tintora;

constexpr int sliderMaximum = 255;
constexpr int sliderTickStep = 5;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeControl(const ControlDesign& d, HWND parent)
{
    const Geometry& g = d.geometry;
    const auto child = [&](DWORD exStyle, const wchar_t* className, DWORD style) {
        return CreateWindowExW(exStyle, className, win32::widen(d.caption).c_str(),
                               WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE | style, g.left, g.top, g.width, g.height,
                               parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    switch (d.kind) {
        case ControlKind::label: return child(0, WC_STATICW, SS_CENTER);
        case ControlKind::button: return child(0, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
        case ControlKind::slider: {
            const HWND slider =
                child(WS_EX_STATICEDGE, TRACKBAR_CLASSW,
                      TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP | (d.ticks == TickMarks::both ? TBS_BOTH : TBS_BOTTOM) |
                          (d.selectionBand ? TBS_ENABLESELRANGE : 0));
            SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, sliderMaximum));
            SendMessageW(slider, TBM_SETTICFREQ, sliderTickStep, 0);
            return slider;
        }
        default: return nullptr;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const auto area = bench::rectFromArguments(argc, argv);
    if (!area) return 2;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    const wchar_t* className = bench::registerBareClass(L"BareControls", procedure, GetSysColorBrush(COLOR_BTNFACE));
    bench::showBareOverlay(className, L"bare overlay", *area, 190);

    const Geometry size = windowDesign(WindowId::console).geometry;
    HWND console = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, L"bare controls",
                                   WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | WS_SYSMENU,
                                   (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2,
                                   (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2, size.width, size.height, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<win32::GdiObject<HFONT>> fonts;
    for (const ControlDesign& d : controlDesigns()) {
        if (d.id.window != WindowId::console) continue;
        const HWND control = makeControl(d, console);
        if (!control || d.fontHeight == 0) continue;
        fonts.push_back(win32::captionFont(d.fontHeight, d.caption, language()));
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.back().get()), FALSE);
    }
    ShowWindow(console, SW_SHOWNORMAL);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
