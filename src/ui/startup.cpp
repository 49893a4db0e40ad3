#include "ui/startup.h"

#include "design/design.h"
#include "design/texts.h"
#include "hotkeys/hotkeys.h"

namespace tintora {
namespace {

void createFolderIfMissing(FileSystem& files, const std::string& folder)
{
    if (!files.exists(folder)) files.createFolder(folder);
}

// Writes the default items of a settings file, one write per key, only when the file is missing.
// A failure is told for Tintora's own files; the chart tool's are written only where its folder is.
void writeDefaultsIfMissing(FileSystem& files, Settings& settings, Notices& notices,
                            const std::vector<std::pair<SettingsItem, std::string_view>>& defaults)
{
    if (files.exists(settings.pathOf(defaults.begin()->first))) return;
    for (const auto& [item, value] : defaults) {
        const Outcome written = settings.write(item, value);
        if (item.base == Base::data) notices.reportBackgroundFailure(texts::settingsNotSaved, written);
    }
}

}  // namespace

void showBackground(Platform& p, bool vivid)
{
    p.menus.setChecked(startup::启动背景_柔和, !vivid);
    p.menus.setChecked(startup::启动背景_鲜艳, vivid);
    if (p.menus.isChecked(startup::启动背景_柔和)) p.controls.setPicture(startupPicture, StartupPicture::soft);
    if (p.menus.isChecked(startup::启动背景_鲜艳)) p.controls.setPicture(startupPicture, StartupPicture::vivid);
}

void chooseDataFolder(FileSystem& files, Process& process, Folders& folders)
{
    const std::string probe = folders.path(paths::writeProbe, Base::program);
    if (files.writeFile(probe, {}).ok()) {
        files.removeFile(probe);
        return;
    }
    const std::string userFolder = process.userDataDirectory();
    if (userFolder.empty()) return;  // nowhere better: the files stay beside the program
    folders.data = userFolder + std::string(paths::userDataFolder);
    createFolderIfMissing(files, folders.data);
}

std::string dataMovedText(const Folders& folders) { return texts::dataMovedNotice + folders.data; }

void onStartupWindowCreated(Platform& p, Settings& settings, const Folders& folders, Notices& notices)
{
    createFolderIfMissing(p.files, folders.path(paths::configFolder));
    createFolderIfMissing(p.files, folders.path(paths::imagesFolder));
    const auto writeDefaults = [&](const std::vector<std::pair<SettingsItem, std::string_view>>& defaults) {
        writeDefaultsIfMissing(p.files, settings, notices, defaults);
    };

    writeDefaults({{items::meter, "0"}});
    writeDefaults({{items::chartPicture, ""}, {items::chartChoice, "3"}, {items::chartGroup, "0"}});
    writeDefaults({{items::colourA, "30"}, {items::colourR, "255"}, {items::colourG, "255"}, {items::colourB, "255"}});
    writeDefaults({{items::startSmall, "0"}, {items::background, "0"}});
    writeDefaults(hotkeyDefaults());

    showBackground(p, settings.readInt(items::background) != 0);

    // The picture box covers the client area and 30 pixels below it.
    const Geometry window = p.windows.geometry(WindowId::startup);
    const Size client = p.windows.clientSize(WindowId::startup);
    const int below = scaled(30, p.windows.dpi(WindowId::startup));
    p.controls.setGeometry(startupPicture, {0, 0, window.width - (window.width - client.width),
                                            window.height - (window.height - client.height - below)});

    for (auto menu : hintMenus) p.menus.setVisible(menu, false);
}

Outcome chooseBackground(Platform& p, Settings& settings, bool vivid)
{
    Outcome saved = settings.write(items::background, vivid ? "1" : "0");
    showBackground(p, vivid);
    return saved;
}

}  // namespace tintora
