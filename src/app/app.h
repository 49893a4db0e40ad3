#pragma once
// The program: the platform, the settings files, and each part, built in the order they depend on
// one another; and the one way out.
#include "core/notice.h"
#include "core/settings.h"
#include "core/state.h"
#include "overlay/monitor_tints.h"
#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/remembered_tints.h"
#include "overlay/target_follower.h"
#include "overlay/tint_schedule.h"
#include "overlay/tints.h"
#include "overlay/topmost_keeper.h"
#include "ui/console_shell.h"

namespace tintora {

// The state of the parts whose handlers are plain functions.
struct AppState {
    SmartSnapState snap;
    ScreenshotState screenshots;
    HotkeysState hotkeys;
};

struct App {
    explicit App(Platform& p);
    // The parts refer to the folders, the settings and one another.
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    Folders folders;
    Settings settings;
    Notices notices;
    TopmostKeeper keeper;
    Overlay overlay;
    TargetFollower follower;
    MonitorTints monitors;
    RememberedTints remembered;
    Tints tints;
    Placement placement;
    TintSchedule schedule;
    ConsoleShell console;
    AppState state;
};

// The one way out, whatever asked: the tray icons and the tints in windows of their own go, then
// the process.
void endTintora(App& app);

}  // namespace tintora
