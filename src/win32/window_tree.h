#pragma once
// Windows as a tree, their classes and programs, through user32 and kernel32.
#include "platform/window_tree.h"
#include "win32/win_event_watch.h"

namespace tintora::win32 {

class Win32WindowTree final : public WindowTree {
public:
    std::vector<WindowHandle> topLevelWindows() const override;
    std::vector<WindowHandle> children(WindowHandle w) const override;
    WindowHandle parent(WindowHandle w) const override;
    std::string className(WindowHandle w) const override;
    std::string programName(WindowHandle w) const override;
    // An out-of-context hook on every process, delivered through this thread's message loop.
    void watchShownWindows(std::function<void(WindowHandle)> shown) override;

private:
    WinEventWatch shownWatch_;
};

}  // namespace tintora::win32
