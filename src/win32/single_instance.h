#pragma once
// One Tintora per user session: two would fight over the same settings files and over the top of
// the screen. The first start holds a named mutex; a later one brings the running one forward.
#include <windows.h>

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

// True when a Tintora of this session runs (or is starting).
bool tintoraRuns();
// The running Tintora's window, waiting a moment for one that is just starting, which may take the
// foreground from this process; none when there is none.
HWND findRunningWindow();
// Finds the running Tintora's window, lets it take the foreground and asks it to come forward.
// Creates no window.
void bringRunningInstanceForward();

}  // namespace tintora::win32
