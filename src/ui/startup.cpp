#include "ui/startup.h"

#include "design/design.h"
#include "design/texts.h"
#include "hotkeys/hotkeys.h"
#include "overlay/overlay.h"

namespace tintora {
namespace {

void createFolderIfMissing(App& app, const std::string& folder)
{
    if (!app.platform.files.exists(folder)) app.platform.files.createFolder(folder);
}

// Writes the default items of a settings file, one write per key, only when the file is missing.
void writeDefaultsIfMissing(App& app, const std::vector<std::pair<SettingsItem, std::string_view>>& defaults)
{
    if (app.platform.files.exists(app.settings.pathOf(defaults.begin()->first))) return;
    for (const auto& [item, value] : defaults) app.settings.write(item, value);
}

void showBackground(App& app, bool vivid)
{
    auto& menus = app.platform.menus;
    menus.setChecked(startup::启动背景_柔和, !vivid);
    menus.setChecked(startup::启动背景_鲜艳, vivid);
    if (menus.isChecked(startup::启动背景_柔和)) app.platform.controls.setPicture(startupPicture, StartupPicture::soft);
    if (menus.isChecked(startup::启动背景_鲜艳))
        app.platform.controls.setPicture(startupPicture, StartupPicture::vivid);
}

}  // namespace

void chooseDataFolder(App& app)
{
    auto& files = app.platform.files;
    const std::string probe = app.path(paths::writeProbe, Base::program);
    if (files.writeFile(probe, {})) {
        files.removeFile(probe);
        return;
    }
    const std::string userFolder = app.platform.process.userDataDirectory();
    if (userFolder.empty()) return;  // nowhere better: the files stay beside the program
    app.folders.data = userFolder + std::string(paths::userDataFolder);
    createFolderIfMissing(app, app.folders.data);
}

std::string dataMovedText(const App& app) { return texts::dataMovedNotice + app.folders.data; }

void onStartupWindowCreated(App& app)
{
    auto& p = app.platform;
    createFolderIfMissing(app, app.path(paths::configFolder));
    createFolderIfMissing(app, app.path(paths::imagesFolder));

    writeDefaultsIfMissing(app, {{items::meter, "0"}});
    writeDefaultsIfMissing(app, {{items::chartPicture, ""}, {items::chartChoice, "3"}, {items::chartGroup, "0"}});
    writeDefaultsIfMissing(
        app, {{items::colourA, "30"}, {items::colourR, "255"}, {items::colourG, "255"}, {items::colourB, "255"}});
    writeDefaultsIfMissing(app, {{items::startSmall, "0"}, {items::background, "0"}});
    writeDefaultsIfMissing(app, hotkeyDefaults());

    showBackground(app, app.settings.readInt(items::background) != 0);

    // The picture box covers the client area and 30 pixels below it.
    const Geometry window = p.windows.geometry(WindowId::startup);
    const Size client = p.windows.clientSize(WindowId::startup);
    const int below = scaled(30, p.windows.dpi(WindowId::startup));
    p.controls.setGeometry(startupPicture, {0, 0, window.width - (window.width - client.width),
                                            window.height - (window.height - client.height - below)});

    app.state.snapKeyState = SnapKeyState::ignoringKeys;
    app.state.opacityStep = OpacityStep::none;
    for (auto timer : {selfStoppingClock, followPointerClock, opacityStepClock}) p.timers.setInterval(timer, 16);
    p.controls.setSliderPosition(startupOpacitySlider, 255);
    app.state.random.seed(p.desktop.tickCount());

    const WindowHandle overlay = p.windows.handle(WindowId::startup);
    p.desktop.setExtendedStyle(overlay, p.desktop.extendedStyle(overlay) | exstyle::layered);
    setOverlayOpacity(app, p.controls.sliderPosition(startupOpacitySlider));

    for (auto menu : hintMenus) p.menus.setVisible(menu, false);
    loadHotkeys(app);
}

void chooseSoftBackground(App& app)
{
    app.settings.write(items::background, "0");
    showBackground(app, false);
}

void chooseVividBackground(App& app)
{
    app.settings.write(items::background, "1");
    showBackground(app, true);
}

void exitProgram(App& app, int code)
{
    app.state.keeperTimerIds.clear();
    app.platform.process.exit(code);
}

}  // namespace tintora
