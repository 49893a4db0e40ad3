#pragma once
// Opening folders and addresses, and message boxes, through shell32 and user32.
#include "platform/shell.h"
#include "win32/handles.h"

namespace tintora::win32 {

class Win32Shell final : public Shell {
public:
    Outcome open(std::string_view target) override;
    void messageBox(std::string_view text, std::string_view caption) override;

private:
    // Made on the UI thread with the platform, before the first ShellExecuteW.
    ComApartment com_;
};

}  // namespace tintora::win32
