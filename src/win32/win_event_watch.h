#pragma once
// Out-of-context window event hooks owned by one object: unhooked when it goes.
#include <windows.h>

#include <functional>
#include <memory>
#include <span>

namespace tintora::win32 {

// A range of events as SetWinEventHook takes it.
struct EventRange {
    DWORD first;
    DWORD last;
};

// Hooks the ranges of events of a process and thread (0 and 0: every one on the desktop). The
// events come as messages to this thread; told hears the window of each one that concerns a whole
// window (not a caret, a cursor or a part of a window). Moving keeps the hooks; told may drop its
// own watch.
class WinEventWatch {
public:
    WinEventWatch();
    // flags: WINEVENT_SKIPOWNPROCESS or 0, beside WINEVENT_OUTOFCONTEXT.
    WinEventWatch(std::span<const EventRange> events, DWORD process, DWORD thread, DWORD flags,
                  std::function<void(HWND)> told);
    ~WinEventWatch();
    WinEventWatch(WinEventWatch&&) noexcept;
    WinEventWatch& operator=(WinEventWatch&&) noexcept;

    // False when no hook could be set.
    explicit operator bool() const;

    // The hooks a watch owns, with what it tells; the callback finds them by hook.
    struct Hooks;

private:
    std::unique_ptr<Hooks> hooks_;
};

}  // namespace tintora::win32
