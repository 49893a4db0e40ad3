#include "ui/console_shell.h"

#include "capture/screenshots.h"
#include "colour/colour_controls.h"
#include "overlay/placement.h"
#include "ui/texts.h"

namespace tintora {
namespace {

constexpr int consoleShown = 0;
constexpr int consoleInTray = 1;

// A row of the console: a name label, a slider and a value label. The bottom row (label, value,
// button) is laid out by the same rule.
struct Row {
    console::Control name;
    console::Control slider;
    console::Control value;
};

// Moves a control, keeping its size.
void moveTo(App& app, ControlRef c, double left, int top)
{
    Geometry g = app.platform.controls.geometry(c);
    g.left = static_cast<int>(left);
    g.top = top;
    app.platform.controls.setGeometry(c, g);
}

int widthOf(App& app, ControlRef c) { return app.platform.controls.geometry(c).width; }
int heightOf(App& app, ControlRef c) { return app.platform.controls.geometry(c).height; }

void layOutRow(App& app, const Row& row, int top)
{
    moveTo(app, row.name, 12, top);
    moveTo(app, row.slider, widthOf(app, row.name) + 18.0, top);
    moveTo(app, row.value, widthOf(app, row.value) + widthOf(app, row.slider) + 34.0, top);
}

void layOutConsole(App& app)
{
    const Row rows[] = {
        {console::标签1, console::滑块条2, console::标签6}, {console::标签2, console::滑块条3, console::标签7},
        {console::标签3, console::滑块条4, console::标签8}, {console::标签9, console::滑块条1, console::标签5},
        {console::标签4, console::标签10, console::按钮1},
    };
    for (int i = 0; i < 5; ++i) layOutRow(app, rows[i], 12 + 70 * i);

    auto& w = app.platform.windows;
    const Geometry window = w.geometry(WindowId::console);
    const Size client = w.clientSize(WindowId::console);
    const Size screen = app.platform.desktop.screenSize();
    const double frameWidth = window.width - client.width;
    const double frameHeight = window.height - client.height;
    const double left = (screen.width - window.width) / 2.0;
    const double top = (screen.height - window.height) / 2.0;
    const double width = 2.0 * widthOf(app, console::标签1) + widthOf(app, console::滑块条2) + 48 + frameWidth + 6;
    const double height = 4.0 * heightOf(app, console::标签6) + heightOf(app, console::按钮1) + frameHeight + 82;
    w.move(WindowId::console,
           {static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height)});
}

void checkStartOption(App& app, int mode)
{
    app.platform.menus.setChecked(console::启动后控制台正常显示, mode == consoleShown);
    app.platform.menus.setChecked(console::启动后控制台最小化显示, mode == consoleInTray);
}

}  // namespace

void setConsoleLeft(App& app, int left)
{
    Geometry g = app.platform.windows.geometry(WindowId::console);
    g.left = left;
    app.platform.windows.move(WindowId::console, g);
}

void onConsoleCreated(App& app)
{
    auto& p = app.platform;
    auto& state = app.state;
    layOutConsole(app);

    state.consoleStartMode = app.settings.readInt(items::startSmall);
    state.startColourR = app.settings.readInt(items::colourR);
    state.startColourG = app.settings.readInt(items::colourG);
    state.startColourB = app.settings.readInt(items::colourB);
    checkStartOption(app, state.consoleStartMode);
    if (state.consoleStartMode == consoleInTray) hideConsoleToTray(app);

    state.overlayScreenMode = overlayWindowed;
    state.screenshotCounter = app.settings.readInt(items::meter);
    loadColourSettings(app);

    state.initialTintDone = 0;
    p.timers.setInterval(console::时钟1, 60);
    startTopmostKeeper(app, p.windows.handle(WindowId::console));
    for (auto menu : {startup::按任意键锁定窗口, startup::ESC建或退格键返回, startup::按住鼠标可拖动已选择区域,
                      startup::开始, startup::关于})
        p.menus.setVisible(menu, false);
    refreshCounterCaption(app);
    p.timers.setInterval(console::时钟2, 40);
}

void hideConsoleToTray(App& app)
{
    // Hiding twice would remember the off-screen place and lose the real one.
    if (app.state.consoleInTray) return;
    auto& p = app.platform;
    app.state.savedConsoleLeft = p.windows.geometry(WindowId::console).left;
    setConsoleLeft(app, trayHiddenLeft);
    p.tray.setIcon(WindowId::console, texts::trayTip);
    const Size screen = p.desktop.screenSize();
    p.tray.showBalloon(texts::trayBalloon, {screen.width - 110, screen.height - 128});
    app.state.consoleInTray = true;
}

void restoreConsole(App& app)
{
    setConsoleLeft(app, app.state.savedConsoleLeft);
    app.platform.tray.removeIcon(WindowId::console);
    app.state.consoleInTray = false;
}

void onConsoleTrayEvent(App& app, int kind)
{
    if (kind == 3) app.platform.tray.popupMenu(console::快捷菜单);
    if (kind == 2) restoreConsole(app);
}

void chooseConsoleShownAtStart(App& app)
{
    checkStartOption(app, consoleShown);
    app.state.consoleStartMode = consoleShown;
    app.settings.write(items::startSmall, consoleShown);
}

void chooseConsoleInTrayAtStart(App& app)
{
    checkStartOption(app, consoleInTray);
    app.state.consoleStartMode = consoleInTray;
    app.settings.write(items::startSmall, consoleInTray);
}

void showHelp(App& app) { app.platform.shell.messageBox(texts::helpText, texts::helpCaption); }

void showVersion(App& app) { app.platform.shell.messageBox(texts::versionText, texts::versionCaption); }

void openHomepage(App& app) { app.platform.shell.open(texts::homepage); }

void startTopmostKeeper(App& app, WindowHandle window)
{
    auto& desktop = app.platform.desktop;
    for (unsigned id : app.state.keeperTimerIds) desktop.killCallbackTimer(id);
    app.state.keptTopmostWindow = window;
    app.state.keeperTimerIds.push_back(desktop.startCallbackTimer(50, [&app] { keepWindowOnTop(app); }));
}

void keepWindowOnTop(App& app)
{
    auto& desktop = app.platform.desktop;
    const WindowHandle foreground = desktop.foregroundWindow();
    const WindowHandle kept = app.state.keptTopmostWindow;
    if (foreground == kept) return;
    // Only a topmost window can cover the console. Restacking an ordinary one would lift it
    // over other windows on some window systems.
    if (desktop.extendedStyle(foreground) & exstyle::topmost) desktop.setTopmost(foreground, false);
    desktop.setTopmost(kept, true);
}

}  // namespace tintora
