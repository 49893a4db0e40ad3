#include "app/command_runner.h"

#include "capture/screenshots.h"
#include "colour/colour_controls.h"
#include "design/texts.h"

namespace tintora {
namespace {

const CommandAnswer done{exitcode::done, {}};

CommandAnswer notNow(std::string reason) { return {exitcode::notNow, std::move(reason)}; }

// The commands that act on the locked tint, through its owner as the sliders and hotkeys do.
CommandAnswer carryOutLocked(App& app, const Command& command)
{
    Overlay& overlay = app.overlay;
    Controls& sliders = app.platform.controls;
    ScreenshotState& screenshots = app.state.screenshots;
    switch (command.kind) {
        // A change of the tint by hand, as a slider's: it holds the schedule until its next edge.
        case CommandKind::opacity:
            setOpacityWithSliders(sliders, overlay, command.values[0]);
            app.schedule.holdScheduleByHand();
            break;
        case CommandKind::stronger:
        case CommandKind::weaker:
            setOpacityWithSliders(sliders, overlay,
                                  overlay.tint().alpha +
                                      (command.kind == CommandKind::stronger ? opacityHotkeyStep : -opacityHotkeyStep));
            app.schedule.holdScheduleByHand();
            break;
        case CommandKind::colour:
            setColourWithSliders(sliders, overlay, rgb(command.values[0], command.values[1], command.values[2]));
            app.schedule.holdScheduleByHand();
            break;
        case CommandKind::shot:
            if (const Outcome saved = saveScreenshot(app.platform, app.settings, app.folders, app.notices, screenshots,
                                                     command.format.value_or(screenshots.screenshotFormat));
                !saved)
                return notNow(std::string(texts::screenshotNotSaved) + saved.reason());
            break;
        case CommandKind::fullScreen: app.placement.goFullScreen(); break;
        case CommandKind::windowed: app.placement.goWindowed(); break;
        default: break;
    }
    return done;
}

CommandAnswer carryOutNow(App& app, const Command& command)
{
    switch (command.kind) {
        case CommandKind::toggle: app.schedule.toggleTintsByHand(); return done;
        case CommandKind::schedule: return app.schedule.scheduleCommand(command.turnOn);
        case CommandKind::console: app.console.bringForward(); return done;
        case CommandKind::tray:
            if (app.overlay.locked())
                app.console.hideConsoleToTray();
            else if (app.state.snap.snapKeyState == SnapKeyState::awaitingKey)
                return notNow(texts::snapInProgress);
            else
                app.console.hideOpeningScreenToTray();
            return done;
        default: break;
    }
    if (!app.overlay.locked()) return notNow(texts::notLockedYet);
    return carryOutLocked(app, command);
}

}  // namespace

void carryOut(App& app, const Command& command, const AnswerCommand& answer)
{
    if (command.kind == CommandKind::quit) {
        answer(done);
        endTintora(app);
        return;
    }
    answer(carryOutNow(app, command));
}

}  // namespace tintora
