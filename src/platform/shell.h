#pragma once
#include <string_view>

#include "platform/types.h"

namespace tintora {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a folder or address with the system's default handler.
    [[nodiscard]] virtual Outcome open(std::string_view target) = 0;
    // A topmost message box with an OK button, no icon and no owner.
    virtual void messageBox(std::string_view text, std::string_view caption) = 0;
};

}  // namespace tintora
