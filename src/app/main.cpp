// The Windows entry: builds the real platform, the behaviour on top of it, and runs the message loop;
// a start while Tintora runs brings the running one forward instead, or hands it its command.
#include <windows.h>

#include "app/settings_language.h"
#include "app/tintora.h"
#include "commands/commands.h"
#include "win32/command_channel.h"
#include "win32/command_line.h"
#include "win32/real_platform.h"
#include "win32/single_instance.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tintora;

    const std::vector<std::string> words = win32::commandLineWords();
    std::optional<Command> command;
    // The menus are made with the backend, and the usage and answers may come before it.
    speakLanguageOfSettings();
    if (!words.empty()) {
        // The usage, and a line not understood, send nothing and start nothing.
        const ParsedCommand parsed = parseCommand(words);
        if (const auto* answer = std::get_if<CommandAnswer>(&parsed)) {
            win32::tellUser(*answer);
            return answer->exitCode;
        }
        command = std::get<Command>(parsed);
    }

    const win32::SingleInstance instance;
    if (!instance.isFirst()) {
        if (!command) {
            win32::bringRunningInstanceForward();
            return exitcode::done;
        }
        const CommandAnswer answer = win32::sendCommand(commandText(*command));
        win32::tellUser(answer);
        return answer.exitCode;
    }
    // A command that acts on a locked tint, or /quit, starts nothing.
    if (const auto answer = command ? answerWithoutTintora(*command) : std::nullopt) {
        win32::tellUser(*answer);
        return answer->exitCode;
    }

    win32::RealPlatform backend;
    Tintora app(backend.platform);
    backend.ui.connect(app);
    app.start();
    // A quiet start: the opening screen stays hidden and a tray icon stands for it.
    backend.ui.createStartupWindow(!command || command->kind != CommandKind::tray);
    if (command) app.commandGiven(*command, win32::tellUser);
    return backend.ui.run();
}
