#pragma once
// What finds a window again in a later run: the program it belongs to, its class and where it lies
// among its parent's children.
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace tintora {

class WindowTree {
public:
    virtual ~WindowTree() = default;
    // Every top-level window of the desktop, front to back, shown or not.
    virtual std::vector<WindowHandle> topLevelWindows() const = 0;
    // The window's own child windows (not theirs), front to back.
    virtual std::vector<WindowHandle> children(WindowHandle w) const = 0;
    // The window a control lies in; 0 for a top-level window.
    virtual WindowHandle parent(WindowHandle w) const = 0;
    virtual std::string className(WindowHandle w) const = 0;
    // The file name of the executable of the window's process, without its folder; empty when unknown.
    virtual std::string programName(WindowHandle w) const = 0;
    // Calls back with each window the system reports shown, restored from minimised or no longer
    // cloaked, a control too, where it reports other programs' windows (Windows does, Wine 8 does
    // not); an empty function stops the reports.
    virtual void watchShownWindows(std::function<void(WindowHandle)> shown) = 0;
};

}  // namespace tintora
