#include "commands/commands.h"

#include <algorithm>

#include "design/texts.h"
#include "platform/names.h"

namespace tintora {
namespace {

enum class Argument { none, number, colour, format, onOff };

// What a command does when no Tintora runs: starts one that carries it out, is refused because it
// acts on a locked tint, or is done (nothing to end, or answered by the parsing).
enum class WithoutTintora { start, refuse, done };

struct CommandRow {
    std::string_view name;
    CommandKind kind;
    Argument argument;
    WithoutTintora withoutTintora;
    std::string_view syntax;  // the argument as the usage shows it
    Text description;
};

// clang-format off
constexpr CommandRow commandRows[] = {
    {"/toggle", CommandKind::toggle, Argument::none, WithoutTintora::start, "", texts::usageToggle},
    {"/opacity", CommandKind::opacity, Argument::number, WithoutTintora::refuse, "N", texts::usageOpacity},
    {"/stronger", CommandKind::stronger, Argument::none, WithoutTintora::refuse, "", texts::usageStronger},
    {"/weaker", CommandKind::weaker, Argument::none, WithoutTintora::refuse, "", texts::usageWeaker},
    {"/colour", CommandKind::colour, Argument::colour, WithoutTintora::refuse, "R,G,B", texts::usageColour},
    {"/shot", CommandKind::shot, Argument::format, WithoutTintora::refuse, "[bmp|jpeg|gif|png]", texts::usageShot},
    {"/fullscreen", CommandKind::fullScreen, Argument::none, WithoutTintora::refuse, "", texts::usageFullScreen},
    {"/windowed", CommandKind::windowed, Argument::none, WithoutTintora::refuse, "", texts::usageWindowed},
    {"/console", CommandKind::console, Argument::none, WithoutTintora::start, "", texts::usageConsole},
    {"/tray", CommandKind::tray, Argument::none, WithoutTintora::start, "", texts::usageTray},
    {"/schedule", CommandKind::schedule, Argument::onOff, WithoutTintora::start, "[on|off]", texts::usageSchedule},
    {"/quit", CommandKind::quit, Argument::none, WithoutTintora::done, "", texts::usageQuit},
    {"/?", CommandKind::usage, Argument::none, WithoutTintora::done, "", texts::usageUsage},
};
// clang-format on

struct FormatName {
    std::string_view name;
    ImageFormat format;
};
constexpr FormatName formatNames[] = {
    {"bmp", ImageFormat::bmp}, {"jpeg", ImageFormat::jpeg}, {"gif", ImageFormat::gif}, {"png", ImageFormat::png}};

constexpr int maxValue = 255;

const CommandRow* rowOf(CommandKind kind) { return &*std::ranges::find(commandRows, kind, &CommandRow::kind); }

// A value 0 to 255 written in decimal digits alone.
std::optional<int> valueOf(std::string_view text)
{
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > maxValue) return std::nullopt;
    return value;
}

CommandAnswer notUnderstood(std::string_view what, std::string_view word)
{
    return {exitcode::notUnderstood, std::string(what) + std::string(word) + texts::seeUsage};
}

// Fills the command's argument from the word; false when the word is not one.
bool takeArgument(Command& command, Argument argument, std::string_view word)
{
    switch (argument) {
        case Argument::number:
            if (const auto v = valueOf(word)) command.values[0] = *v;
            return valueOf(word).has_value();
        case Argument::colour: {
            std::size_t start = 0;
            for (int& value : command.values) {
                if (start > word.size()) return false;  // fewer than three values
                const std::size_t end = std::min(word.find(',', start), word.size());
                const auto v = valueOf(word.substr(start, end - start));
                if (!v) return false;
                value = *v;
                start = end + 1;
            }
            return start == word.size() + 1;
        }
        case Argument::format: {
            const auto found =
                std::ranges::find_if(formatNames, [&](const FormatName& f) { return sameName(f.name, word); });
            if (found != std::end(formatNames)) command.format = found->format;
            return found != std::end(formatNames);
        }
        case Argument::onOff:
            if (sameName(word, "on") || sameName(word, "off")) command.turnOn = sameName(word, "on");
            return command.turnOn.has_value();
        case Argument::none: break;
    }
    return false;
}

}  // namespace

ParsedCommand parseCommand(std::span<const std::string> words)
{
    if (words.empty()) return notUnderstood(texts::commandUnknown, "");
    const auto row = std::ranges::find_if(commandRows, [&](const CommandRow& r) { return sameName(r.name, words[0]); });
    if (row == std::end(commandRows)) return notUnderstood(texts::commandUnknown, words[0]);
    Command command;
    command.kind = row->kind;
    const bool takesOne = row->argument == Argument::number || row->argument == Argument::colour;
    if (takesOne && words.size() < 2)
        return notUnderstood(texts::valueMissing, words[0] + " " + std::string(row->syntax));
    const std::size_t most = row->argument == Argument::none ? 1 : 2;
    if (words.size() > most) return notUnderstood(texts::valueNotUnderstood, words[most]);
    if (words.size() == 2 && !takeArgument(command, row->argument, words[1]))
        return notUnderstood(texts::valueNotUnderstood, words[1]);
    if (command.kind == CommandKind::usage) return CommandAnswer{exitcode::done, usageText()};
    return command;
}

std::string commandText(const Command& command)
{
    std::string text(rowOf(command.kind)->name);
    const auto number = [&](std::size_t i) { return std::to_string(command.values[i]); };
    if (command.kind == CommandKind::opacity) text += " " + number(0);
    if (command.kind == CommandKind::colour) text += " " + number(0) + "," + number(1) + "," + number(2);
    if (command.turnOn) text += *command.turnOn ? " on" : " off";
    if (command.format)
        text += " " + std::string(std::ranges::find(formatNames, *command.format, &FormatName::format)->name);
    return text;
}

std::vector<std::string> splitWords(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

std::optional<CommandAnswer> answerWithoutTintora(const Command& command)
{
    switch (rowOf(command.kind)->withoutTintora) {
        case WithoutTintora::start: break;
        case WithoutTintora::refuse: return CommandAnswer{exitcode::notNow, texts::tintoraNotRunning};
        case WithoutTintora::done: return CommandAnswer{exitcode::done, {}};
    }
    return std::nullopt;
}

std::string usageText()
{
    constexpr std::size_t column = 28;
    std::string text(texts::usageTitle);
    for (const CommandRow& row : commandRows) {
        std::string line = "  " + std::string(row.name);
        if (!row.syntax.empty()) line += " " + std::string(row.syntax);
        line.resize(std::max(column, line.size() + 1), ' ');
        text += "\r\n" + line + row.description;
    }
    return text + "\r\n" + texts::usageExitCodes;
}

}  // namespace tintora
