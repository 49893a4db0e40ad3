#pragma once
// Short messages to the user in a balloon by the console, never a modal box in the way of the tint.
#include <functional>
#include <string_view>

#include "core/app.h"

namespace tintora {

// Shows the balloon where the console's shell points it: by the console, or by the tray while the
// console is hidden there.
void showNotice(App& app, std::string_view text);
// A failure the user's own action met: what did not happen, then the reason.
void reportFailure(App& app, std::string_view what, const Outcome& failure);
// A failure of work the user did not ask for (a default file, a value put back): told once a session.
void reportBackgroundFailure(App& app, std::string_view what, const Outcome& failure);
// What a clock that keeps itself running does with a start that failed: tells it as above.
std::function<void(const Outcome&)> clockFailureTeller(App& app);

}  // namespace tintora
