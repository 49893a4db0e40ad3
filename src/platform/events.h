#pragma once
// Events the platform delivers to the behaviour.
#include "ui/design.h"

namespace tintora {

class EventSink {
public:
    virtual ~EventSink() = default;
    // The window and all its controls and menus exist.
    virtual void windowCreated(WindowId w) = 0;
    virtual void windowCloseRequested(WindowId w) = 0;
    virtual void keyDown(WindowId w, int virtualKey) = 0;
    virtual void menuCommand(MenuRef m) = 0;
    virtual void timerTick(TimerRef t) = 0;
    // Raised for every step the user moves a slider, never for positions set by the program.
    virtual void sliderChanged(ControlRef c) = 0;
    virtual void buttonClicked(ControlRef c) = 0;
    // 1 left button released, 2 left double-click, 3 right button released or context-menu key.
    virtual void trayEvent(WindowId w, int kind) = 0;
};

}  // namespace tintora
