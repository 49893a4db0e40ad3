#pragma once
// The desktop and the windows on it, through user32.
#include "platform/desktop.h"

namespace tintora::win32 {

class Win32Desktop final : public Desktop {
public:
    Point cursorPosition() const override;
    WindowHandle windowAtPoint(Point p) const override;
    std::optional<ScreenRect> windowRect(WindowHandle w) const override;
    std::optional<ScreenRect> visibleFrame(WindowHandle topLevel) const override;
    WindowHandle topLevelWindow(WindowHandle w) const override;
    bool isShown(WindowHandle w) const override;
    bool isCloaked(WindowHandle w) const override;
    unsigned watchWindow(WindowHandle w, std::function<void()> changed) override;
    void stopWatching(unsigned id) override;
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
    unsigned startCallbackTimer(int milliseconds, std::function<void()> tick) override;
    void killCallbackTimer(unsigned id) override;
};

}  // namespace tintora::win32
