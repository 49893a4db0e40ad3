#include "ui/console_shell.h"

#include <algorithm>

#include "capture/screenshots.h"
#include "core/console_window.h"
#include "core/notice.h"
#include "colour/colour_controls.h"
#include "design/design.h"
#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/monitor_tints.h"
#include "overlay/remembered_tints.h"
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
void moveTo(Platform& p, ControlRef c, double left, int top)
{
    Geometry g = p.controls.geometry(c);
    g.left = static_cast<int>(left);
    g.top = top;
    p.controls.setGeometry(c, g);
}

int widthOf(Platform& p, ControlRef c) { return p.controls.geometry(c).width; }
int heightOf(Platform& p, ControlRef c) { return p.controls.geometry(c).height; }

// The layout's own numbers are design pixels too, scaled like the controls' sizes, so that the
// console at 150 % is the console at 100 % enlarged 1.5 times. A caption wider than its design width
// has widened its control, which pushes the controls right of it further right. Returns the right
// edge of the row.
int layOutRow(Platform& p, const Row& row, int top, int dpi)
{
    moveTo(p, row.name, scaled(12, dpi), top);
    moveTo(p, row.slider, widthOf(p, row.name) + scaled(18, dpi), top);
    const Geometry slider = p.controls.geometry(row.slider);
    const int valueLeft = std::max(widthOf(p, row.value) + widthOf(p, row.slider) + scaled(34, dpi),
                                   slider.left + slider.width + scaled(16, dpi));
    moveTo(p, row.value, valueLeft, top);
    return valueLeft + widthOf(p, row.value);
}

}  // namespace

void layOutConsole(Platform& p, bool centred)
{
    const Row rows[] = {
        {console::标签1, redSlider, redValueLabel},
        {console::标签2, greenSlider, greenValueLabel},
        {console::标签3, blueSlider, blueValueLabel},
        {console::标签9, opacitySlider, opacityValueLabel},
        {console::标签4, strengthValueLabel, saveColourButton},
    };
    auto& w = p.windows;
    const int dpi = w.dpi(WindowId::console);
    int right = 0;
    for (int i = 0; i < 5; ++i)
        right = std::max(right, layOutRow(p, rows[i], scaled(12, dpi) + scaled(70, dpi) * i, dpi));

    const Geometry window = w.geometry(WindowId::console);
    const Size client = w.clientSize(WindowId::console);
    const Size screen = p.desktop.screenSize();
    const double frameWidth = window.width - client.width;
    const double frameHeight = window.height - client.height;
    const double left = centred ? (screen.width - window.width) / 2.0 : window.left;
    const double top = centred ? (screen.height - window.height) / 2.0 : window.top;
    const double width = std::max(
        2.0 * widthOf(p, console::标签1) + widthOf(p, redSlider) + scaled(48, dpi) + frameWidth + scaled(6, dpi),
        right + scaled(12, dpi) + frameWidth);
    const double height =
        4.0 * heightOf(p, redValueLabel) + heightOf(p, saveColourButton) + frameHeight + scaled(82, dpi);
    w.move(WindowId::console,
           {static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height)});
}

namespace {

constexpr int firstTrayRetry = 1000;
constexpr int trayRetryTime = 120000;

// Shows the window's icon. A modify finds an icon that an add which timed out put there after all,
// so that a second is never added beside it; a modify that timed out is not followed by an add, which
// would wait for the busy shell as long again: the next try sees.
bool showTrayIcon(Tray& tray, WindowId w)
{
    ShellAnswer answer = tray.modifyIcon(w, texts::trayTip);
    if (answer == ShellAnswer::refused) answer = tray.addIcon(w, texts::trayTip);
    return answer == ShellAnswer::done;
}

bool trayIconAwaited(const ConsoleState& console)
{
    return console.consolePlace == ConsolePlace::awaitingTray ||
           console.openingPlace == OpeningPlace::hiddenAwaitingIcon;
}

void showOpeningIcon(App& app);

void tryAwaitedTrayIcons(App& app)
{
    if (app.state.console.consolePlace == ConsolePlace::awaitingTray) hideConsoleToTray(app);
    if (app.state.console.openingPlace == OpeningPlace::hiddenAwaitingIcon) showOpeningIcon(app);
}

void retryTrayIconsAfter(App& app, int delay)
{
    const Outcome started = app.state.console.trayRetry.start(app.platform.desktop, delay, [&app, delay] {
        ConsoleState& console = app.state.console;
        console.trayRetryElapsed += delay;
        tryAwaitedTrayIcons(app);
        const int left = trayRetryTime - console.trayRetryElapsed;
        if (trayIconAwaited(console) && left > 0)
            retryTrayIconsAfter(app, std::min(2 * delay, left));
        else
            console.trayRetry.stop();
    });
    reportBackgroundFailure(app, texts::clockNotStarted, started);
}

// Tries the icons the shell did not take again after 1, 2, 4, 8 ... seconds, for two minutes from
// the first refusal, besides at once when the shell tells that its notification area has
// (re)appeared. Backing off keeps a shell that times out from holding the interface every second.
void retryTrayIcons(App& app)
{
    ConsoleState& console = app.state.console;
    if (console.trayRetry.running()) return;
    console.trayRetryElapsed = 0;
    retryTrayIconsAfter(app, firstTrayRetry);
}

// The quiet start's icon; the opening screen stays hidden while the shell does not take it.
void showOpeningIcon(App& app)
{
    const bool shown = showTrayIcon(app.platform.tray, WindowId::startup);
    app.state.console.openingPlace = shown ? OpeningPlace::hiddenInTray : OpeningPlace::hiddenAwaitingIcon;
    if (!shown) retryTrayIcons(app);
}

// The program a command line starts: the quoted path, or everything up to the first space.
std::string_view programOf(std::string_view commandLine)
{
    if (commandLine.starts_with('"')) return commandLine.substr(1, commandLine.find('"', 1) - 1);
    return commandLine.substr(0, commandLine.find(' '));
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
    layOutConsole(p, true);

    // Anything but 1 shows the console.
    state.console.consoleStartMode =
        app.settings.readInt(items::startSmall) == 1 ? ConsoleStart::inTray : ConsoleStart::shown;
    checkStartOption(p.menus, state.console.consoleStartMode);
    if (state.console.consoleStartMode == ConsoleStart::inTray) hideConsoleToTray(app);

    startWindowed(app);
    loadFollowChoice(p.menus, app.settings, overlayTint(app));
    keepFollowing(app);
    loadColourSettings(p, app.settings, overlayTint(app));

    p.timers.setInterval(firstTintClock, 60);
    startTopmostKeeper(app);
    for (auto menu : {startup::按任意键锁定窗口, startup::ESC建或退格键返回, startup::按住鼠标可拖动已选择区域,
                      startup::开始, startup::关于})
        p.menus.setVisible(menu, false);
    p.timers.setInterval(chartClock, 40);
    if (app.folders.dataMoved()) showNotice(app, dataMovedText(app.folders));
    tellHotkeyProblems(app);
}

Point noticeAnchor(const App& app)
{
    const auto& p = app.platform;
    const ConsoleState& shell = app.state.console;
    if (shell.consolePlace == ConsolePlace::inTray || (!locked(app) && shell.openingPlace != OpeningPlace::shown)) {
        const Size screen = p.desktop.screenSize();
        const int dpi = p.windows.dpi(WindowId::console);
        return {screen.width - scaled(110, dpi), screen.height - scaled(128, dpi)};
    }
    const Geometry console = p.windows.geometry(WindowId::console);
    return {console.left + console.width / 2, console.top + console.height};
}

void hideConsoleToTray(App& app)
{
    ConsoleState& console = app.state.console;
    // Hiding twice would remember the off-screen place and lose the real one.
    if (console.consolePlace == ConsolePlace::inTray) return;
    auto& p = app.platform;
    // Off the screen without an icon the console could not be reached again: it stays, and goes
    // to the tray once the shell takes the icon.
    if (!showTrayIcon(p.tray, WindowId::console)) {
        if (console.consolePlace == ConsolePlace::onScreen) showNotice(app, texts::trayUnavailable);
        console.consolePlace = ConsolePlace::awaitingTray;
        retryTrayIcons(app);
        return;
    }
    console.savedConsoleLeft = p.windows.geometry(WindowId::console).left;
    moveConsoleOffScreen(p);
    giveKeyboardBack(p, lastOtherForeground(app), overlayTint(app).topLevel);
    // At a start in the tray the console is shown here, without the keyboard, before its opening
    // would show and activate it.
    p.windows.showNormal(WindowId::console);
    console.consolePlace = ConsolePlace::inTray;
    showNotice(app, texts::trayBalloon);
}

void restoreConsole(Platform& p, ConsoleState& console)
{
    if (console.consolePlace == ConsolePlace::inTray) setConsoleLeft(p.windows, console.savedConsoleLeft);
    // An awaited hide is given up, and an icon a timed-out add may have left goes too.
    if (console.consolePlace != ConsolePlace::onScreen) p.tray.removeIcon(WindowId::console);
    console.consolePlace = ConsolePlace::onScreen;
}

void onConsoleTrayEvent(Platform& p, ConsoleState& console, TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(p, WindowId::console);
    if (event == TrayEvent::chosen) restoreConsole(p, console);
}

void bringConsoleBack(App& app)
{
    if (!locked(app)) {
        // A quiet start's opening screen comes out of the tray as a normal start shows it.
        if (app.state.console.openingPlace != OpeningPlace::shown) showOpeningScreen(app.platform, app.state.console);
        return;
    }
    restoreConsole(app.platform, app.state.console);
    app.platform.windows.activate(WindowId::console);
}

void bringForward(App& app)
{
    if (locked(app))
        bringConsoleBack(app);
    else
        showOpeningScreen(app.platform, app.state.console);
}

void onTrayCreated(App& app, WindowId w)
{
    ConsoleState& console = app.state.console;
    if (w == WindowId::startup) {
        if (console.openingPlace != OpeningPlace::shown) showOpeningIcon(app);
        return;
    }
    if (console.consolePlace == ConsolePlace::awaitingTray) hideConsoleToTray(app);
    // A restarted shell has lost the icon of the console it hides: without it again the console
    // comes back to the screen and waits for the shell there.
    if (console.consolePlace == ConsolePlace::inTray && !showTrayIcon(app.platform.tray, WindowId::console)) {
        setConsoleLeft(app.platform.windows, console.savedConsoleLeft);
        console.consolePlace = ConsolePlace::awaitingTray;
        retryTrayIcons(app);
    }
}

Outcome chooseConsoleStart(Menus& menus, Settings& settings, ConsoleState& console, ConsoleStart mode)
{
    checkStartOption(menus, mode);
    console.consoleStartMode = mode;
    return settings.write(items::startSmall, static_cast<int>(mode));
}

void hideOpeningScreenToTray(App& app)
{
    app.platform.windows.hide(WindowId::startup);
    // Without the notification area yet (a start at log-on) the icon comes when the shell takes it.
    showOpeningIcon(app);
    startTopmostKeeper(app);
}

void showOpeningScreen(Platform& p, ConsoleState& console)
{
    if (console.openingPlace != OpeningPlace::shown) {
        p.tray.removeIcon(WindowId::startup);
        p.windows.showNormal(WindowId::startup);
        console.openingPlace = OpeningPlace::shown;
    }
    p.windows.activate(WindowId::startup);
}

void onOpeningTrayEvent(Platform& p, ConsoleState& console, TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(p, WindowId::startup);
    if (event == TrayEvent::chosen) showOpeningScreen(p, console);
}

bool startsWithWindows(const Autostart& autostart)
{
    const auto command = autostart.runCommand();
    if (!command || !autostart.samePath(programOf(*command), autostart.programPath())) return false;
    const auto approval = autostart.approval();
    return !approval || (*approval & approvalDisabled) == 0;
}

void showTrayMenu(Platform& p, WindowId owner)
{
    p.menus.setChecked(console::开机时启动, startsWithWindows(p.autostart));
    p.tray.popupMenu(console::快捷菜单, owner);
}

void toggleStartWithWindows(App& app)
{
    Autostart& autostart = app.platform.autostart;
    // Task Manager's or Settings' disabled state goes with either choice: checked it would keep
    // Windows from starting Tintora, unchecked it would be left behind for a value that is gone.
    Outcome changed = startsWithWindows(autostart)
                          ? autostart.removeRunCommand()
                          : autostart.writeRunCommand("\"" + autostart.programPath() + "\" /tray");
    if (changed) changed = autostart.removeApproval();
    reportFailure(app, texts::autostartNotChanged, changed);
}

void endTintora(App& app)
{
    auto& p = app.platform;
    p.tray.removeIcon(WindowId::console);
    p.tray.removeIcon(WindowId::startup);
    closeRememberedTints(app);
    closeMonitorTints(app);
    p.process.exit(exitcode::done);
}

}  // namespace tintora
