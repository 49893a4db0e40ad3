#pragma once
// The start at log-on as the current user's registry holds it: the value Tintora of the Run key, and
// the value of the same name Task Manager and Settings write under StartupApproved\Run.
#include <string>

#include "platform/autostart.h"

namespace tintora::win32 {

class Win32Autostart final : public Autostart {
public:
    // The exe the value starts; the running program's by default.
    explicit Win32Autostart(std::wstring program);
    Win32Autostart();

    std::optional<std::string> runCommand() const override;
    std::optional<std::uint8_t> approval() const override;
    std::string programPath() const override;
    bool samePath(std::string_view a, std::string_view b) const override;
    Outcome writeRunCommand(std::string_view commandLine) override;
    Outcome removeRunCommand() override;
    Outcome removeApproval() override;

private:
    std::wstring program_;
};

}  // namespace tintora::win32
