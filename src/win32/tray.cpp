#include "win32/tray.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "win32/error.h"
#include "win32/system.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

constexpr UINT trayIconId = 1;
constexpr UINT_PTR balloonToolId = 1;
constexpr int balloonWidth = 320;
// A balloon goes away by itself after a while, as the system's own do.
constexpr UINT balloonMilliseconds = 10000;

TOOLINFOW balloonTool(HWND balloon, wchar_t* text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = balloon;
    tool.uId = balloonToolId;
    tool.lpszText = text;
    return tool;
}

void hideBalloon(HWND balloon)
{
    KillTimer(balloon, balloonToolId);
    TOOLINFOW tool = balloonTool(balloon, nullptr);
    SendMessageW(balloon, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK balloonTimeUp(HWND balloon, UINT, UINT_PTR, DWORD) { hideBalloon(balloon); }

}  // namespace

Win32Tray::Win32Tray(const OwnWindows& ui) : ui_(ui), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

std::optional<TrayEvent> Win32Tray::eventOf(WPARAM anchor, LPARAM event)
{
    switch (LOWORD(event)) {
        case NIN_SELECT:
        case NIN_KEYSELECT:
        case WM_LBUTTONDBLCLK: return TrayEvent::chosen;
        // Raised after a right-click too, so the button itself is left alone.
        case WM_CONTEXTMENU: anchor_ = {GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)}; return TrayEvent::menu;
    }
    return std::nullopt;
}

ShellAnswer Win32Tray::notify(WindowId w, DWORD action, std::string_view tip)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = ui_.hwndOf(w);
    data.uID = trayIconId;
    if (!data.hWnd) return ShellAnswer::refused;
    if (action == NIM_ADD || action == NIM_MODIFY) {
        data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
        data.uCallbackMessage = trayMessage;
        // The notification area is on the primary monitor, which holds the point 0, 0.
        icon_ = appIcon(SM_CXSMICON, monitorDpi({0, 0}));
        data.hIcon = icon_.get();
        const std::wstring wide = widen(tip);
        std::copy_n(wide.begin(), std::min(wide.size(), std::size(data.szTip) - 1), data.szTip);
    }
    data.uVersion = NOTIFYICON_VERSION_4;
    // Only a timeout is told by the last error; a refusal may leave an older one there.
    SetLastError(ERROR_SUCCESS);
    if (Shell_NotifyIconW(action, &data)) return ShellAnswer::done;
    // The shell answers through a message with a timeout; a busy one may still carry it out.
    const DWORD error = GetLastError();
    return error == ERROR_TIMEOUT ? ShellAnswer::timedOut : ShellAnswer::refused;
}

ShellAnswer Win32Tray::addIcon(WindowId w, std::string_view tip)
{
    const ShellAnswer answer = notify(w, NIM_ADD, tip);
    // The version is the icon's own and must be set after each add: keyboard events and the anchor.
    if (answer == ShellAnswer::done && notify(w, NIM_SETVERSION, {}) != ShellAnswer::done)
        reportLastError("Shell_NotifyIconW (NIM_SETVERSION)");
    if (answer != ShellAnswer::done) reportLastError("Shell_NotifyIconW (NIM_ADD)");
    return answer;
}

void Win32Tray::windowDestroyed(WindowId w) { notify(w, NIM_DELETE, {}); }

ShellAnswer Win32Tray::modifyIcon(WindowId w, std::string_view tip) { return notify(w, NIM_MODIFY, tip); }

void Win32Tray::removeIcon(WindowId w)
{
    notify(w, NIM_DELETE, {});
    // The balloon points at the icon; it goes with it.
    if (balloon_) hideBalloon(balloon_.get());
}

void Win32Tray::showBalloon(std::string_view text, Point at)
{
    if (!balloon_) {
        balloon_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
        if (!balloon_) {
            reportLastError("CreateWindowExW (balloon)");
            return;
        }
    }
    // A maximum width lets the text break at its line ends; it grows with the DPI, as the text does.
    SendMessageW(balloon_.get(), TTM_SETMAXTIPWIDTH, 0,
                 MulDiv(balloonWidth, monitorDpi({at.x, at.y}), USER_DEFAULT_SCREEN_DPI));
    std::wstring wide = widen(text);
    TOOLINFOW tool = balloonTool(balloon_.get(), wide.data());
    SendMessageW(balloon_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(balloon_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(balloon_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(balloon_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(balloon_.get(), balloonToolId, balloonMilliseconds, balloonTimeUp);
}

void Win32Tray::popupMenu(MenuRef m, WindowId owner)
{
    HWND hwnd = ui_.hwndOf(owner);
    if (!hwnd) return;
    const POINT at = anchor_;
    // Without being the foreground window the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd);
    // At the anchor, on the side the system's menus drop to; a per-monitor aware program's menu is
    // drawn at the DPI of the monitor it opens on.
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    TrackPopupMenu(ui_.popupItems(m), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | align, at.x, at.y, 0, hwnd, nullptr);
    // The menu then closes at once the next time it opens, as the system's tray menus do.
    PostMessageW(hwnd, WM_NULL, 0, 0);
}

}  // namespace tintora::win32
