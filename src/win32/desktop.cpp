#include "win32/desktop.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "win32/error.h"
#include "win32/hit_test.h"
#include "win32/system.h"

namespace tintora::win32 {
namespace {

HWND toHwnd(WindowHandle w) { return reinterpret_cast<HWND>(w); }
WindowHandle toHandle(HWND w) { return reinterpret_cast<WindowHandle>(w); }

// Callback timers have no window to carry context, so their ticks are looked up by timer id.
std::map<UINT_PTR, std::function<void()>>& callbackTimers()
{
    static std::map<UINT_PTR, std::function<void()>> timers;
    return timers;
}

// A watched window, its top-level window and the hooks that tell of them.
struct Watch {
    HWND window;
    HWND topLevel;
    std::function<void()> changed;
    std::vector<HWINEVENTHOOK> hooks;
};

std::map<unsigned, Watch>& watches()
{
    static std::map<unsigned, Watch> all;
    return all;
}

// The events a follower needs, in ranges of SetWinEventHook: minimise start and end; destroy, show
// and hide; location change; cloaked and uncloaked.
constexpr std::pair<DWORD, DWORD> watchedEvents[] = {
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE},
    {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE},
    {0x8017, 0x8018},  // EVENT_OBJECT_CLOAKED, EVENT_OBJECT_UNCLOAKED
};

void CALLBACK onWinEvent(HWINEVENTHOOK hook, DWORD, HWND w, LONG object, LONG child, DWORD, DWORD)
{
    if (object != OBJID_WINDOW || child != CHILDID_SELF) return;
    for (const auto& [id, watch] : watches()) {
        if (std::find(watch.hooks.begin(), watch.hooks.end(), hook) == watch.hooks.end()) continue;
        if (w != watch.window && w != watch.topLevel) return;
        const std::function<void()> changed = watch.changed;  // it may stop its own watch
        changed();
        return;
    }
}

void CALLBACK onCallbackTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    const auto& timers = callbackTimers();
    const auto found = timers.find(id);
    if (found == timers.end()) return;
    const std::function<void()> tick = found->second;  // the tick may kill its own timer
    tick();
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

// Out of context, for the window's own process and thread: the events come as messages to this
// thread, and only the ones of that program.
unsigned Win32Desktop::watchWindow(WindowHandle w, std::function<void()> changed)
{
    static unsigned lastId = 0;
    const HWND window = toHwnd(w);
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    Watch watch{window, GetAncestor(window, GA_ROOT), std::move(changed), {}};
    for (const auto& [first, last] : watchedEvents) {
        if (HWINEVENTHOOK hook =
                SetWinEventHook(first, last, nullptr, onWinEvent, process, thread, WINEVENT_OUTOFCONTEXT))
            watch.hooks.push_back(hook);
        else
            reportLastError("SetWinEventHook");
    }
    watches().emplace(++lastId, std::move(watch));
    return lastId;
}

void Win32Desktop::stopWatching(unsigned id)
{
    const auto found = watches().find(id);
    if (found == watches().end()) return;
    for (HWINEVENTHOOK hook : found->second.hooks) UnhookWinEvent(hook);
    watches().erase(found);
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

Size Win32Desktop::screenSize() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::vector<ScreenRect> Win32Desktop::monitors() const
{
    std::vector<ScreenRect> rects;
    for (const RECT& r : monitorRects()) rects.push_back({r.left, r.top, r.right, r.bottom});
    if (rects.empty()) rects.push_back({0, 0, screenSize().width, screenSize().height});
    return rects;
}

std::uint32_t Win32Desktop::tickCount() const { return GetTickCount(); }

// Waiting with no time lets Wine's driver take its X events (a focus lost through a move off the
// screen, for one); on Windows it returns at once.
void Win32Desktop::takeWindowSystemEvents() { MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

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

unsigned Win32Desktop::startCallbackTimer(int milliseconds, std::function<void()> tick)
{
    const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(std::max(milliseconds, 0)), onCallbackTimer);
    if (id) callbackTimers()[id] = std::move(tick);
    return static_cast<unsigned>(id);
}

void Win32Desktop::killCallbackTimer(unsigned id)
{
    KillTimer(nullptr, id);
    callbackTimers().erase(id);
}

}  // namespace tintora::win32
