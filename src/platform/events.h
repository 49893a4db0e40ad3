#pragma once
// Events the platform delivers to the behaviour.
#include <functional>
#include <string>
#include <string_view>

#include "platform/hotkeys.h"
#include "platform/ids.h"

namespace tintora {

// What the user did to a window's tray icon.
enum class TrayEvent {
    chosen,  // clicked or double-clicked, or Enter or Space on it from the keyboard
    menu,    // right-clicked, or Shift+F10 or the menu key on it
};

// The answer to a command from the command line: the exit code the program that gave it ends with,
// and what the user is told (empty when there is nothing to tell).
struct CommandAnswer {
    int exitCode = 0;
    std::string text;
    friend bool operator==(const CommandAnswer&, const CommandAnswer&) = default;
};
// The exit codes a script sees.
namespace exitcode {
inline constexpr int done = 0;
inline constexpr int notNow = 2;
inline constexpr int notUnderstood = 64;
}  // namespace exitcode

using AnswerCommand = std::function<void(const CommandAnswer&)>;

// The window a command names for its answer, as the system describes it.
struct AnswerWindow {
    std::string className;     // empty when there is no such window
    bool everyWindow = false;  // the address that reaches every top-level window
    bool ofThisProgram = false;
    friend bool operator==(const AnswerWindow&, const AnswerWindow&) = default;
};
// A command from a later start as it arrived: the message's bytes, unchecked, and the window it
// names for the answer.
struct ReceivedCommand {
    std::string_view bytes;
    AnswerWindow answerTo;
};

class EventSink {
public:
    virtual ~EventSink() = default;
    // The window and all its controls and menus exist.
    virtual void windowCreated(WindowId w) = 0;
    virtual void windowCloseRequested(WindowId w) = 0;
    virtual void keyDown(WindowId w, int virtualKey) = 0;
    virtual void menuCommand(MenuRef m) = 0;
    virtual void timerTick(TimerRef t) = 0;
    // Raised for every step the user moves a slider, never for positions set by the program.
    virtual void sliderChanged(ControlRef c) = 0;
    virtual void buttonClicked(ControlRef c) = 0;
    virtual void trayEvent(WindowId w, TrayEvent event) = 0;
    // A registered hotkey was pressed, whichever program has the keyboard.
    virtual void hotkeyPressed(HotkeyAction action) = 0;
    // The shell's notification area has (re)appeared; the window's icon can be added now.
    virtual void trayCreated(WindowId w) = 0;
    // The program was started again while it runs; the later start has ended.
    virtual void anotherStart() = 0;
    // A later start gave a command; answer is called once, before the program may end. False when
    // the message is refused: nothing is carried out and nothing answered.
    virtual bool commandReceived(const ReceivedCommand& command, const AnswerCommand& answer) = 0;
};

}  // namespace tintora
