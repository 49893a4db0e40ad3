#include "win32/win_event_watch.h"

#include <map>
#include <utility>
#include <vector>

#include "win32/error.h"

namespace tintora::win32 {

struct WinEventWatch::Hooks {
    std::vector<HWINEVENTHOOK> handles;
    std::function<void(HWND)> told;

    Hooks() = default;
    Hooks(const Hooks&) = delete;
    Hooks& operator=(const Hooks&) = delete;
    ~Hooks();
};

namespace {

// A hook's callback has no context: each hook handle leads to what its watch tells.
std::map<HWINEVENTHOOK, const std::function<void(HWND)>*>& owners()
{
    static std::map<HWINEVENTHOOK, const std::function<void(HWND)>*> all;
    return all;
}

void CALLBACK onWinEvent(HWINEVENTHOOK hook, DWORD, HWND w, LONG object, LONG child, DWORD, DWORD)
{
    if (!w || object != OBJID_WINDOW || child != CHILDID_SELF) return;
    const auto found = owners().find(hook);
    if (found == owners().end()) return;
    const std::function<void(HWND)> told = *found->second;  // it may drop its own watch
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

WinEventWatch::WinEventWatch(std::span<const EventRange> events, DWORD process, DWORD thread, DWORD flags,
                             std::function<void(HWND)> told)
    : hooks_(std::make_unique<Hooks>())
{
    hooks_->told = std::move(told);
    for (const auto [first, last] : events) {
        const HWINEVENTHOOK hook =
            SetWinEventHook(first, last, nullptr, onWinEvent, process, thread, WINEVENT_OUTOFCONTEXT | flags);
        if (!hook) {
            reportLastError("SetWinEventHook");
            continue;
        }
        hooks_->handles.push_back(hook);
        owners()[hook] = &hooks_->told;
    }
}

WinEventWatch::WinEventWatch() = default;
WinEventWatch::~WinEventWatch() = default;
WinEventWatch::WinEventWatch(WinEventWatch&&) noexcept = default;
WinEventWatch& WinEventWatch::operator=(WinEventWatch&&) noexcept = default;

WinEventWatch::operator bool() const { return hooks_ && !hooks_->handles.empty(); }

}  // namespace tintora::win32
