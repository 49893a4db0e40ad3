#pragma once
// Out-of-context window event hooks owned by one object: unhooked when it goes.
#include <windows.h>

#include <functional>
#include <memory>
#include <span>

#include "platform/types.h"

namespace tintora::win32 {

// A range of events as SetWinEventHook takes it.
struct EventRange {
    DWORD first;
    DWORD last;
};

// A window brought to the front.
inline constexpr EventRange foregroundEvents[] = {{EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND}};
// A window shown, restored from minimised (a restore shows nothing), or brought back from being
// cloaked: another virtual desktop, or a store app's frame that is shown before it is drawn.
inline constexpr EventRange shownEvents[] = {{EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW},
                                             {EVENT_SYSTEM_MINIMIZEEND, EVENT_SYSTEM_MINIMIZEEND},
                                             {0x8018, 0x8018}};  // EVENT_OBJECT_UNCLOAKED

// Hooks ranges of events, out of context: the events come as messages to this thread; told hears
// the window of each one that concerns a whole window (not a caret, a cursor or a part of a window).
// All or nothing: a watch whose hooks could be set only in part holds none. Moving keeps the hooks;
// told may drop its own watch.
class WinEventWatch {
public:
    WinEventWatch();
    // Every process on the desktop; flags: WINEVENT_SKIPOWNPROCESS or 0.
    WinEventWatch(std::span<const EventRange> events, DWORD flags, std::function<void(HWND)> told);
    // The threads that raise the events of a window: its own and, where another thread or process
    // draws it (a store app's frame host), its top-level window's. None for a window that has died,
    // whose thread 0 would mean every program.
    WinEventWatch(std::span<const EventRange> events, HWND window, std::function<void(HWND)> told);
    ~WinEventWatch();
    WinEventWatch(WinEventWatch&&) noexcept;
    WinEventWatch& operator=(WinEventWatch&&) noexcept;

    // False when no hook could be set.
    explicit operator bool() const;

    // The hooks a watch owns, with what it tells; the callback finds them by hook.
    struct Hooks;

private:
    WinEventWatch(DWORD flags, std::function<void(HWND)> told);
    // False, with every hook let go, when one could not be set.
    bool hook(std::span<const EventRange> events, DWORD process, DWORD thread, DWORD flags);

    std::unique_ptr<Hooks> hooks_;
};

// The events of other programs' windows on the whole desktop. This program's own are left out: a
// change it made proves nothing of what the system tells, and its windows are never another
// program's. Windows then does not even wake this program for them; Wine still hands over the events
// this process raises (and none of other processes).
WinEventWatch watchOtherPrograms(std::span<const EventRange> events, std::function<void(WindowHandle)> told);

}  // namespace tintora::win32
