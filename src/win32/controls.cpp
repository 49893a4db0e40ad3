// The controls of both windows: their creation from the design table and their operations.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cassert>
#include <utility>

#include "resource.h"
#include "win32/error.h"
#include "win32/fonts.h"
#include "win32/system.h"
#include "win32/text.h"
#include "win32/ui_backend.h"

namespace tintora::win32 {
namespace {

constexpr int sliderMaximum = 255;
constexpr int sliderTickStep = 5;
// Room beside a caption, in design pixels: a label's centred text needs a pixel each side, a button's
// text keeps clear of its edges and focus rectangle.
constexpr int labelMargin = 4;
constexpr int buttonMargin = 16;

}  // namespace

Win32Ui::Control& Win32Ui::control(ControlRef c) { return const_cast<Control&>(std::as_const(*this).control(c)); }

const Win32Ui::Control& Win32Ui::control(ControlRef c) const
{
    const auto found =
        std::find_if(controls_.begin(), controls_.end(), [&](const Control& x) { return x.design->id == c; });
    assert(found != controls_.end());
    return *found;
}

Win32Ui::Control* Win32Ui::controlOf(HWND hwnd)
{
    const auto found =
        std::find_if(controls_.begin(), controls_.end(), [&](const Control& x) { return x.hwnd == hwnd; });
    return hwnd && found != controls_.end() ? &*found : nullptr;
}

void Win32Ui::createControl(Control& c, HWND parent, int dpi)
{
    const ControlDesign& d = *c.design;
    c.geometry = scaled(d.geometry, dpi);
    const Geometry g = c.geometry;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (d.visible ? WS_VISIBLE : 0) | (d.disabled ? WS_DISABLED : 0);
    auto child = [&](DWORD exStyle, const wchar_t* className, std::string_view text, DWORD kindStyle) {
        return CreateWindowExW(exStyle, className, widen(text).c_str(), style | kindStyle, g.left, g.top, g.width,
                               g.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    switch (d.kind) {
        case ControlKind::label: c.hwnd = child(0, WC_STATICW, d.caption, SS_CENTER); break;
        case ControlKind::button: c.hwnd = child(0, WC_BUTTONW, d.caption, BS_PUSHBUTTON | WS_TABSTOP); break;
        case ControlKind::slider:
            c.hwnd =
                child(WS_EX_STATICEDGE, TRACKBAR_CLASSW, "",
                      TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP | (d.ticks == TickMarks::both ? TBS_BOTH : TBS_BOTTOM) |
                          (d.selectionBand ? TBS_ENABLESELRANGE : 0));
            SendMessageW(c.hwnd, TBM_SETRANGEMIN, FALSE, 0);
            SendMessageW(c.hwnd, TBM_SETRANGEMAX, FALSE, sliderMaximum);
            SendMessageW(c.hwnd, TBM_SETLINESIZE, 0, 1);
            SendMessageW(c.hwnd, TBM_SETPAGESIZE, 0, 1);
            SendMessageW(c.hwnd, TBM_SETTICFREQ, sliderTickStep, 0);
            SendMessageW(c.hwnd, TBM_SETPOS, TRUE, 0);
            c.lastPosition = 0;
            break;
        case ControlKind::picture:
            c.picture = std::make_unique<PictureBox>(pictureClass_, parent, style | WS_TABSTOP, g);
            c.hwnd = c.picture->hwnd();
            break;
        case ControlKind::canvas:
            if (!makeCanvas_) return;
            // The canvas takes its parent's client area by itself.
            c.hwnd = makeCanvas_(parent);
            // Below the picture box, which covers it on the opening screen.
            SetWindowPos(c.hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (d.visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
            EnableWindow(c.hwnd, !d.disabled);
            break;
        case ControlKind::fileDialog:
        case ControlKind::balloon: return;  // nothing on the screen until used
    }
    if (!c.hwnd) {
        reportLastError(std::string("creating the control ") + d.designName);
        return;
    }
    if (d.fontHeight > 0) fitCaption(c, dpi);
}

void Win32Ui::fitCaption(Control& c, int dpi)
{
    const ControlDesign& d = *c.design;
    GdiObject<HFONT> font = captionFont(scaled(d.fontHeight, dpi), d.caption, language());
    SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    c.font = std::move(font);
    if (d.kind != ControlKind::label && d.kind != ControlKind::button) return;
    const int length = GetWindowTextLengthW(c.hwnd);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(c.hwnd, caption.data(), length + 1)));
    const int margin = scaled(d.kind == ControlKind::button ? buttonMargin : labelMargin, dpi);
    Geometry g = geometry(d.id);
    g.width = std::max(scaled(d.geometry.width, dpi), textWidth(c.font.get(), narrow(caption)) + margin);
    setGeometry(d.id, g);
}

void Win32Ui::useLanguage(WindowId w)
{
    for (Control& c : controls_)
        if (c.design->id.window == w && c.hwnd && c.design->fontHeight > 0) fitCaption(c, window(w).dpi);
}

void Win32Ui::onDpiChanged(TopWindow& w, int dpi, const RECT& suggested)
{
    const int old = std::exchange(w.dpi, dpi);
    HWND hwnd = w.hwnd.get();
    if (windowDesign(w.id).hasIcon) setIcons(w);
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION)) return;
    const auto rescale = [&](int pixels) { return MulDiv(pixels, dpi, old); };
    for (Control& c : controls_) {
        // The canvas follows the client area by itself.
        if (c.design->id.window != w.id || !c.hwnd || c.design->kind == ControlKind::canvas) continue;
        const Geometry g = geometry(c.design->id);
        setGeometry(c.design->id, {rescale(g.left), rescale(g.top), rescale(g.width), rescale(g.height)});
        if (c.font) {
            GdiObject<HFONT> font = captionFont(scaled(c.design->fontHeight, dpi), c.design->caption, language());
            SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
            c.font = std::move(font);
        }
    }
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

Geometry Win32Ui::geometry(ControlRef ref) const
{
    const Control& c = control(ref);
    RECT r{};
    if (!c.hwnd || !GetWindowRect(c.hwnd, &r)) return c.geometry;
    MapWindowPoints(HWND_DESKTOP, GetParent(c.hwnd), reinterpret_cast<POINT*>(&r), 2);
    return geometryOf(r);
}

void Win32Ui::setGeometry(ControlRef ref, Geometry g)
{
    Control& c = control(ref);
    c.geometry = g;
    // A centred caption moves within its control as the control's width changes: nothing painted
    // before is kept, or a caption painted at the old width (wrapped) stays on the screen.
    if (c.hwnd)
        SetWindowPos(c.hwnd, nullptr, g.left, g.top, g.width, g.height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void Win32Ui::setVisible(ControlRef ref, bool visible)
{
    if (HWND hwnd = control(ref).hwnd) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Ui::setCaption(ControlRef ref, std::string_view text)
{
    if (HWND hwnd = control(ref).hwnd) SetWindowTextW(hwnd, widen(text).c_str());
}

int Win32Ui::sliderPosition(ControlRef ref) const
{
    const Control& c = control(ref);
    return c.hwnd ? static_cast<int>(SendMessageW(c.hwnd, TBM_GETPOS, 0, 0)) : c.lastPosition;
}

void Win32Ui::setSliderPosition(ControlRef ref, int position)
{
    Control& c = control(ref);
    if (!c.hwnd) return;
    SendMessageW(c.hwnd, TBM_SETPOS, TRUE, position);
    c.lastPosition = static_cast<int>(SendMessageW(c.hwnd, TBM_GETPOS, 0, 0));
}

// The selection band runs from the channel's start to its end value, and only the strip between
// the old and the new end looks different (band and end mark): that strip is repainted, instead of
// the whole themed control once more on every step of the thumb.
void Win32Ui::setSliderSelection(ControlRef ref, int length)
{
    HWND hwnd = control(ref).hwnd;
    if (!hwnd) return;
    const int oldEnd = static_cast<int>(SendMessageW(hwnd, TBM_GETSELEND, 0, 0));
    SendMessageW(hwnd, TBM_SETSELSTART, FALSE, 0);
    SendMessageW(hwnd, TBM_SETSELEND, FALSE, length);
    const int newEnd = static_cast<int>(SendMessageW(hwnd, TBM_GETSELEND, 0, 0));
    if (newEnd == oldEnd) return;

    RECT channel{};
    RECT thumb{};
    RECT client{};
    SendMessageW(hwnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    GetClientRect(hwnd, &client);
    // The thumb's centre travels the channel half a thumb in from each end; a thumb's width of
    // margin on each side covers rounding and the end marks.
    const int thumbWidth = thumb.right - thumb.left;
    const int travel = channel.right - channel.left - thumbWidth;
    const auto x = [&](int value) { return channel.left + thumbWidth / 2 + travel * value / sliderMaximum; };
    const RECT strip{std::min(x(oldEnd), x(newEnd)) - thumbWidth, client.top,
                     std::max(x(oldEnd), x(newEnd)) + thumbWidth, client.bottom};
    InvalidateRect(hwnd, &strip, FALSE);
}

void Win32Ui::setPicture(ControlRef ref, StartupPicture picture)
{
    PictureBox* box = control(ref).picture.get();
    if (!box) return;
    const bool english = language() == Language::en;
    const int id = picture == StartupPicture::vivid ? (english ? IDR_STARTUP_VIVID_EN : IDR_STARTUP_VIVID)
                                                    : (english ? IDR_STARTUP_SOFT_EN : IDR_STARTUP_SOFT);
    box->setPicture(resourceBytes(id));
}

}  // namespace tintora::win32
