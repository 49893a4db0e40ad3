#pragma once
// The "关于" commands: help, version and the homepage.
#include "core/app.h"

namespace tintora {

void showHelp(App& app);
void showVersion(Shell& shell);
[[nodiscard]] Outcome openHomepage(Shell& shell);

}  // namespace tintora
