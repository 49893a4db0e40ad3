#pragma once
// The channel of commands from a later start (tintora.exe or tintora.com with a command) to the
// running Tintora: the command goes in a WM_COPYDATA to the running copy's window, which answers in
// a WM_COPYDATA to the message-only window the later start waits in.
#include <windows.h>

#include <string_view>

#include "platform/events.h"

namespace tintora::win32 {

// Sends a command to the running Tintora's window and waits for its answer. A copy of another user
// or run as administrator is refused by Windows; that, no window and no answer are answers with
// exit 2.
CommandAnswer sendCommand(std::string_view command);
// A WM_COPYDATA to a window of the running Tintora, from the window named: a command is handed to
// the sink, which answers to that window. False when the message carries no command or is refused.
bool receiveCommand(EventSink& sink, HWND receiver, HWND answerTo, const COPYDATASTRUCT& data);
// Starts tintora.exe beside this program with the arguments, and waits until it takes input (or has
// handed the command on and ended).
CommandAnswer startTintora(std::string_view arguments);

}  // namespace tintora::win32
