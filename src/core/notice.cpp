#include "core/notice.h"

#include "design/texts.h"

namespace tintora {

void Notices::show(std::string_view text) { tray_.showBalloon(text, anchor_ ? anchor_() : Point{}); }

void Notices::reportFailure(std::string_view what, const Outcome& failure)
{
    if (!failure) show(std::string(what) + failure.reason());
}

void Notices::reportBackgroundFailure(std::string_view what, const Outcome& failure)
{
    if (!failure && toldFailures_.insert(failure.reason()).second) reportFailure(what, failure);
}

std::function<void(const Outcome&)> Notices::clockFailureTeller()
{
    return [this](const Outcome& failure) { reportBackgroundFailure(texts::clockNotStarted, failure); };
}

}  // namespace tintora
