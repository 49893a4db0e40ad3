#include "app/command_runner.h"

#include "capture/screenshots.h"
#include "colour/colour_controls.h"
#include "design/texts.h"
#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/tint_schedule.h"
#include "ui/console_shell.h"

namespace tintora {
namespace {

const CommandAnswer done{exitcode::done, {}};

CommandAnswer notNow(std::string reason) { return {exitcode::notNow, std::move(reason)}; }

// The commands that act on the locked tint, through its owner as the sliders and hotkeys do.
CommandAnswer carryOutLocked(App& app, const Command& command)
{
    Tint& tint = app.state.overlay.tint;
    ScreenshotState& screenshots = app.state.screenshots;
    switch (command.kind) {
        // A change of the tint by hand, as a slider's: it holds the schedule until its next edge.
        case CommandKind::opacity:
            setTintOpacity(app.platform, tint, command.values[0]);
            holdScheduleByHand(app);
            break;
        case CommandKind::stronger:
        case CommandKind::weaker:
            setTintOpacity(
                app.platform, tint,
                tint.alpha + (command.kind == CommandKind::stronger ? opacityHotkeyStep : -opacityHotkeyStep));
            holdScheduleByHand(app);
            break;
        case CommandKind::colour:
            setTintColour(app.platform, tint, rgb(command.values[0], command.values[1], command.values[2]));
            holdScheduleByHand(app);
            break;
        case CommandKind::shot:
            if (const Outcome saved = saveScreenshot(app, command.format.value_or(screenshots.screenshotFormat));
                !saved)
                return notNow(std::string(texts::screenshotNotSaved) + saved.reason());
            break;
        case CommandKind::fullScreen: goFullScreen(app); break;
        case CommandKind::windowed: goWindowed(app); break;
        default: break;
    }
    return done;
}

CommandAnswer carryOutNow(App& app, const Command& command)
{
    switch (command.kind) {
        case CommandKind::toggle: toggleTintsByHand(app); return done;
        case CommandKind::schedule: return scheduleCommand(app, command.turnOn);
        case CommandKind::console: bringForward(app); return done;
        case CommandKind::tray:
            if (locked(app))
                hideConsoleToTray(app);
            else if (app.state.snap.snapKeyState == SnapKeyState::awaitingKey)
                return notNow(texts::snapInProgress);
            else
                hideOpeningScreenToTray(app);
            return done;
        default: break;
    }
    if (!locked(app)) return notNow(texts::notLockedYet);
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
