#pragma once
// Commands given to tintora.exe on its command line: one table of their names, what each takes and
// what it does, the parsing of a command line into one command, the words the running copy is sent,
// and the usage. Parsing never depends on what runs: a line not understood exits 64 at once.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/capture.h"
#include "platform/events.h"

namespace tintora {

enum class CommandKind {
    toggle,
    opacity,
    stronger,
    weaker,
    colour,
    shot,
    fullScreen,
    windowed,
    console,
    tray,
    quit,
    usage,
};

struct Command {
    CommandKind kind = CommandKind::usage;
    // /opacity: its value first; /colour: R, G and B.
    std::array<int, 3> values{};
    // /shot: the format asked for, or the last one chosen.
    std::optional<ImageFormat> format;
    friend bool operator==(const Command&, const Command&) = default;
};

// A command to carry out, or the answer given at once: the usage, or why the line is not
// understood (exit 64).
using ParsedCommand = std::variant<Command, CommandAnswer>;

// The words after the program's name.
ParsedCommand parseCommand(std::span<const std::string> words);
// The command as one line of words separated by spaces, as the running copy receives it;
// parsing its words gives the same command back.
std::string commandText(const Command& command);
std::vector<std::string> splitWords(std::string_view text);

// The answer to a command when no Tintora runs; none when a Tintora is to start and carry it out.
std::optional<CommandAnswer> answerWithoutTintora(const Command& command);

// The table of commands with what each does, and the exit codes.
std::string usageText();

}  // namespace tintora
