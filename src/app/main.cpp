// The Windows entry: builds the real platform, the behaviour on top of it, and runs the message loop;
// a start while Tintora runs brings the running one forward instead, or hands it its command.
#include <windows.h>

#include "app/tintora.h"
#include "commands/commands.h"
#include "ui/language.h"
#include "win32/command_line.h"
#include "win32/real_platform.h"
#include "win32/single_instance.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace tintora;

    const std::vector<std::string> words = win32::commandLineWords();
    std::optional<Command> command;
    // The menus are made with the backend, and the usage and answers may come before it: both speak
    // the language of the settings from the start.
    {
        win32::Win32Profile profile;
        win32::Win32FileSystem files;
        win32::Win32Process process;
        loadLanguage(profile, files, process);
    }
    if (!words.empty()) {
        // A line not understood sends nothing and starts nothing.
        const ParsedCommand parsed = parseCommand(words);
        if (const auto* refusal = std::get_if<CommandAnswer>(&parsed)) {
            win32::tellUser(*refusal);
            return refusal->exitCode;
        }
        command = std::get<Command>(parsed);
        if (command->kind == CommandKind::usage) {
            win32::tellUser({exitcode::done, usageText()});
            return exitcode::done;
        }
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
    // Nothing runs that could be ended.
    if (command && command->kind == CommandKind::quit) return exitcode::done;

    win32::RealPlatform backend;
    Tintora app(backend.platform);
    backend.ui.connect(app);
    app.start();
    // A quiet start: the opening screen stays hidden and a tray icon stands for it.
    backend.ui.createStartupWindow(!command || command->kind != CommandKind::tray);
    if (command) app.commandReceived(commandText(*command), win32::tellUser);
    return backend.ui.run();
}
