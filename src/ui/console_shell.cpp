#include "ui/console_shell.h"

#include <algorithm>

#include "core/console_window.h"
#include "design/design.h"
#include "design/texts.h"

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

ConsoleShell::ConsoleShell(Platform& p, Settings& settings, Notices& notices, TopmostKeeper& keeper,
                           const Overlay& overlay)
    : p_(p), settings_(settings), notices_(notices), keeper_(keeper), overlay_(overlay)
{
    keeper.keep(KeptRank::console,
                [this](std::vector<WindowHandle>& kept) { kept.push_back(p_.windows.handle(WindowId::console)); });
}

bool ConsoleShell::trayIconAwaited() const
{
    return consolePlace_ == ConsolePlace::awaitingTray || openingPlace_ == OpeningPlace::hiddenAwaitingIcon;
}

void ConsoleShell::tryAwaitedTrayIcons()
{
    if (consolePlace_ == ConsolePlace::awaitingTray) hideConsoleToTray();
    if (openingPlace_ == OpeningPlace::hiddenAwaitingIcon) showOpeningIcon();
}

void ConsoleShell::retryTrayIconsAfter(int delay)
{
    const Outcome started = trayRetry_.start(p_.desktop, delay, [this, delay] {
        trayRetryElapsed_ += delay;
        tryAwaitedTrayIcons();
        const int left = trayRetryTime - trayRetryElapsed_;
        if (trayIconAwaited() && left > 0)
            retryTrayIconsAfter(std::min(2 * delay, left));
        else
            trayRetry_.stop();
    });
    notices_.reportBackgroundFailure(texts::clockNotStarted, started);
}

// Tries the icons the shell did not take again after 1, 2, 4, 8 ... seconds, for two minutes from
// the first refusal, besides at once when the shell tells that its notification area has
// (re)appeared. Backing off keeps a shell that times out from holding the interface every second.
void ConsoleShell::retryTrayIcons()
{
    if (trayRetry_.running()) return;
    trayRetryElapsed_ = 0;
    retryTrayIconsAfter(firstTrayRetry);
}

// The quiet start's icon; the opening screen stays hidden while the shell does not take it.
void ConsoleShell::showOpeningIcon()
{
    const bool shown = showTrayIcon(p_.tray, WindowId::startup);
    openingPlace_ = shown ? OpeningPlace::hiddenInTray : OpeningPlace::hiddenAwaitingIcon;
    if (!shown) retryTrayIcons();
}

void ConsoleShell::onConsoleCreated()
{
    layOutConsole(p_, true);
    // Anything but 1 shows the console.
    const ConsoleStart mode = settings_.readInt(items::startSmall) == 1 ? ConsoleStart::inTray : ConsoleStart::shown;
    checkStartOption(p_.menus, mode);
    if (mode == ConsoleStart::inTray) hideConsoleToTray();
}

Point ConsoleShell::noticeAnchor() const
{
    if (consolePlace_ == ConsolePlace::inTray || (!overlay_.locked() && openingPlace_ != OpeningPlace::shown)) {
        const Size screen = p_.desktop.screenSize();
        const int dpi = p_.windows.dpi(WindowId::console);
        return {screen.width - scaled(110, dpi), screen.height - scaled(128, dpi)};
    }
    const Geometry console = p_.windows.geometry(WindowId::console);
    return {console.left + console.width / 2, console.top + console.height};
}

void ConsoleShell::hideConsoleToTray()
{
    // Hiding twice would remember the off-screen place and lose the real one.
    if (consolePlace_ == ConsolePlace::inTray) return;
    // Off the screen without an icon the console could not be reached again: it stays, and goes
    // to the tray once the shell takes the icon.
    if (!showTrayIcon(p_.tray, WindowId::console)) {
        if (consolePlace_ == ConsolePlace::onScreen) notices_.show(texts::trayUnavailable);
        consolePlace_ = ConsolePlace::awaitingTray;
        retryTrayIcons();
        return;
    }
    savedConsoleLeft_ = p_.windows.geometry(WindowId::console).left;
    moveConsoleOffScreen(p_);
    giveKeyboardBack(p_, keeper_.lastOtherForeground(), overlay_.tint().topLevel);
    // At a start in the tray the console is shown here, without the keyboard, before its opening
    // would show and activate it.
    p_.windows.showNormal(WindowId::console);
    consolePlace_ = ConsolePlace::inTray;
    notices_.show(texts::trayBalloon);
}

void ConsoleShell::restoreConsole()
{
    if (consolePlace_ == ConsolePlace::inTray) setConsoleLeft(p_.windows, savedConsoleLeft_);
    // An awaited hide is given up, and an icon a timed-out add may have left goes too.
    if (consolePlace_ != ConsolePlace::onScreen) p_.tray.removeIcon(WindowId::console);
    consolePlace_ = ConsolePlace::onScreen;
}

void ConsoleShell::onConsoleTrayEvent(TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(p_, WindowId::console);
    if (event == TrayEvent::chosen) restoreConsole();
}

void ConsoleShell::bringConsoleBack()
{
    if (!overlay_.locked()) {
        // A quiet start's opening screen comes out of the tray as a normal start shows it.
        if (openingPlace_ != OpeningPlace::shown) showOpeningScreen();
        return;
    }
    restoreConsole();
    p_.windows.activate(WindowId::console);
}

void ConsoleShell::bringForward()
{
    if (overlay_.locked())
        bringConsoleBack();
    else
        showOpeningScreen();
}

void ConsoleShell::onTrayCreated(WindowId w)
{
    if (w == WindowId::startup) {
        if (openingPlace_ != OpeningPlace::shown) showOpeningIcon();
        return;
    }
    if (consolePlace_ == ConsolePlace::awaitingTray) hideConsoleToTray();
    // A restarted shell has lost the icon of the console it hides: without it again the console
    // comes back to the screen and waits for the shell there.
    if (consolePlace_ == ConsolePlace::inTray && !showTrayIcon(p_.tray, WindowId::console)) {
        setConsoleLeft(p_.windows, savedConsoleLeft_);
        consolePlace_ = ConsolePlace::awaitingTray;
        retryTrayIcons();
    }
}

Outcome ConsoleShell::chooseConsoleStart(ConsoleStart mode)
{
    checkStartOption(p_.menus, mode);
    return settings_.write(items::startSmall, static_cast<int>(mode));
}

void ConsoleShell::hideOpeningScreenToTray()
{
    p_.windows.hide(WindowId::startup);
    // Without the notification area yet (a start at log-on) the icon comes when the shell takes it.
    showOpeningIcon();
    keeper_.start();
}

void ConsoleShell::showOpeningScreen()
{
    if (openingPlace_ != OpeningPlace::shown) {
        p_.tray.removeIcon(WindowId::startup);
        p_.windows.showNormal(WindowId::startup);
        openingPlace_ = OpeningPlace::shown;
    }
    p_.windows.activate(WindowId::startup);
}

void ConsoleShell::onOpeningTrayEvent(TrayEvent event)
{
    if (event == TrayEvent::menu) showTrayMenu(p_, WindowId::startup);
    if (event == TrayEvent::chosen) showOpeningScreen();
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

void ConsoleShell::toggleStartWithWindows()
{
    Autostart& autostart = p_.autostart;
    // Task Manager's or Settings' disabled state goes with either choice: checked it would keep
    // Windows from starting Tintora, unchecked it would be left behind for a value that is gone.
    Outcome changed = startsWithWindows(autostart)
                          ? autostart.removeRunCommand()
                          : autostart.writeRunCommand("\"" + autostart.programPath() + "\" /tray");
    if (changed) changed = autostart.removeApproval();
    notices_.reportFailure(texts::autostartNotChanged, changed);
}

void ConsoleShell::removeTrayIcons()
{
    p_.tray.removeIcon(WindowId::console);
    p_.tray.removeIcon(WindowId::startup);
}

}  // namespace tintora
