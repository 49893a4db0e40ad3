#pragma once
// One Tintora per user session: two would fight over the same settings files and over the top of
// the screen. The first start holds a named mutex; a later one brings the running one forward.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/events.h"
#include "win32/handles.h"

namespace tintora::win32 {

class SingleInstance {
public:
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another Tintora of this session runs.
    bool isFirst() const { return first_; }

private:
    KernelHandle mutex_;
    bool first_ = true;
};

// The message a later start posts to a window of the running Tintora to bring it forward.
UINT bringForwardMessage();

// Finds the running Tintora's window (waiting a moment for one that is just starting), lets it take
// the foreground and asks it to come forward. Creates no window.
void bringRunningInstanceForward();

// Sends a command to the running Tintora's window (WM_COPYDATA) and waits for its answer, which
// comes back to a message-only window of this process. A copy of another user or run as
// administrator is refused by Windows; that, no window and no answer are answers with exit 2.
CommandAnswer sendCommand(std::string_view command);
// The command a WM_COPYDATA carries, when it carries one.
std::optional<std::string> commandOf(const COPYDATASTRUCT& data);
// Sends the answer back to the window the command came from.
void sendAnswer(HWND from, HWND to, const CommandAnswer& answer);

}  // namespace tintora::win32
