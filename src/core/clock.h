#pragma once
// A repeating clock without a window, owned: it stops when it is started again, stopped, or
// destroyed.
#include <functional>

#include "platform/desktop.h"

namespace tintora {

class Clock {
public:
    Clock() = default;
    ~Clock() { stop(); }
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;

    void start(Desktop& desktop, int milliseconds, std::function<void()> tick)
    {
        stop();
        desktop_ = &desktop;
        id_ = desktop.startCallbackTimer(milliseconds, std::move(tick));
    }
    void stop()
    {
        if (id_ != 0) desktop_->killCallbackTimer(id_);
        id_ = 0;
    }
    bool running() const { return id_ != 0; }

private:
    Desktop* desktop_ = nullptr;
    unsigned id_ = 0;
};

}  // namespace tintora
