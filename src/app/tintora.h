#pragma once
// The dispatcher: the platform's events, each wired to its handler.
#include "app/app.h"
#include "commands/commands.h"
#include "platform/events.h"

namespace tintora {

class Tintora final : public EventSink {
public:
    explicit Tintora(Platform& platform);

    // Program entry before the start-up window exists: the current directory becomes the run
    // directory, and the folder of Config and Images is chosen.
    void start();
    App& app() { return app_; }

    void windowCreated(WindowId w) override;
    void windowCloseRequested(WindowId w) override;
    void keyDown(WindowId w, int virtualKey) override;
    void menuCommand(MenuRef m) override;
    void timerTick(TimerRef t) override;
    void sliderChanged(ControlRef c) override;
    void buttonClicked(ControlRef c) override;
    void trayEvent(WindowId w, TrayEvent event) override;
    void hotkeyPressed(HotkeyAction action) override;
    void trayCreated(WindowId w) override;
    void anotherStart() override;
    void timeChanged() override;
    void resumedFromSleep() override;
    void monitorsChanged() override;
    bool commandReceived(const ReceivedCommand& command, const AnswerCommand& answer) override;
    // The command on the program's own command line, carried out once its start-up window exists.
    void commandGiven(const Command& command, const AnswerCommand& answer);

private:
    // Moves the tint's opacity by delta (a hotkey); nothing before the lock.
    void stepOpacity(int delta);

    App app_;
};

}  // namespace tintora
