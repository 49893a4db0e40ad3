#pragma once
// Program start, the start-up window: its creation and the start-up picture.
#include <string>

#include "core/notice.h"
#include "core/settings.h"
#include "platform/platform.h"

namespace tintora {

// Keeps Config and Images beside the program when its folder can be written, or else in the user's
// own folder (a program installed under a protected folder, or started from read-only media).
void chooseDataFolder(FileSystem& files, Process& process, Folders& folders);
// Tells where Config and Images are, when they are not beside the program.
std::string dataMovedText(const Folders& folders);

// The folders and the default settings files made where they are missing, the background shown.
void onStartupWindowCreated(Platform& p, Settings& settings, const Folders& folders, Notices& notices);
// Checks the background's menu item and shows its picture, in the current language's version.
void showBackground(Platform& p, bool vivid);
// 启动背景: the soft or the vivid picture, kept in Start.ini.
[[nodiscard]] Outcome chooseBackground(Platform& p, Settings& settings, bool vivid);

}  // namespace tintora
