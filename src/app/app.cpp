#include "app/app.h"

namespace tintora {

App::App(Platform& p)
    : platform(p),
      folders{p.process.runDirectory(), p.process.runDirectory()},
      settings(p.profile, folders),
      notices(p.tray),
      keeper(p, notices),
      overlay(p, keeper),
      follower(p, settings, notices, keeper, overlay),
      monitors(p, folders, notices, keeper, overlay),
      remembered(p, folders, notices, keeper, overlay),
      tints(overlay, remembered, monitors),
      placement(p, overlay, follower, monitors),
      schedule(p, settings, folders, notices, overlay, tints),
      console(p, settings, notices, keeper, overlay)
{
    notices.pointAt([this] { return console.noticeAnchor(); });
}

void endTintora(App& app)
{
    app.console.removeTrayIcons();
    app.tints.closeTintWindows();
    app.platform.process.exit(exitcode::done);
}

}  // namespace tintora
