#include "core/notice.h"

#include <string>

#include "design/texts.h"

namespace tintora {

void showNotice(App& app, std::string_view text) { app.platform.tray.showBalloon(text, app.state.notices.anchor(app)); }

void reportFailure(App& app, std::string_view what, const Outcome& failure)
{
    if (!failure) showNotice(app, std::string(what) + failure.reason());
}

void reportBackgroundFailure(App& app, std::string_view what, const Outcome& failure)
{
    if (!failure && app.state.notices.toldFailures.insert(failure.reason()).second) reportFailure(app, what, failure);
}

std::function<void(const Outcome&)> clockFailureTeller(App& app)
{
    return [&app](const Outcome& failure) { reportBackgroundFailure(app, texts::clockNotStarted, failure); };
}

}  // namespace tintora
