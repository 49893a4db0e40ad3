#include "win32/win_event_watch.h"

#include <map>
#include <utility>
#include <vector>

#include "win32/error.h"
#include "win32/handles.h"
#include "win32/system.h"

namespace tintora::win32 {

struct WinEventWatch::Hooks {
    std::vector<HWINEVENTHOOK> handles;
    std::function<void(HWND)> told;
    bool skipOwnProcess = false;

    Hooks() = default;
    Hooks(const Hooks&) = delete;
    Hooks& operator=(const Hooks&) = delete;
    ~Hooks();
};

namespace {

// A hook's callback has no context: each hook handle leads to its watch's hooks.
std::map<HWINEVENTHOOK, const WinEventWatch::Hooks*>& owners()
{
    static std::map<HWINEVENTHOOK, const WinEventWatch::Hooks*> all;
    return all;
}

bool raisedByThisProcess(DWORD thread)
{
    if (thread == GetCurrentThreadId()) return true;
    const KernelHandle opened(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, thread));
    return opened && GetProcessIdOfThread(opened.get()) == GetCurrentProcessId();
}

void CALLBACK onWinEvent(HWINEVENTHOOK hook, DWORD, HWND w, LONG object, LONG child, DWORD thread, DWORD)
{
    if (!w || object != OBJID_WINDOW || child != CHILDID_SELF) return;
    const auto found = owners().find(hook);
    if (found == owners().end()) return;
    // Wine hands these to the hook all the same; Windows leaves them out by the hook's flag.
    if (found->second->skipOwnProcess && raisedByThisProcess(thread)) return;
    const std::function<void(HWND)> told = found->second->told;  // it may drop its own watch
    told(w);
}

}  // namespace

WinEventWatch::Hooks::~Hooks()
{
    for (HWINEVENTHOOK hook : handles) {
        owners().erase(hook);
        UnhookWinEvent(hook);
    }
}

WinEventWatch::WinEventWatch(DWORD flags, std::function<void(HWND)> told) : hooks_(std::make_unique<Hooks>())
{
    hooks_->told = std::move(told);
    hooks_->skipOwnProcess = flags & WINEVENT_SKIPOWNPROCESS;
}

WinEventWatch::WinEventWatch(std::span<const EventRange> events, DWORD flags, std::function<void(HWND)> told)
    : WinEventWatch(flags, std::move(told))
{
    hook(events, 0, 0, flags);
}

WinEventWatch::WinEventWatch(std::span<const EventRange> events, HWND window, std::function<void(HWND)> told)
    : WinEventWatch(0, std::move(told))
{
    DWORD process = 0;
    DWORD topProcess = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    const DWORD topThread = GetWindowThreadProcessId(GetAncestor(window, GA_ROOT), &topProcess);
    if (thread == 0 || topThread == 0) {
        hooks_.reset();
        return;
    }
    if (hook(events, process, thread, 0) && topThread != thread) hook(events, topProcess, topThread, 0);
}

bool WinEventWatch::hook(std::span<const EventRange> events, DWORD process, DWORD thread, DWORD flags)
{
    for (const auto [first, last] : events) {
        const HWINEVENTHOOK hook =
            SetWinEventHook(first, last, nullptr, onWinEvent, process, thread, WINEVENT_OUTOFCONTEXT | flags);
        if (!hook) {
            reportLastError("SetWinEventHook");
            hooks_.reset();
            return false;
        }
        hooks_->handles.push_back(hook);
        owners()[hook] = hooks_.get();
    }
    return true;
}

WinEventWatch::WinEventWatch() = default;
WinEventWatch::~WinEventWatch() = default;
WinEventWatch::WinEventWatch(WinEventWatch&&) noexcept = default;
WinEventWatch& WinEventWatch::operator=(WinEventWatch&&) noexcept = default;

WinEventWatch::operator bool() const { return hooks_ && !hooks_->handles.empty(); }

WinEventWatch watchOtherPrograms(std::span<const EventRange> events, std::function<void(WindowHandle)> told)
{
    return WinEventWatch(events, WINEVENT_SKIPOWNPROCESS, [told = std::move(told)](HWND w) {
        if (!isOwnWindow(w)) told(toHandle(w));
    });
}

}  // namespace tintora::win32
