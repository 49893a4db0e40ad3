#pragma once
// Short messages to the user in a balloon by the console, never a modal box in the way of the tint.
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace tintora {

class Notices {
public:
    explicit Notices(Tray& tray) : tray_(tray) {}

    // Where the balloon points; the console's shell tells it (by the console, or by the tray while
    // the console is hidden there).
    void pointAt(std::function<Point()> anchor) { anchor_ = std::move(anchor); }
    void show(std::string_view text);
    // A failure the user's own action met: what did not happen, then the reason.
    void reportFailure(std::string_view what, const Outcome& failure);
    // A failure of work the user did not ask for (a default file, a value put back): told once a session.
    void reportBackgroundFailure(std::string_view what, const Outcome& failure);
    // What a clock that keeps itself running does with a start that failed: tells it as above.
    std::function<void(const Outcome&)> clockFailureTeller();

private:
    Tray& tray_;
    std::function<Point()> anchor_;
    std::set<std::string> toldFailures_;
};

}  // namespace tintora
