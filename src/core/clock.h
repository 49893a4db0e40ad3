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

    // Fails, with the system's reason, when the system has no timer to give.
    [[nodiscard]] Outcome start(Desktop& desktop, int milliseconds, std::function<void()> tick)
    {
        stop();
        desktop_ = &desktop;
        const Desktop::CallbackTimer timer = desktop.startCallbackTimer(milliseconds, std::move(tick));
        id_ = timer.id;
        return id_ != 0 ? Outcome() : Outcome::failed(timer.failure);
    }
    void stop()
    {
        if (id_ != 0) desktop_->killCallbackTimer(id_);
        id_ = 0;
    }
    bool running() const { return id_ != 0; }
    // Runs while there is work for it: started now when needed() holds and it is not running,
    // stopped now when it does not, and after each tick once it no longer does. Fails as start().
    [[nodiscard]] Outcome runWhile(Desktop& desktop, int milliseconds, std::function<bool()> needed,
                                   std::function<void()> tick)
    {
        if (!needed()) {
            stop();
            return {};
        }
        if (running()) return {};
        return start(desktop, milliseconds, [this, needed = std::move(needed), tick = std::move(tick)] {
            tick();
            if (!needed()) stop();
        });
    }

private:
    Desktop* desktop_ = nullptr;
    unsigned id_ = 0;
};

}  // namespace tintora
