#include "win32/ui_backend.h"

#include <commctrl.h>

#include <algorithm>
#include <cassert>
#include <iterator>
#include <optional>
#include <utility>

#include "win32/error.h"
#include "win32/command_channel.h"
#include "win32/single_instance.h"
#include "win32/system.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

constexpr wchar_t pictureClassName[] = L"TintoraPicture";
// Everything a window's frame is made of; the fixed single border with caption is a subset.
constexpr DWORD frameStyles = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

bool hasTimer(TimerRef t)
{
    const auto timers = timerDesigns();
    return std::any_of(timers.begin(), timers.end(), [&](const TimerDesign& d) { return d.id == t; });
}

}  // namespace

Win32Ui::Win32Ui(CanvasFactory makeCanvas)
    : windowClass_(windowClassName, procedure, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)),
      pictureClass_(pictureClassName, PictureBox::procedure, LoadCursorW(nullptr, IDC_ARROW),
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

void Win32Ui::createStartupWindow(bool shown)
{
    createWindow(WindowId::startup);
    sink().windowCreated(WindowId::startup);
    if (!shown) return;
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
    if (!CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass_.name(), widen(d.title).c_str(), w.creationStyle,
                         left, top, d.geometry.width, d.geometry.height, nullptr, nullptr, instance(), &w)) {
        reportLastError("CreateWindowExW (window)");
        return;
    }
    HWND hwnd = w.hwnd.get();
    w.dpi = windowDpi(hwnd);
    if (w.dpi != designDpi) {
        const Geometry g = scaled(d.geometry, w.dpi);
        SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - g.width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - g.height) / 2, g.width, g.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (d.hasIcon) setIcons(w);
    // Run as administrator, the window still hears a restarted shell and a later start.
    for (UINT message : {tray_.taskbarCreatedMessage(), bringForwardMessage()})
        ChangeWindowMessageFilterEx(hwnd, message, MSGFLT_ALLOW, nullptr);
    refreshMenuBar(id);
    for (Control& c : controls_)
        if (c.design->id.window == id) createControl(c, hwnd, w.dpi);
}

void Win32Ui::setIcons(TopWindow& w)
{
    OwnedIcon big = appIcon(SM_CXICON, w.dpi);
    OwnedIcon small = appIcon(SM_CXSMICON, w.dpi);
    SendMessageW(w.hwnd.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(w.hwnd.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    w.bigIcon = std::move(big);
    w.smallIcon = std::move(small);
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
        // Accelerators are keys: the active window is asked for keyboard messages only, not for each
        // timer and paint (under Wine each ask is a round trip to the server).
        const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        if (const auto active = key ? activeWindow() : std::nullopt; active && translateAccelerator(*active, msg))
            continue;
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
    if (message == tray_.taskbarCreatedMessage()) {
        sink().trayCreated(w.id);
        return 0;
    }
    if (message == bringForwardMessage()) {
        sink().anotherStart();
        return 0;
    }
    switch (message) {
        case WM_COMMAND: onCommand(wParam, lParam); return 0;
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
        case WM_DPICHANGED:
            onDpiChanged(w, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            // The DPI of the window's monitor may have changed, and with it the monitors' arrangement.
            sink().monitorsChanged();
            return 0;
        case WM_ENTERSIZEMOVE: w.dragging = true; break;
        case WM_EXITSIZEMOVE: w.dragging = false; break;
        case WM_SETCURSOR:
            if (const Control* c = controlOf(reinterpret_cast<HWND>(wParam));
                c && c->design->handCursor && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_COPYDATA:
            return receiveCommand(sink(), hwnd, reinterpret_cast<HWND>(wParam),
                                  *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        // Broadcast to every top-level window: the start-up window, which lives as long as the program,
        // tells.
        case WM_TIMECHANGE:
            if (w.id == WindowId::startup) sink().timeChanged();
            return 0;
        case WM_DISPLAYCHANGE:
            if (w.id == WindowId::startup) sink().monitorsChanged();
            return 0;
        case WM_POWERBROADCAST:
            if (w.id == WindowId::startup && wParam == PBT_APMRESUMEAUTOMATIC) sink().resumedFromSleep();
            return TRUE;
        case WM_HOTKEY:
            if (const auto action = Win32Hotkeys::actionOf(wParam)) sink().hotkeyPressed(*action);
            return 0;
        case trayMessage:
            if (const auto event = tray_.eventOf(wParam, lParam)) sink().trayEvent(w.id, *event);
            return 0;
        case WM_DESTROY:
            // The menus outlive the window; the icon does not.
            SetMenu(hwnd, nullptr);
            tray_.windowDestroyed(w.id);
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

void Win32Ui::onCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) {
        // From a menu or an accelerator. The tray icon's menu belongs to the console and may be shown
        // by the start-up window's icon: the id says which item it is.
        if (const auto m = menuFromCommandId(LOWORD(wParam))) sink().menuCommand(*m);
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
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)) & ~frameStyles;
    if (b == Border::fixedSingle) style |= window(w).creationStyle & frameStyles;
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

void Win32Ui::activate(WindowId w)
{
    // Window-system events already here come first: under Wine a window moved wholly off the screen
    // loses the keyboard through one of them, which would otherwise undo this activation later.
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    SetForegroundWindow(hwndOf(w));
}

void Win32Ui::hide(WindowId w) { ShowWindow(hwndOf(w), SW_HIDE); }

WindowHandle Win32Ui::handle(WindowId w) const { return toHandle(hwndOf(w)); }

void Win32Ui::openModal(WindowId id)
{
    if (hwndOf(id)) return;
    createWindow(id);
    sink().windowCreated(id);
    const WindowId other = id == WindowId::startup ? WindowId::console : WindowId::startup;
    const bool disableOther = hwndOf(other) && IsWindowEnabled(hwndOf(other));
    if (disableOther) EnableWindow(hwndOf(other), FALSE);
    if (!IsWindowVisible(hwndOf(id))) ShowWindow(hwndOf(id), SW_SHOWNORMAL);
    const auto quit = pump([&] { return hwndOf(id) != nullptr; });
    if (disableOther && hwndOf(other)) EnableWindow(hwndOf(other), TRUE);
    // The outer loop must see the quit request too.
    if (quit) PostQuitMessage(*quit);
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

void Win32Ui::setEnabled(MenuRef m, bool enabled) { window(m.window).menus.setEnabled(m.index, enabled); }

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

}  // namespace tintora::win32
