#pragma once
// A repeating clock without a window, owned: it stops when it is started again, stopped, or
// destroyed.
#include <cstdint>
#include <functional>

#include "platform/desktop.h"

namespace tintora {

// The check that runs whatever the system reports, for what it may leave out.
inline constexpr int everySecond = 1000;

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
        milliseconds_ = milliseconds;
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
    // Runs while there is work for it, at the interval interval() asks for: started now when
    // needed() holds and it is not running at that interval, stopped now when it does not, and
    // after each tick asked again, so that a new interval takes effect at once. A start that fails,
    // now or after a tick, is handed to failed() with the system's reason.
    void runWhile(Desktop& desktop, std::function<int()> interval, std::function<bool()> needed,
                  std::function<void()> tick, std::function<void(const Outcome&)> failed)
    {
        if (!needed()) {
            stop();
            return;
        }
        const int milliseconds = interval();
        if (running() && milliseconds == milliseconds_) return;
        const Outcome started = start(desktop, milliseconds, [this, &desktop, interval, needed, tick, failed] {
            tick();
            runWhile(desktop, interval, needed, tick, failed);
        });
        if (!started) failed(started);
    }

private:
    Desktop* desktop_ = nullptr;
    unsigned id_ = 0;
    int milliseconds_ = 0;
};

// The pace of a look that is the only way to see changes (Wine tells nothing of other programs'
// windows): quick while they come, slower once nothing has changed for a while and slower still
// once nothing has for longer (each look asks the system of every window looked at), quick again
// from the first change on.
class LookPace {
public:
    void changed(std::uint32_t now) { lastChange_ = now; }
    int interval(std::uint32_t now) const
    {
        const std::uint32_t still = now - lastChange_;
        return still < settleAfter ? quick : still < restAfter ? settled : resting;
    }

private:
    static constexpr std::uint32_t settleAfter = 2000;
    static constexpr std::uint32_t restAfter = 10000;
    static constexpr int quick = 16;
    static constexpr int settled = 100;
    static constexpr int resting = 250;
    std::uint32_t lastChange_ = 0;
};

}  // namespace tintora
