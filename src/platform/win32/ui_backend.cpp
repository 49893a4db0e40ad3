#include "platform/win32/ui_backend.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cassert>
#include <iterator>
#include <optional>
#include <utility>

#include "platform/png.h"
#include "platform/win32/text.h"
#include "resource.h"

namespace tintora::win32 {
namespace {

constexpr wchar_t kWindowClassName[] = L"TintoraWindow";
constexpr wchar_t kPictureClassName[] = L"TintoraPicture";
constexpr UINT kTrayIconId = 1;
constexpr UINT_PTR kBalloonToolId = 1;
constexpr int kBalloonWidth = 320;
// A balloon goes away by itself after a while, as the system's own do.
constexpr UINT kBalloonMilliseconds = 10000;
constexpr int kSliderMaximum = 255;
constexpr int kSliderTickStep = 5;
// The start-up pictures are 800 x 600; a picture far beyond that is not one of them.
constexpr std::size_t kMaxPicturePixels = 4096 * 4096;
// Everything a window's frame is made of; the fixed single border with caption is a subset.
constexpr DWORD kFrameStyles = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

Bytes resourceBytes(int id)
{
    HRSRC found = FindResourceW(instance(), MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(instance(), found)));
    if (!data) return {};
    return Bytes(data, data + SizeofResource(instance(), found));
}

// Shared icons are owned by the system: nobody destroys them.
HICON appIcon(int systemMetricX, int systemMetricY)
{
    return static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(IDI_TINTORA), IMAGE_ICON,
                                         GetSystemMetrics(systemMetricX), GetSystemMetrics(systemMetricY), LR_SHARED));
}

Geometry geometryOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

std::optional<int> trayEventKind(UINT mouseMessage)
{
    switch (mouseMessage) {
        case WM_LBUTTONUP: return 1;
        case WM_LBUTTONDBLCLK: return 2;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: return 3;
    }
    return std::nullopt;
}

bool hasTimer(TimerRef t)
{
    const auto timers = timerDesigns();
    return std::any_of(timers.begin(), timers.end(), [&](const TimerDesign& d) { return d.id == t; });
}

TOOLINFOW balloonTool(HWND balloon, wchar_t* text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = balloon;
    tool.uId = kBalloonToolId;
    tool.lpszText = text;
    return tool;
}

void hideBalloon(HWND balloon)
{
    KillTimer(balloon, kBalloonToolId);
    TOOLINFOW tool = balloonTool(balloon, nullptr);
    SendMessageW(balloon, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK balloonTimeUp(HWND balloon, UINT, UINT_PTR, DWORD) { hideBalloon(balloon); }

}  // namespace

Win32Ui::Win32Ui(CanvasFactory makeCanvas)
    : windowClass_(kWindowClassName, procedure, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)),
      pictureClass_(kPictureClassName, PictureBox::procedure, LoadCursorW(nullptr, IDC_ARROW),
                    GetSysColorBrush(COLOR_BTNFACE)),
      makeCanvas_(std::move(makeCanvas))
{
    // Trackbars and tooltips.
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    for (const ControlDesign& d : controlDesigns()) controls_.emplace_back(d);
    for (const WindowDesign& d : windowDesigns())
        windows_[static_cast<std::size_t>(d.id)].reset(new TopWindow(this, d.id));
}

Win32Ui::~Win32Ui() = default;

EventSink& Win32Ui::sink() const
{
    assert(sink_ && "connect an EventSink before creating windows");
    return *sink_;
}

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

void Win32Ui::createStartupWindow()
{
    createWindow(WindowId::startup);
    sink().windowCreated(WindowId::startup);
    ShowWindow(hwndOf(WindowId::startup), SW_SHOWNORMAL);
    UpdateWindow(hwndOf(WindowId::startup));
}

void Win32Ui::createWindow(WindowId id)
{
    TopWindow& w = window(id);
    const WindowDesign& d = windowDesign(id);
    w.creationStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | (d.closeButton ? WS_SYSMENU : 0);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - d.geometry.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - d.geometry.height) / 2;
    // A tool window has no taskbar button, with or without an owner.
    CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass_.name(), widen(d.title).c_str(), w.creationStyle,
                    left, top, d.geometry.width, d.geometry.height, nullptr, nullptr, instance(), &w);
    HWND hwnd = w.hwnd.get();
    if (d.hasIcon) {
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon(SM_CXICON, SM_CYICON)));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon(SM_CXSMICON, SM_CYSMICON)));
    }
    refreshMenuBar(id);
    for (Control& c : controls_)
        if (c.design->id.window == id) createControl(c, hwnd);
}

void Win32Ui::createControl(Control& c, HWND parent)
{
    const ControlDesign& d = *c.design;
    const Geometry g = c.geometry;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (d.visible ? WS_VISIBLE : 0) | (d.disabled ? WS_DISABLED : 0);
    auto child = [&](DWORD exStyle, const wchar_t* className, const char* text, DWORD kindStyle) {
        return CreateWindowExW(exStyle, className, widen(text).c_str(), style | kindStyle, g.left, g.top, g.width,
                               g.height, parent, nullptr, instance(), nullptr);
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
            SendMessageW(c.hwnd, TBM_SETRANGEMAX, FALSE, kSliderMaximum);
            SendMessageW(c.hwnd, TBM_SETLINESIZE, 0, 1);
            SendMessageW(c.hwnd, TBM_SETPAGESIZE, 0, 1);
            SendMessageW(c.hwnd, TBM_SETTICFREQ, kSliderTickStep, 0);
            SendMessageW(c.hwnd, TBM_SETPOS, TRUE, 0);
            c.lastPosition = 0;
            break;
        case ControlKind::picture:
            c.picture = std::make_unique<PictureBox>(pictureClass_, parent, style | WS_TABSTOP, g);
            c.hwnd = c.picture->hwnd();
            break;
        case ControlKind::canvas:
            if (!makeCanvas_) return;
            c.hwnd = makeCanvas_(parent);
            // Below the picture box, which covers it on the opening screen.
            SetWindowPos(c.hwnd, HWND_BOTTOM, g.left, g.top, g.width, g.height,
                         SWP_NOACTIVATE | (d.visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
            EnableWindow(c.hwnd, !d.disabled);
            break;
        case ControlKind::fileDialog:
        case ControlKind::balloon: return;  // nothing on the screen until used
    }
    if (d.fontHeight > 0) {
        // A negative height asks for the character height; no face name lets the system pick its
        // default face for the character set.
        c.font.reset(CreateFontW(-d.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                 nullptr));
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font.get()), FALSE);
    }
}

// A window whose menu bar has no items shows no bar at all.
void Win32Ui::refreshMenuBar(WindowId id) const
{
    HWND hwnd = hwndOf(id);
    if (!hwnd) return;
    HMENU bar = window(id).menus.bar();
    HMENU wanted = GetMenuItemCount(bar) > 0 ? bar : nullptr;
    if (GetMenu(hwnd) != wanted)
        SetMenu(hwnd, wanted);
    else
        DrawMenuBar(hwnd);
}

std::optional<int> Win32Ui::pump(const std::function<bool()>& keepRunning)
{
    MSG msg{};
    while (keepRunning()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return 0;
        if (const auto active = activeWindow(); active && translateAccelerator(*active, msg)) continue;
        if (translateDialogKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return std::nullopt;
}

int Win32Ui::run()
{
    return pump([] { return true; }).value_or(0);
}

std::optional<WindowId> Win32Ui::activeWindow() const
{
    HWND active = GetActiveWindow();
    for (const auto& w : windows_)
        if (active && w->hwnd.get() == active) return w->id;
    return std::nullopt;
}

bool Win32Ui::translateAccelerator(WindowId w, MSG& msg) const
{
    HWND hwnd = hwndOf(w);
    HACCEL table = window(w).menus.accelerators();
    return hwnd && table && TranslateAcceleratorW(hwnd, table, &msg) != 0;
}

bool Win32Ui::translateDialogKey(MSG& msg) const
{
    HWND console = hwndOf(WindowId::console);
    return console && IsDialogMessageW(console, &msg);
}

LRESULT CALLBACK Win32Ui::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* w = windowObject<TopWindow>(hwnd, message, lParam);
    if (!w) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCCREATE) w->hwnd.reset(hwnd);
    return w->ui->onMessage(*w, message, wParam, lParam);
}

LRESULT Win32Ui::onMessage(TopWindow& w, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = w.hwnd.get();
    switch (message) {
        case WM_COMMAND: onCommand(w, wParam, lParam); return 0;
        case WM_HSCROLL: onScroll(reinterpret_cast<HWND>(lParam)); return 0;
        case WM_TIMER:
            if (const TimerRef t{w.id, static_cast<int>(wParam) - 1}; hasTimer(t)) sink().timerTick(t);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (w.id == WindowId::startup) sink().keyDown(w.id, static_cast<int>(wParam));
            break;
        case WM_CLOSE:
            // The console has no close button and is never closed by the user.
            if (w.id == WindowId::startup) sink().windowCloseRequested(w.id);
            return 0;
        case WM_NCHITTEST: {
            const LRESULT hit = DefWindowProcW(hwnd, message, wParam, lParam);
            return w.freeDrag && hit == HTCLIENT ? HTCAPTION : hit;
        }
        case WM_ENTERSIZEMOVE: w.dragging = true; break;
        case WM_EXITSIZEMOVE: w.dragging = false; break;
        case WM_SETCURSOR:
            if (const Control* c = controlOf(reinterpret_cast<HWND>(wParam));
                c && c->design->handCursor && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case kTrayMessage:
            if (const auto kind = trayEventKind(LOWORD(lParam))) sink().trayEvent(w.id, *kind);
            return 0;
        case WM_DESTROY:
            // The menus outlive the window; the icon does not.
            SetMenu(hwnd, nullptr);
            if (w.trayIcon) notifyTray(w.id, NIM_DELETE, {});
            w.trayIcon = false;
            break;
        case WM_NCDESTROY:
            (void)w.hwnd.release();
            for (Control& c : controls_)
                if (c.design->id.window == w.id) c.hwnd = nullptr;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Ui::onCommand(TopWindow& w, WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) {
        // From a menu or an accelerator.
        if (const auto m = menuFromCommandId(LOWORD(wParam)); m && m->window == w.id) sink().menuCommand(*m);
        return;
    }
    const Control* c = controlOf(reinterpret_cast<HWND>(lParam));
    if (c && c->design->kind == ControlKind::button && HIWORD(wParam) == BN_CLICKED)
        sink().buttonClicked(c->design->id);
}

// A trackbar notifies several times per user step (the step, then the end of tracking); only a
// position the program has not seen yet is a change.
void Win32Ui::onScroll(HWND slider)
{
    Control* c = controlOf(slider);
    if (!c || c->design->kind != ControlKind::slider) return;
    const int position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
    if (position == c->lastPosition) return;
    c->lastPosition = position;
    sink().sliderChanged(c->design->id);
}

Geometry Win32Ui::geometry(WindowId w) const
{
    RECT r{};
    if (!hwndOf(w) || !GetWindowRect(hwndOf(w), &r)) return windowDesign(w).geometry;
    return geometryOf(r);
}

Size Win32Ui::clientSize(WindowId w) const
{
    RECT r{};
    GetClientRect(hwndOf(w), &r);
    return {r.right, r.bottom};
}

void Win32Ui::move(WindowId w, Geometry g)
{
    SetWindowPos(hwndOf(w), nullptr, g.left, g.top, g.width, g.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Ui::setBorder(WindowId w, Border b)
{
    HWND hwnd = hwndOf(w);
    RECT r{};
    if (!hwnd || !GetWindowRect(hwnd, &r)) return;
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & ~kFrameStyles;
    if (b == Border::fixedSingle) style |= window(w).creationStyle & kFrameStyles;
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(style));
    // The outer rectangle stays where it is; the client area grows or shrinks inside it.
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Win32Ui::setFreeDrag(WindowId w, bool on) { window(w).freeDrag = on; }

bool Win32Ui::isBeingDragged(WindowId w) const { return window(w).dragging; }

void Win32Ui::setTitle(WindowId w, std::string_view title) { SetWindowTextW(hwndOf(w), widen(title).c_str()); }

// Without activation: the overlay is restored while the console keeps the keyboard and its shortcuts.
void Win32Ui::showNormal(WindowId w) { ShowWindow(hwndOf(w), SW_SHOWNOACTIVATE); }

WindowHandle Win32Ui::handle(WindowId w) const { return reinterpret_cast<WindowHandle>(hwndOf(w)); }

void Win32Ui::openModal(WindowId id)
{
    if (hwndOf(id)) return;
    createWindow(id);
    sink().windowCreated(id);
    const WindowId other = id == WindowId::startup ? WindowId::console : WindowId::startup;
    const bool disableOther = hwndOf(other) && IsWindowEnabled(hwndOf(other));
    if (disableOther) EnableWindow(hwndOf(other), FALSE);
    ShowWindow(hwndOf(id), SW_SHOWNORMAL);
    const auto quit = pump([&] { return hwndOf(id) != nullptr; });
    if (disableOther && hwndOf(other)) EnableWindow(hwndOf(other), TRUE);
    // The outer loop must see the quit request too.
    if (quit) PostQuitMessage(*quit);
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
    if (c.hwnd) MoveWindow(c.hwnd, g.left, g.top, g.width, g.height, TRUE);
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

void Win32Ui::setSliderSelection(ControlRef ref, int length)
{
    HWND hwnd = control(ref).hwnd;
    if (!hwnd) return;
    SendMessageW(hwnd, TBM_SETSELSTART, FALSE, 0);
    SendMessageW(hwnd, TBM_SETSELEND, TRUE, length);
}

void Win32Ui::setPicture(ControlRef ref, StartupPicture picture)
{
    PictureBox* box = control(ref).picture.get();
    if (!box) return;
    const int id = picture == StartupPicture::vivid ? IDR_STARTUP_VIVID : IDR_STARTUP_SOFT;
    box->setImage(decodePng(resourceBytes(id), kMaxPicturePixels).value_or(Image{}));
}

void Win32Ui::setChecked(MenuRef m, bool checked) { window(m.window).menus.setChecked(m.index, checked); }

bool Win32Ui::isChecked(MenuRef m) const { return window(m.window).menus.isChecked(m.index); }

void Win32Ui::setVisible(MenuRef m, bool visible)
{
    window(m.window).menus.setVisible(m.index, visible);
    refreshMenuBar(m.window);
}

void Win32Ui::setCaption(MenuRef m, std::string_view caption)
{
    window(m.window).menus.setCaption(m.index, caption);
    refreshMenuBar(m.window);
}

void Win32Ui::setInterval(TimerRef t, int milliseconds)
{
    HWND hwnd = hwndOf(t.window);
    if (!hwnd) return;
    const auto id = static_cast<UINT_PTR>(t.index) + 1;
    if (milliseconds > 0)
        SetTimer(hwnd, id, static_cast<UINT>(milliseconds), nullptr);
    else
        KillTimer(hwnd, id);
}

bool Win32Ui::notifyTray(WindowId w, DWORD action, std::string_view tip)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwndOf(w);
    data.uID = kTrayIconId;
    if (action != NIM_DELETE) {
        data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
        data.uCallbackMessage = kTrayMessage;
        data.hIcon = appIcon(SM_CXSMICON, SM_CYSMICON);
        const std::wstring text = widen(tip).substr(0, std::size(data.szTip) - 1);
        std::copy(text.begin(), text.end(), data.szTip);
    }
    return Shell_NotifyIconW(action, &data) != FALSE;
}

void Win32Ui::setIcon(WindowId w, std::string_view tip)
{
    TopWindow& t = window(w);
    if (!t.hwnd) return;
    if (notifyTray(w, t.trayIcon ? NIM_MODIFY : NIM_ADD, tip)) t.trayIcon = true;
}

void Win32Ui::removeIcon(WindowId w)
{
    TopWindow& t = window(w);
    if (t.trayIcon) notifyTray(w, NIM_DELETE, {});
    t.trayIcon = false;
    // The balloon points at the icon; it goes with it.
    if (balloon_) hideBalloon(balloon_.get());
}

bool Win32Ui::hasIcon(WindowId w) const { return window(w).trayIcon; }

void Win32Ui::showBalloon(std::string_view text, Point at)
{
    if (!balloon_) {
        balloon_.reset(CreateWindowExW(
            WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance(), nullptr));
        // A maximum width lets the text break at its line ends.
        SendMessageW(balloon_.get(), TTM_SETMAXTIPWIDTH, 0, kBalloonWidth);
    }
    std::wstring wide = widen(text);
    TOOLINFOW tool = balloonTool(balloon_.get(), wide.data());
    SendMessageW(balloon_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(balloon_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(balloon_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(balloon_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(balloon_.get(), kBalloonToolId, kBalloonMilliseconds, balloonTimeUp);
}

HWND Win32Ui::balloonWindow() const { return balloon_.get(); }

void Win32Ui::popupMenu(MenuRef m)
{
    HWND hwnd = hwndOf(m.window);
    if (!hwnd) return;
    POINT at{};
    GetCursorPos(&at);
    // Without being the foreground window the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd);
    TrackPopupMenu(window(m.window).menus.itemsOf(m.index), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
    PostMessageW(hwnd, WM_NULL, 0, 0);
}

}  // namespace tintora::win32
