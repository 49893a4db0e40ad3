#include "core/notice.h"

#include <string>

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

}  // namespace tintora
