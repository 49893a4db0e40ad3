#pragma once
// The "关于" commands: help, version and the homepage.
#include "core/settings.h"
#include "core/state.h"
#include "platform/shell.h"

namespace tintora {

void showHelp(Shell& shell, const Folders& folders, const HotkeysState& hotkeys);
void showVersion(Shell& shell);
[[nodiscard]] Outcome openHomepage(Shell& shell);

}  // namespace tintora
