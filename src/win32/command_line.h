#pragma once
// The program's own command line in, and what it tells the user out: tintora.exe to the console of
// the shell that started it, or, started without one, in a message box; tintora.com to its own
// standard output or error.
#include <string>
#include <vector>

#include "platform/events.h"

namespace tintora::win32 {

// The words after the program's name, as the shell split them, in UTF-8.
std::vector<std::string> commandLineWords();
// Writes the answer's text with a line end to the standard output (a file or pipe gets UTF-8) or
// the parent's console; with neither, a message box shows it. Nothing when the text is empty.
void tellUser(const CommandAnswer& answer);
// Writes the answer's text with a line end to the standard output, or the standard error when the
// exit code is not 0: to a console in UTF-16, to a file or pipe in the console's output code page
// (without a console: UTF-8 with a byte-order mark). Nothing when the text is empty.
void writeAnswer(const CommandAnswer& answer);

}  // namespace tintora::win32
