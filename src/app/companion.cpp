// tintora.com, the console program a shell runs for "tintora" (PATHEXT tries .com before .exe): it
// hands a command to the running Tintora, or starts tintora.exe, waits for the answer, writes it to
// its own console and ends with the answer's exit code, so that a shell and a script wait for it.
#include <windows.h>

#include "app/settings_language.h"
#include "commands/commands.h"
#include "win32/command_channel.h"
#include "win32/command_line.h"
#include "win32/single_instance.h"

namespace {

tintora::CommandAnswer answerTo(const std::vector<std::string>& words)
{
    using namespace tintora;
    // Alone, it starts Tintora (or brings the running one forward) as tintora.exe does.
    if (words.empty()) return win32::startTintora({});
    const ParsedCommand parsed = parseCommand(words);
    if (const auto* answer = std::get_if<CommandAnswer>(&parsed)) return *answer;
    const Command& command = std::get<Command>(parsed);
    if (win32::tintoraRuns()) return win32::sendCommand(commandText(command));
    if (auto answer = answerWithoutTintora(command)) return *answer;
    return win32::startTintora(commandText(command));
}

}  // namespace

int wmain()
{
    tintora::speakLanguageOfSettings();
    const tintora::CommandAnswer answer = answerTo(tintora::win32::commandLineWords());
    tintora::win32::writeAnswer(answer);
    return answer.exitCode;
}
