#pragma once
// What every handler works on: the platform, the process-wide state and the settings files.
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/state.h"
#include "platform/platform.h"

namespace tintora {

struct App {
    explicit App(Platform& p) : platform(p), runDir(p.process.runDirectory()), settings(p.profile, runDir) {}

    // The run directory followed by a suffix that begins with a backslash.
    std::string path(std::string_view suffix) const { return runDir + std::string(suffix); }

    Platform& platform;
    AppState state;
    std::string runDir;
    Settings settings;
};

}  // namespace tintora
