#include "ui/startup.h"

#include "design/design.h"
#include "design/texts.h"
#include "hotkeys/hotkeys.h"
#include "overlay/overlay.h"
#include "overlay/topmost_keeper.h"

namespace tintora {
namespace {

void createFolderIfMissing(FileSystem& files, const std::string& folder)
{
    if (!files.exists(folder)) files.createFolder(folder);
}

// Writes the default items of a settings file, one write per key, only when the file is missing.
void writeDefaultsIfMissing(App& app, const std::vector<std::pair<SettingsItem, std::string_view>>& defaults)
{
    if (app.platform.files.exists(app.settings.pathOf(defaults.begin()->first))) return;
    for (const auto& [item, value] : defaults) app.settings.write(item, value);
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
    if (files.writeFile(probe, {})) {
        files.removeFile(probe);
        return;
    }
    const std::string userFolder = process.userDataDirectory();
    if (userFolder.empty()) return;  // nowhere better: the files stay beside the program
    folders.data = userFolder + std::string(paths::userDataFolder);
    createFolderIfMissing(files, folders.data);
}

std::string dataMovedText(const Folders& folders) { return texts::dataMovedNotice + folders.data; }

void onStartupWindowCreated(App& app)
{
    auto& p = app.platform;
    createFolderIfMissing(p.files, app.path(paths::configFolder));
    createFolderIfMissing(p.files, app.path(paths::imagesFolder));

    writeDefaultsIfMissing(app, {{items::meter, "0"}});
    writeDefaultsIfMissing(app, {{items::chartPicture, ""}, {items::chartChoice, "3"}, {items::chartGroup, "0"}});
    writeDefaultsIfMissing(
        app, {{items::colourA, "30"}, {items::colourR, "255"}, {items::colourG, "255"}, {items::colourB, "255"}});
    writeDefaultsIfMissing(app, {{items::startSmall, "0"}, {items::background, "0"}});
    writeDefaultsIfMissing(app, hotkeyDefaults());

    showBackground(p, app.settings.readInt(items::background) != 0);

    // The picture box covers the client area and 30 pixels below it.
    const Geometry window = p.windows.geometry(WindowId::startup);
    const Size client = p.windows.clientSize(WindowId::startup);
    const int below = scaled(30, p.windows.dpi(WindowId::startup));
    p.controls.setGeometry(startupPicture, {0, 0, window.width - (window.width - client.width),
                                            window.height - (window.height - client.height - below)});

    app.state.snap.snapKeyState = SnapKeyState::ignoringKeys;
    app.state.snap.opacityStep = OpacityStep::none;
    // The pointer clock runs only while smart snap follows the pointer, and the opacity step's only
    // while a step waits; the opening screen has neither.
    p.timers.setInterval(selfStoppingClock, 16);
    p.controls.setSliderPosition(startupOpacitySlider, 255);
    app.state.snap.random.seed(p.desktop.tickCount());

    const WindowHandle overlay = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(overlay, p.desktop.extendedStyle(overlay) | exstyle::layered);
    setOverlayOpacity(p, p.controls.sliderPosition(startupOpacitySlider));

    for (auto menu : hintMenus) p.menus.setVisible(menu, false);
    loadHotkeys(app.state.hotkeys, app.settings, p.hotkeys);
    watchForegroundChanges(app);
}

void chooseBackground(Platform& p, Settings& settings, bool vivid)
{
    settings.write(items::background, vivid ? "1" : "0");
    showBackground(p, vivid);
}

void exitProgram(Process& process, int code) { process.exit(code); }

}  // namespace tintora
