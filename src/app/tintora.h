#pragma once
// The program's behaviour: the process-wide state and the handlers, wired to the platform's events.
#include <string>

#include "app/settings.h"
#include "app/state.h"
#include "platform/events.h"
#include "platform/platform.h"

namespace tintora {

struct App {
    explicit App(Platform& p) : platform(p), runDir(p.process.runDirectory()), settings(p.profile, runDir) {}

    // The run directory followed by a suffix that begins with a backslash.
    std::string path(std::string_view suffix) const { return runDir + std::string(suffix); }

    Platform& platform;
    AppState state;
    std::string runDir;
    Settings settings;
};

class Tintora final : public EventSink {
public:
    explicit Tintora(Platform& platform);

    // Program entry before the start-up window exists: the current directory becomes the run directory.
    void start();
    App& app() { return app_; }

    void windowCreated(WindowId w) override;
    void windowCloseRequested(WindowId w) override;
    void keyDown(WindowId w, int virtualKey) override;
    void menuCommand(MenuRef m) override;
    void timerTick(TimerRef t) override;
    void sliderChanged(ControlRef c) override;
    void buttonClicked(ControlRef c) override;
    void trayEvent(WindowId w, int kind) override;

private:
    App app_;
};

}  // namespace tintora
