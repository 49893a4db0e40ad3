#pragma once
// Short messages to the user in a balloon by the console, never a modal box in the way of the tint.
#include <string_view>

#include "core/app.h"

namespace tintora {

// Points the balloon at the console's bottom edge, or at the tray while the console is hidden there.
void showNotice(App& app, std::string_view text);

}  // namespace tintora
