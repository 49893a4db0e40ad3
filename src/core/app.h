#pragma once
// What every handler works on: the platform, the process-wide state and the settings files.
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/state.h"
#include "platform/platform.h"

namespace tintora {

struct App {
    explicit App(Platform& p)
        : platform(p), folders{p.process.runDirectory(), p.process.runDirectory()}, settings(p.profile, folders)
    {
    }
    // The settings refer to the folders.
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    std::string path(std::string_view suffix, Base base = Base::data) const { return folders.path(suffix, base); }

    Platform& platform;
    AppState state;
    Folders folders;
    Settings settings;
};

}  // namespace tintora
