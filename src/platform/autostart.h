#pragma once
// Starting Tintora with Windows, for the current user alone: the command line in the Run key, and
// the state Task Manager's Startup tab and Settings keep beside it (StartupApproved\Run).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace tintora {

// The low bit of the first byte of a StartupApproved value: Windows skips the start.
inline constexpr std::uint8_t approvalDisabled = 0x01;

class Autostart {
public:
    virtual ~Autostart() = default;
    // The command line of Tintora's Run value; nothing when there is none.
    virtual std::optional<std::string> runCommand() const = 0;
    // The first byte of Tintora's StartupApproved value; nothing when there is none (not disabled).
    virtual std::optional<std::uint8_t> approval() const = 0;
    // The full path of the running program.
    virtual std::string programPath() const = 0;
    // Whether two paths name the same file as the file system compares names: without case.
    virtual bool samePath(std::string_view a, std::string_view b) const = 0;
    // Each gives the system's reason when it failed; removing what is not there is done.
    virtual Outcome writeRunCommand(std::string_view commandLine) = 0;
    virtual Outcome removeRunCommand() = 0;
    virtual Outcome removeApproval() = 0;
};

}  // namespace tintora
