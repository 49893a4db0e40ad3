#pragma once
// The language of every text: Chinese or English, kept in Start.ini and switched from the console's
// menu at once.
#include "core/notice.h"
#include "core/settings.h"
#include "platform/platform.h"

namespace tintora {

// Speaks the language Start.ini gives: "en" is English, anything else (or nothing) Chinese.
void loadLanguage(const Settings& settings);
// The same for a start that only tells the user something or hands a command over: the settings
// of the folder a full start would use.
void loadLanguage(Profile& profile, FileSystem& files, Process& process);
// The menu item under "选项" that names the other language: switches to it, keeps the choice, and
// shows every caption of both windows in it, the console widened where a caption needs it.
void switchLanguage(Platform& p, Settings& settings, Notices& notices);

}  // namespace tintora
