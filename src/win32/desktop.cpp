#include "win32/desktop.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <utility>

#include "win32/error.h"
#include "win32/hit_test.h"
#include "win32/system.h"
#include "win32/text.h"

namespace tintora::win32 {
namespace {

// Callback timers have no window to carry context: each timer's id leads to its tick.
std::map<UINT_PTR, const std::function<void()>*>& timerTicks()
{
    static std::map<UINT_PTR, const std::function<void()>*> ticks;
    return ticks;
}

// The events a follower needs, in ranges of SetWinEventHook: minimise start and end; destroy, show
// and hide; location change; cloaked and uncloaked.
constexpr EventRange windowEvents[] = {
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE},
    {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE},
    {0x8017, 0x8018},  // EVENT_OBJECT_CLOAKED, EVENT_OBJECT_UNCLOAKED
};

void CALLBACK onCallbackTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    const auto found = timerTicks().find(id);
    if (found == timerTicks().end()) return;
    const std::function<void()> tick = *found->second;  // the tick may kill its own timer
    tick();
}

BOOL CALLBACK addMonitorDevice(HMONITOR monitor, HDC, LPRECT, LPARAM devices)
{
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<MonitorDevice>*>(devices)->push_back(
            {narrow(info.szDevice), {r.left, r.top, r.right, r.bottom}});
    }
    return TRUE;
}

}  // namespace

Point Win32Desktop::cursorPosition() const
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

WindowHandle Win32Desktop::windowAtPoint(Point at) const { return toHandle(mouseTargetAt({at.x, at.y})); }

std::optional<ScreenRect> Win32Desktop::windowRect(WindowHandle w) const
{
    RECT r{};
    if (!GetWindowRect(toHwnd(w), &r)) return std::nullopt;
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

std::optional<ScreenRect> Win32Desktop::visibleFrame(WindowHandle topLevel) const
{
    RECT r{};
    if (!dwmWindowAttribute(toHwnd(topLevel), dwmExtendedFrameBounds, &r, sizeof r)) return windowRect(topLevel);
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

WindowHandle Win32Desktop::topLevelWindow(WindowHandle w) const { return toHandle(GetAncestor(toHwnd(w), GA_ROOT)); }

bool Win32Desktop::isCloaked(WindowHandle w) const { return win32::isCloaked(toHwnd(w)); }

Win32Desktop::~Win32Desktop()
{
    for (const auto& [id, tick] : timers_) {
        KillTimer(nullptr, id);
        timerTicks().erase(id);
    }
}

// Out of context, for the threads that raise the window's events and its top-level window's: the
// events come as messages to this thread, and only the ones of those programs.
std::optional<unsigned> Win32Desktop::watchWindow(WindowHandle w, std::function<void()> changed)
{
    const HWND window = toHwnd(w);
    const HWND topLevel = GetAncestor(window, GA_ROOT);
    WinEventWatch watch(windowEvents, window, [window, topLevel, changed = std::move(changed)](HWND about) {
        if (about == window || about == topLevel) changed();
    });
    if (!watch) return std::nullopt;
    watches_.emplace(++lastWatchId_, std::move(watch));
    return lastWatchId_;
}

void Win32Desktop::stopWatching(unsigned id) { watches_.erase(id); }

// Out of context over every process, this program's own left out (a change it made, handing the
// keyboard back, proves nothing): a first call means the system tells of other programs.
bool Win32Desktop::watchForeground(std::function<void(WindowHandle)> changed)
{
    foregroundWatch_ = {};
    if (!changed) return false;
    foregroundWatch_ = watchOtherPrograms(foregroundEvents, std::move(changed));
    return static_cast<bool>(foregroundWatch_);
}

// One read of the window's own style: asking every window it lies in (IsWindowVisible, IsIconic)
// costs several times as much, and this runs at every tick of following.
bool Win32Desktop::isShown(WindowHandle w) const
{
    const auto style = static_cast<DWORD>(GetWindowLongW(toHwnd(w), GWL_STYLE));
    return (style & WS_VISIBLE) && !(style & WS_MINIMIZE);
}

std::uint32_t Win32Desktop::extendedStyle(WindowHandle w) const
{
    return static_cast<std::uint32_t>(GetWindowLongPtrW(toHwnd(w), GWL_EXSTYLE));
}

void Win32Desktop::setExtendedStyle(WindowHandle w, std::uint32_t style)
{
    SetWindowLongPtrW(toHwnd(w), GWL_EXSTYLE, static_cast<LONG_PTR>(style));
}

void Win32Desktop::setLayeredAttributes(WindowHandle w, Colour key, int alpha)
{
    SetLayeredWindowAttributes(toHwnd(w), key, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_COLORKEY | LWA_ALPHA);
}

WindowHandle Win32Desktop::foregroundWindow() const { return toHandle(GetForegroundWindow()); }

bool Win32Desktop::activate(WindowHandle w) { return SetForegroundWindow(toHwnd(w)) != FALSE; }

void Win32Desktop::setTopmost(WindowHandle w, bool topmost)
{
    SetWindowPos(toHwnd(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<WindowHandle> Win32Desktop::windowsAbove(WindowHandle w) const
{
    return windowChain(GetWindow(toHwnd(w), GW_HWNDPREV), GW_HWNDPREV);
}

Size Win32Desktop::screenSize() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::vector<ScreenRect> Win32Desktop::monitors() const
{
    std::vector<ScreenRect> rects;
    for (const RECT& r : monitorRects()) rects.push_back({r.left, r.top, r.right, r.bottom});
    if (rects.empty()) rects.push_back({0, 0, screenSize().width, screenSize().height});
    return rects;
}

std::vector<MonitorDevice> Win32Desktop::monitorDevices() const
{
    std::vector<MonitorDevice> devices;
    EnumDisplayMonitors(nullptr, nullptr, addMonitorDevice, reinterpret_cast<LPARAM>(&devices));
    return devices;
}

std::uint32_t Win32Desktop::tickCount() const { return GetTickCount(); }

LocalTime Win32Desktop::localTime() const
{
    // File times count 100 ns since 1601; the local one has the time zone's present bias.
    constexpr std::int64_t msFrom1601To1970 = 11644473600000;
    const auto ms = [](const FILETIME& f) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(f.dwHighDateTime) << 32 | f.dwLowDateTime) /
                                         10000) -
               msFrom1601To1970;
    };
    FILETIME utc{};
    FILETIME local{};
    GetSystemTimeAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    const std::int64_t offset = ms(local) - ms(utc);
    return {ms(local), static_cast<int>((offset + (offset >= 0 ? 30000 : -30000)) / 60000)};
}

// Waiting with no time lets Wine's driver take its X events (a focus lost through a move off the
// screen, for one); on Windows it returns at once.
void Win32Desktop::takeWindowSystemEvents()
{
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32Desktop::processPendingEvents()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the loop that owns it
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

Desktop::CallbackTimer Win32Desktop::startCallbackTimer(int milliseconds, std::function<void()> tick)
{
    const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(std::max(milliseconds, 0)), onCallbackTimer);
    if (!id) return {0, lastErrorOutcome("SetTimer").reason()};
    const auto place = timers_.insert_or_assign(id, std::move(tick)).first;
    timerTicks()[id] = &place->second;
    return {static_cast<unsigned>(id), {}};
}

void Win32Desktop::killCallbackTimer(unsigned id)
{
    KillTimer(nullptr, id);
    timerTicks().erase(id);
    timers_.erase(id);
}

}  // namespace tintora::win32
