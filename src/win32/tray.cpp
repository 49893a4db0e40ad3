#include "win32/tray.h"

#include <commctrl.h>
#include <shellapi.h>

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

std::optional<TrayEvent> Win32Tray::eventOf(LPARAM mouseMessage)
{
    switch (LOWORD(mouseMessage)) {
        case WM_LBUTTONUP: return TrayEvent::click;
        case WM_LBUTTONDBLCLK: return TrayEvent::doubleClick;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: return TrayEvent::menu;
    }
    return std::nullopt;
}

bool Win32Tray::notify(WindowId w, DWORD action)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = ui_.hwndOf(w);
    data.uID = trayIconId;
    if (action != NIM_DELETE) {
        data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
        data.uCallbackMessage = trayMessage;
        // The notification area is on the primary monitor, which holds the point 0, 0.
        icon_ = appIcon(SM_CXSMICON, monitorDpi({0, 0}));
        data.hIcon = icon_.get();
        const std::wstring& tip = icons_[index(w)].tip;
        std::copy_n(tip.begin(), std::min(tip.size(), std::size(data.szTip) - 1), data.szTip);
    }
    return Shell_NotifyIconW(action, &data) != FALSE;
}

bool Win32Tray::setIcon(WindowId w, std::string_view tip)
{
    Icon& icon = icons_[index(w)];
    if (!ui_.hwndOf(w)) return false;
    icon.tip = widen(tip);
    // An add that timed out (the shell is slow at log-on) may have added the icon all the same:
    // modifying first finds it, so that a second one is never added beside it.
    if (notify(w, NIM_MODIFY) || notify(w, NIM_ADD)) {
        icon.shown = true;
        return true;
    }
    reportLastError("Shell_NotifyIconW");
    icon.perhapsAdded = true;
    return false;
}

void Win32Tray::deleteIcon(WindowId w)
{
    Icon& icon = icons_[index(w)];
    if (icon.shown || icon.perhapsAdded) notify(w, NIM_DELETE);
    icon.shown = false;
    icon.perhapsAdded = false;
}

void Win32Tray::removeIcon(WindowId w)
{
    deleteIcon(w);
    // The balloon points at the icon; it goes with it.
    if (balloon_) hideBalloon(balloon_.get());
}

void Win32Tray::addIconAgain(WindowId w)
{
    if (icons_[index(w)].shown && !notify(w, NIM_ADD)) reportLastError("Shell_NotifyIconW after a shell restart");
}

void Win32Tray::windowDestroyed(WindowId w) { deleteIcon(w); }

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
    POINT at{};
    GetCursorPos(&at);
    // Without being the foreground window the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd);
    // At the pointer, on the side the system's menus drop to; a per-monitor aware program's menu is
    // drawn at the DPI of the monitor it opens on.
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    TrackPopupMenu(ui_.popupItems(m), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | align, at.x, at.y, 0, hwnd, nullptr);
    // The menu then closes at once the next time it opens, as the system's tray menus do.
    PostMessageW(hwnd, WM_NULL, 0, 0);
}

}  // namespace tintora::win32
