#include "ui/console_shell.h"

#include <algorithm>

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
#include "overlay/topmost_keeper.h"

namespace tintora {
namespace {

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
// console at 150 % is the console at 100 % enlarged 1.5 times. A caption wider than its design width
// has widened its control, which pushes the controls right of it further right. Returns the right
// edge of the row.
int layOutRow(App& app, const Row& row, int top, int dpi)
{
    moveTo(app, row.name, scaled(12, dpi), top);
    moveTo(app, row.slider, widthOf(app, row.name) + scaled(18, dpi), top);
    const Geometry slider = app.platform.controls.geometry(row.slider);
    const int valueLeft = std::max(widthOf(app, row.value) + widthOf(app, row.slider) + scaled(34, dpi),
                                   slider.left + slider.width + scaled(16, dpi));
    moveTo(app, row.value, valueLeft, top);
    return valueLeft + widthOf(app, row.value);
}

}  // namespace

void layOutConsole(App& app, bool centred)
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
    int right = 0;
    for (int i = 0; i < 5; ++i)
        right = std::max(right, layOutRow(app, rows[i], scaled(12, dpi) + scaled(70, dpi) * i, dpi));

    const Geometry window = w.geometry(WindowId::console);
    const Size client = w.clientSize(WindowId::console);
    const Size screen = app.platform.desktop.screenSize();
    const double frameWidth = window.width - client.width;
    const double frameHeight = window.height - client.height;
    const double left = centred ? (screen.width - window.width) / 2.0 : window.left;
    const double top = centred ? (screen.height - window.height) / 2.0 : window.top;
    const double width = std::max(
        2.0 * widthOf(app, console::标签1) + widthOf(app, redSlider) + scaled(48, dpi) + frameWidth + scaled(6, dpi),
        right + scaled(12, dpi) + frameWidth);
    const double height =
        4.0 * heightOf(app, redValueLabel) + heightOf(app, saveColourButton) + frameHeight + scaled(82, dpi);
    w.move(WindowId::console,
           {static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height)});
}

namespace {

constexpr int trayRetryInterval = 1000;
constexpr int trayRetries = 120;

// Tries the icons the shell did not take again every second for two minutes, besides at once when
// the shell tells that its notification area has (re)appeared.
void retryTrayIcons(App& app)
{
    ConsoleState& console = app.state.console;
    console.trayRetriesLeft = trayRetries;
    console.trayRetry.runWhile(
        app.platform.desktop, trayRetryInterval,
        [&console] { return (console.trayAwaited || console.openingIconAwaited) && console.trayRetriesLeft > 0; },
        [&app] {
            --app.state.console.trayRetriesLeft;
            onTrayCreated(app);
        });
}

void checkStartOption(Menus& menus, ConsoleStart mode)
{
    menus.setChecked(console::启动后控制台正常显示, mode == ConsoleStart::shown);
    menus.setChecked(console::启动后控制台最小化显示, mode == ConsoleStart::inTray);
}

}  // namespace

void onConsoleCreated(App& app)
{
    auto& p = app.platform;
    auto& state = app.state;
    layOutConsole(app, true);

    // Anything but 1 shows the console.
    state.console.consoleStartMode =
        app.settings.readInt(items::startSmall) == 1 ? ConsoleStart::inTray : ConsoleStart::shown;
    checkStartOption(p.menus, state.console.consoleStartMode);
    if (state.console.consoleStartMode == ConsoleStart::inTray) hideConsoleToTray(app);

    startWindowed(state.placement);
    loadFollowChoice(p.menus, app.settings, state.overlay.tint);
    keepFollowing(app);
    loadColourSettings(p, app.settings, state.overlay.tint);

    p.timers.setInterval(firstTintClock, 60);
    startTopmostKeeper(app);
    for (auto menu : {startup::按任意键锁定窗口, startup::ESC建或退格键返回, startup::按住鼠标可拖动已选择区域,
                      startup::开始, startup::关于})
        p.menus.setVisible(menu, false);
    loadScreenshotCounter(state.screenshots, p.menus, app.settings);
    p.timers.setInterval(chartClock, 40);
    p.menus.setChecked(console::全局快捷键, state.hotkeys.hotkeysOn);
    if (app.dataMoved()) showNotice(app, dataMovedText(app.folders));
    tellHotkeyProblems(app);
}

void hideConsoleToTray(App& app)
{
    ConsoleState& console = app.state.console;
    // Hiding twice would remember the off-screen place and lose the real one.
    if (console.consoleInTray) return;
    auto& p = app.platform;
    // Off the screen without an icon the console could not be reached again: it stays, and goes
    // to the tray once the shell takes the icon.
    if (!p.tray.setIcon(WindowId::console, texts::trayTip)) {
        if (!console.trayAwaited) showNotice(app, texts::trayUnavailable);
        console.trayAwaited = true;
        retryTrayIcons(app);
        return;
    }
    console.trayAwaited = false;
    console.savedConsoleLeft = p.windows.geometry(WindowId::console).left;
    moveConsoleOffScreen(p);
    giveKeyboardBack(p, app.state.keeper.lastOtherForeground, app.state.overlay.tint.topLevel);
    // At a start in the tray the console is shown here, without the keyboard, before its opening
    // would show and activate it.
    p.windows.showNormal(WindowId::console);
    console.consoleInTray = true;
    showNotice(app, texts::trayBalloon);
}

void restoreConsole(Platform& p, ConsoleState& console)
{
    setConsoleLeft(p.windows, console.savedConsoleLeft);
    p.tray.removeIcon(WindowId::console);
    console.consoleInTray = false;
}

void onConsoleTrayEvent(Platform& p, ConsoleState& console, TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(p, WindowId::console);
    if (event == TrayEvent::doubleClick) restoreConsole(p, console);
}

void bringConsoleBack(App& app)
{
    if (!app.locked()) {
        // A quiet start's opening screen comes out of the tray as a normal start shows it.
        if (app.state.console.openingInTray) showOpeningScreen(app.platform, app.state.console);
        return;
    }
    if (app.state.console.consoleInTray) restoreConsole(app.platform, app.state.console);
    app.platform.windows.activate(WindowId::console);
}

void bringForward(App& app)
{
    if (app.locked())
        bringConsoleBack(app);
    else
        showOpeningScreen(app.platform, app.state.console);
}

void onTrayCreated(App& app)
{
    ConsoleState& console = app.state.console;
    if (console.trayAwaited) hideConsoleToTray(app);
    if (console.openingIconAwaited)
        console.openingIconAwaited = !app.platform.tray.setIcon(WindowId::startup, texts::trayTip);
}

void chooseConsoleStart(Menus& menus, Settings& settings, ConsoleState& console, ConsoleStart mode)
{
    checkStartOption(menus, mode);
    console.consoleStartMode = mode;
    settings.write(items::startSmall, static_cast<int>(mode));
}

void hideOpeningScreenToTray(App& app)
{
    auto& p = app.platform;
    p.windows.hide(WindowId::startup);
    ConsoleState& console = app.state.console;
    console.openingInTray = true;
    // Without the notification area yet (a start at log-on) the icon comes when the shell takes it.
    console.openingIconAwaited = !p.tray.setIcon(WindowId::startup, texts::trayTip);
    if (console.openingIconAwaited) retryTrayIcons(app);
    startTopmostKeeper(app);
}

void showOpeningScreen(Platform& p, ConsoleState& console)
{
    if (console.openingInTray) {
        p.tray.removeIcon(WindowId::startup);
        p.windows.showNormal(WindowId::startup);
        console.openingInTray = false;
        console.openingIconAwaited = false;
    }
    p.windows.activate(WindowId::startup);
}

void onOpeningTrayEvent(Platform& p, ConsoleState& console, TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(p, WindowId::startup);
    if (event == TrayEvent::doubleClick) showOpeningScreen(p, console);
}

void showTrayMenu(Platform& p, WindowId owner)
{
    p.menus.setChecked(console::开机时启动, p.autostart.isOn());
    p.tray.popupMenu(console::快捷菜单, owner);
}

void toggleStartWithWindows(Autostart& autostart) { autostart.set(!autostart.isOn()); }

void endTintora(Platform& p)
{
    p.tray.removeIcon(WindowId::console);
    p.tray.removeIcon(WindowId::startup);
    exitProgram(p.process, 0);
}

}  // namespace tintora
