#pragma once
// What the behaviour needs to know of and do to the desktop and the windows on it.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/types.h"

namespace tintora {

namespace exstyle {
inline constexpr std::uint32_t transparent = 0x20;
inline constexpr std::uint32_t topmost = 0x8;
inline constexpr std::uint32_t toolWindow = 0x80;
inline constexpr std::uint32_t layered = 0x80000;
inline constexpr std::uint32_t noActivate = 0x8000000;
}  // namespace exstyle

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual Point cursorPosition() const = 0;
    // The window the mouse would hit at the point (controls included), looking through this program's windows.
    virtual WindowHandle windowAtPoint(Point p) const = 0;
    virtual std::optional<ScreenRect> windowRect(WindowHandle w) const = 0;
    // The part of a top-level window that is drawn on the screen: on Windows 10 and 11 its window
    // rectangle also holds invisible resize borders. The window rectangle where the system does not
    // say (no desktop compositor, or Wine).
    virtual std::optional<ScreenRect> visibleFrame(WindowHandle topLevel) const = 0;
    // The top-level window a control lies in; a top-level window itself.
    virtual WindowHandle topLevelWindow(WindowHandle w) const = 0;
    // False while the window's own state is hidden or minimised; the windows it lies in are not asked.
    virtual bool isShown(WindowHandle w) const = 0;
    // True while the system keeps a shown window off the screen: on another virtual desktop, a
    // suspended app.
    virtual bool isCloaked(WindowHandle w) const = 0;
    // Calls changed, as soon as the system tells, whenever the window or the top-level window it lies
    // in moves, changes size, is minimised or restored, shown, hidden, cloaked or destroyed; returns
    // the id that stopWatching takes, or nothing when the window has died or the system refused. Where
    // the system tells nothing (Wine), changed is never called.
    virtual std::optional<unsigned> watchWindow(WindowHandle w, std::function<void()> changed) = 0;
    virtual void stopWatching(unsigned id) = 0;
    // Calls changed with the new foreground window whenever another program's window comes to the
    // front (this program's own are left out); false when the system would not tell. An empty
    // function stops it. The first call proves that the system tells: Wine never does.
    virtual bool watchForeground(std::function<void(WindowHandle)> changed) = 0;
    virtual std::uint32_t extendedStyle(WindowHandle w) const = 0;
    virtual void setExtendedStyle(WindowHandle w, std::uint32_t style) = 0;
    // Colour key and constant alpha of a layered window.
    virtual void setLayeredAttributes(WindowHandle w, Colour key, int alpha) = 0;
    virtual WindowHandle foregroundWindow() const = 0;
    // Makes the window the foreground window, with the keyboard; false when the system refused.
    virtual bool activate(WindowHandle w) = 0;
    // Puts the window above (or among) the other windows without moving or sizing it.
    virtual void setTopmost(WindowHandle w, bool topmost) = 0;
    // The primary monitor's size.
    virtual Size screenSize() const = 0;
    // Every monitor's rectangle, at least one; the primary's starts at 0, 0, the others may lie at
    // negative coordinates.
    virtual std::vector<ScreenRect> monitors() const = 0;
    virtual std::uint32_t tickCount() const = 0;
    // Lets the events the window system has already sent change the focus and activation, without
    // dispatching any message.
    virtual void takeWindowSystemEvents() = 0;
    // Dispatches every message already queued for this thread, then returns.
    virtual void processPendingEvents() = 0;
    // A timer without a window: its id, or 0 and the system's reason in failure.
    struct CallbackTimer {
        unsigned id = 0;
        std::string failure;
    };
    virtual CallbackTimer startCallbackTimer(int milliseconds, std::function<void()> tick) = 0;
    virtual void killCallbackTimer(unsigned id) = 0;
};

}  // namespace tintora
