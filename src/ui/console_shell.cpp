#include "ui/console_shell.h"

#include "capture/screenshots.h"
#include "core/console_window.h"
#include "core/notice.h"
#include "colour/colour_controls.h"
#include "design/design.h"
#include "overlay/placement.h"
#include "overlay/target_follower.h"
#include "design/texts.h"
#include "hotkeys/hotkeys.h"
#include "ui/startup.h"
#include "ui/topmost_keeper.h"
#include "ui/tray_start.h"

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

// The layout's own numbers are design pixels too, scaled like the controls' sizes, so that the
// console at 150 % is the console at 100 % enlarged 1.5 times.
void layOutRow(App& app, const Row& row, int top, int dpi)
{
    moveTo(app, row.name, scaled(12, dpi), top);
    moveTo(app, row.slider, widthOf(app, row.name) + scaled(18, dpi), top);
    moveTo(app, row.value, widthOf(app, row.value) + widthOf(app, row.slider) + scaled(34, dpi), top);
}

void layOutConsole(App& app)
{
    const Row rows[] = {
        {console::标签1, redSlider, redValueLabel},
        {console::标签2, greenSlider, greenValueLabel},
        {console::标签3, blueSlider, blueValueLabel},
        {console::标签9, opacitySlider, opacityValueLabel},
        {console::标签4, strengthValueLabel, saveColourButton},
    };
    auto& w = app.platform.windows;
    const int dpi = w.dpi(WindowId::console);
    for (int i = 0; i < 5; ++i) layOutRow(app, rows[i], scaled(12, dpi) + scaled(70, dpi) * i, dpi);

    const Geometry window = w.geometry(WindowId::console);
    const Size client = w.clientSize(WindowId::console);
    const Size screen = app.platform.desktop.screenSize();
    const double frameWidth = window.width - client.width;
    const double frameHeight = window.height - client.height;
    const double left = (screen.width - window.width) / 2.0;
    const double top = (screen.height - window.height) / 2.0;
    const double width =
        2.0 * widthOf(app, console::标签1) + widthOf(app, redSlider) + scaled(48, dpi) + frameWidth + scaled(6, dpi);
    const double height =
        4.0 * heightOf(app, redValueLabel) + heightOf(app, saveColourButton) + frameHeight + scaled(82, dpi);
    w.move(WindowId::console,
           {static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height)});
}

void checkStartOption(App& app, int mode)
{
    app.platform.menus.setChecked(console::启动后控制台正常显示, mode == consoleShown);
    app.platform.menus.setChecked(console::启动后控制台最小化显示, mode == consoleInTray);
}

}  // namespace

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

    state.overlayMode = OverlayMode::windowed;
    loadFollowChoice(app);
    state.screenshotCounter = app.settings.readInt(items::meter);
    loadColourSettings(app);

    state.initialTintDone = false;
    p.timers.setInterval(firstTintClock, 60);
    startTopmostKeeper(app, p.windows.handle(WindowId::console), p.windows.handle(WindowId::startup));
    for (auto menu : {startup::按任意键锁定窗口, startup::ESC建或退格键返回, startup::按住鼠标可拖动已选择区域,
                      startup::开始, startup::关于})
        p.menus.setVisible(menu, false);
    refreshCounterCaption(app);
    p.timers.setInterval(chartClock, 40);
    p.menus.setChecked(console::全局快捷键, state.hotkeysOn);
    if (app.dataMoved()) showNotice(app, dataMovedText(app));
    tellHotkeyProblems(app);
}

void hideConsoleToTray(App& app)
{
    // Hiding twice would remember the off-screen place and lose the real one.
    if (app.state.consoleInTray) return;
    auto& p = app.platform;
    // Off the screen without an icon the console could not be reached again: it stays, and goes
    // to the tray when the shell's notification area comes.
    app.state.trayAwaited = !p.tray.setIcon(WindowId::console, texts::trayTip);
    if (app.state.trayAwaited) {
        showNotice(app, texts::trayUnavailable);
        return;
    }
    app.state.savedConsoleLeft = p.windows.geometry(WindowId::console).left;
    moveConsoleOffScreen(app);
    giveKeyboardBack(app);
    // At a start in the tray the console is shown here, without the keyboard, before its opening
    // would show and activate it.
    p.windows.showNormal(WindowId::console);
    app.state.consoleInTray = true;
    showNotice(app, texts::trayBalloon);
}

void restoreConsole(App& app)
{
    setConsoleLeft(app, app.state.savedConsoleLeft);
    app.platform.tray.removeIcon(WindowId::console);
    app.state.consoleInTray = false;
}

void onConsoleTrayEvent(App& app, TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(app, WindowId::console);
    if (event == TrayEvent::doubleClick) restoreConsole(app);
}

void bringConsoleBack(App& app)
{
    if (!app.locked()) {
        // A quiet start's opening screen comes out of the tray as a normal start shows it.
        if (app.state.openingInTray) showOpeningScreen(app);
        return;
    }
    if (app.state.consoleInTray) restoreConsole(app);
    app.platform.windows.activate(WindowId::console);
}

void bringForward(App& app)
{
    if (app.locked())
        bringConsoleBack(app);
    else
        showOpeningScreen(app);
}

void onTrayCreated(App& app)
{
    if (app.state.trayAwaited) hideConsoleToTray(app);
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

}  // namespace tintora
