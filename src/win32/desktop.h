#pragma once
// The desktop and the windows on it, through user32.
#include <windows.h>

#include <map>

#include "platform/desktop.h"
#include "win32/win_event_watch.h"

namespace tintora::win32 {

// Owns its watches and callback timers: they end with it.
class Win32Desktop final : public Desktop {
public:
    Win32Desktop() = default;
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    Point cursorPosition() const override;
    WindowHandle windowAtPoint(Point p) const override;
    std::optional<ScreenRect> windowRect(WindowHandle w) const override;
    std::optional<ScreenRect> visibleFrame(WindowHandle topLevel) const override;
    WindowHandle topLevelWindow(WindowHandle w) const override;
    bool isShown(WindowHandle w) const override;
    bool isCloaked(WindowHandle w) const override;
    std::optional<unsigned> watchWindow(WindowHandle w, std::function<void()> changed) override;
    void stopWatching(unsigned id) override;
    bool watchForeground(std::function<void(WindowHandle)> changed) override;
    std::uint32_t extendedStyle(WindowHandle w) const override;
    void setExtendedStyle(WindowHandle w, std::uint32_t style) override;
    void setLayeredAttributes(WindowHandle w, Colour key, int alpha) override;
    WindowHandle foregroundWindow() const override;
    bool activate(WindowHandle w) override;
    // Does not activate the window, so that keeping a window on top never takes the focus.
    void setTopmost(WindowHandle w, bool topmost) override;
    Size screenSize() const override;
    std::vector<ScreenRect> monitors() const override;
    std::uint32_t tickCount() const override;
    void takeWindowSystemEvents() override;
    void processPendingEvents() override;
    CallbackTimer startCallbackTimer(int milliseconds, std::function<void()> tick) override;
    void killCallbackTimer(unsigned id) override;

private:
    std::map<unsigned, WinEventWatch> watches_;
    unsigned lastWatchId_ = 0;
    WinEventWatch foregroundWatch_;
    std::map<UINT_PTR, std::function<void()>> timers_;
};

}  // namespace tintora::win32
