#include "app/tintora.h"

#include "app/command_runner.h"
#include "capture/screenshots.h"
#include "commands/channel.h"
#include "colour/colour_controls.h"
#include "core/notice.h"
#include "design/texts.h"
#include "hotkeys/hotkeys.h"
#include "overlay/overlay.h"
#include "overlay/chart_follower.h"
#include "overlay/placement.h"
#include "overlay/monitor_tints.h"
#include "overlay/remembered_tints.h"
#include "overlay/smart_snap.h"
#include "overlay/target_follower.h"
#include "overlay/topmost_keeper.h"
#include "overlay/tint_schedule.h"
#include "ui/about.h"
#include "ui/console_shell.h"
#include "ui/language.h"
#include "ui/startup.h"

namespace tintora {
namespace {

// A screenshot not saved has been told in a balloon already.
void saveShot(App& app, ImageFormat format)
{
    (void)saveScreenshot(app.platform, app.settings, app.folders, app.notices, app.state.screenshots, format);
}

// The start-up window exists: the folders and settings files made where missing, the opening screen,
// the hotkeys, the watch of the foreground window, the schedule and the remembered windows and
// monitors.
void openStartupWindow(App& app)
{
    Platform& p = app.platform;
    onStartupWindowCreated(p, app.settings, app.folders, app.notices);
    prepareOpeningScreen(p, app.state.snap, app.overlay);
    loadHotkeys(app.state.hotkeys, app.settings, p.hotkeys);
    app.keeper.watchForegroundChanges();
    app.schedule.loadSchedule();
    app.remembered.loadRememberedEntries();
    app.monitors.loadRememberedMonitors();
}

// The console exists (the lock): laid out, the overlay windowed with the tint's look from
// Colour.ini, following and the keeper started, the chart settings looked at, and what was kept to
// tell told.
void openConsole(App& app)
{
    Platform& p = app.platform;
    app.console.onConsoleCreated();
    app.placement.startWindowed();
    app.follower.loadFollowChoice();
    app.follower.keepFollowing();
    loadColourSettings(p.controls, app.settings, app.overlay.tint());

    p.timers.setInterval(firstTintClock, 60);
    app.keeper.start();
    for (auto menu : {startup::按任意键锁定窗口, startup::ESC建或退格键返回, startup::按住鼠标可拖动已选择区域,
                      startup::开始, startup::关于})
        p.menus.setVisible(menu, false);
    p.timers.setInterval(chartClock, 40);
    if (app.folders.dataMoved()) app.notices.show(dataMovedText(app.folders));
    tellHotkeyProblems(app.notices, app.state.hotkeys);
    loadScreenshotCounter(app.state.screenshots, p.menus, app.settings);
    showHotkeysChoice(p.menus, app.state.hotkeys);
    app.schedule.onScheduleConsoleCreated();
}

void startupMenuCommand(App& app, startup::Menu item)
{
    Platform& p = app.platform;
    switch (item) {
        case startup::智能吸附窗口: startSmartSnap(p, app.state.snap, app.overlay); break;
        case startup::启动背景_柔和:
            app.notices.reportFailure(texts::settingsNotSaved, chooseBackground(p, app.settings, false));
            break;
        case startup::启动背景_鲜艳:
            app.notices.reportFailure(texts::settingsNotSaved, chooseBackground(p, app.settings, true));
            break;
        case startup::退出: endTintora(app); break;
        case startup::帮助: showHelp(p.shell, app.folders, app.state.hotkeys); break;
        case startup::主页: app.notices.reportFailure(texts::addressNotOpened, openHomepage(p.shell)); break;
        case startup::版本: showVersion(p.shell); break;
        default: break;
    }
}

void consoleMenuCommand(App& app, console::Menu item)
{
    Platform& p = app.platform;
    AppState& state = app.state;
    switch (item) {
        case console::最小化控制台到托盘: app.console.hideConsoleToTray(); break;
        case console::关闭程序并退出: endTintora(app); break;
        case console::全屏化窗口: app.placement.goFullScreen(); break;
        case console::非全屏化窗口: app.placement.goWindowed(); break;
        case console::跟随目标窗口: app.follower.toggleFollowTarget(); break;
        case console::启动后控制台正常显示:
            app.notices.reportFailure(texts::settingsNotSaved, app.console.chooseConsoleStart(ConsoleStart::shown));
            break;
        case console::启动后控制台最小化显示:
            app.notices.reportFailure(texts::settingsNotSaved, app.console.chooseConsoleStart(ConsoleStart::inTray));
            break;
        case console::全局快捷键: toggleGlobalHotkeys(p, app.settings, app.notices, state.hotkeys); break;
        case console::记住此窗口的颜色: app.remembered.rememberLockedWindow(); break;
        case console::忘记此窗口的颜色: app.remembered.forgetLockedWindow(); break;
        case console::记住此显示器的颜色: app.monitors.rememberOverlayMonitor(); break;
        case console::忘记此显示器的颜色: app.monitors.forgetOverlayMonitor(); break;
        case console::按时间表显示:
        case console::快捷菜单_按时间表显示: app.schedule.toggleSchedule(); break;
        case console::打开截图文件夹:
            app.notices.reportFailure(texts::folderNotOpened, openScreenshotFolder(p.shell, app.folders));
            break;
        case console::储存为BMP格式: saveShot(app, ImageFormat::bmp); break;
        case console::储存为JPG格式: saveShot(app, ImageFormat::jpeg); break;
        case console::储存为GIF格式: saveShot(app, ImageFormat::gif); break;
        case console::储存为PNG格式: saveShot(app, ImageFormat::png); break;
        case console::清空截图次数统计:
            app.notices.reportFailure(texts::settingsNotSaved,
                                      clearScreenshotCounter(state.screenshots, p.menus, app.settings));
            break;
        case console::显示: app.console.bringForward(); break;
        case console::色调关开: app.schedule.toggleTintsByHand(); break;
        case console::开机时启动: app.console.toggleStartWithWindows(); break;
        case console::退出: endTintora(app); break;
        case console::语言: switchLanguage(p, app.settings, app.notices); break;
        default: break;
    }
}

}  // namespace

Tintora::Tintora(Platform& platform) : app_(platform) {}

void Tintora::start()
{
    app_.platform.process.setCurrentDirectory(app_.folders.program);
    chooseDataFolder(app_.platform.files, app_.platform.process, app_.folders);
    loadLanguage(app_.settings);
}

void Tintora::windowCreated(WindowId w)
{
    if (w == WindowId::startup)
        openStartupWindow(app_);
    else
        openConsole(app_);
}

void Tintora::windowCloseRequested(WindowId w)
{
    if (w == WindowId::startup) endTintora(app_);
}

void Tintora::keyDown(WindowId w, int virtualKey)
{
    if (w == WindowId::startup) onStartupKeyDown(app_.platform, app_.state.snap, app_.overlay, app_.tints, virtualKey);
}

void Tintora::menuCommand(MenuRef m)
{
    if (m.window == WindowId::startup)
        startupMenuCommand(app_, static_cast<startup::Menu>(m.index));
    else
        consoleMenuCommand(app_, static_cast<console::Menu>(m.index));
}

void Tintora::timerTick(TimerRef t)
{
    Platform& p = app_.platform;
    AppState& state = app_.state;
    if (t == TimerRef(followPointerClock))
        followPointerTick(p, state.snap, app_.overlay.tint());
    else if (t == TimerRef(opacityStepClock))
        opacityStepTick(p, state.snap, app_.overlay);
    else if (t == TimerRef(firstTintClock))
        paintInitialTint(app_.overlay, p.timers);
    else if (t == TimerRef(chartClock))
        onChartTimer(p, app_.folders, app_.overlay);
    else if (t == TimerRef(chartFollowUpClock))
        onChartFollowUpTimer(p, app_.overlay);
}

void Tintora::sliderChanged(ControlRef c)
{
    if (c == ControlRef(opacitySlider))
        onAlphaSliderChanged(app_.platform.controls, app_.overlay);
    else
        onColourSliderChanged(app_.platform.controls, app_.overlay, c);
    app_.schedule.holdScheduleByHand();
}

void Tintora::buttonClicked(ControlRef c)
{
    if (c == ControlRef(saveColourButton))
        app_.notices.reportFailure(texts::settingsNotSaved, saveColourSettings(app_.settings, app_.overlay.tint()));
}

void Tintora::trayEvent(WindowId w, TrayEvent event)
{
    if (w == WindowId::console)
        app_.console.onConsoleTrayEvent(event);
    else
        app_.console.onOpeningTrayEvent(event);
}

void Tintora::hotkeyPressed(HotkeyAction action)
{
    switch (action) {
        case HotkeyAction::toggleTint: app_.schedule.toggleTintsByHand(); break;
        case HotkeyAction::stronger: stepOpacity(opacityHotkeyStep); break;
        case HotkeyAction::weaker: stepOpacity(-opacityHotkeyStep); break;
        case HotkeyAction::screenshot:
            // The format last chosen, PNG before any.
            if (app_.overlay.locked()) saveShot(app_, app_.state.screenshots.screenshotFormat);
            break;
        case HotkeyAction::fullScreen:
            if (app_.overlay.mode() == OverlayMode::windowed)
                app_.placement.goFullScreen();
            else
                app_.placement.goWindowed();
            break;
        case HotkeyAction::console: app_.console.bringConsoleBack(); break;
    }
}

void Tintora::stepOpacity(int delta)
{
    // The overlay is a tint only once it is locked.
    if (!app_.overlay.locked()) return;
    setOpacityWithSliders(app_.platform.controls, app_.overlay, app_.overlay.tint().alpha + delta);
    app_.schedule.holdScheduleByHand();
}

void Tintora::anotherStart() { app_.console.bringForward(); }

void Tintora::trayCreated(WindowId w)
{
    app_.console.onTrayCreated(w);
    // The shell made its taskbar anew, above ours; every window hears it, the start-up window always.
    if (w == WindowId::startup) app_.keeper.lift();
}

void Tintora::timeChanged() { app_.schedule.onScheduleTimeChanged(); }

void Tintora::resumedFromSleep() { app_.schedule.onScheduleTimeChanged(); }

void Tintora::monitorsChanged() { app_.placement.onMonitorsChanged(); }

bool Tintora::commandReceived(const ReceivedCommand& command, const AnswerCommand& answer)
{
    const auto text = commandIn(command);
    if (!text) return false;
    const ParsedCommand parsed = parseCommand(splitWords(*text));
    if (const auto* answered = std::get_if<CommandAnswer>(&parsed))
        answer(*answered);
    else
        carryOut(app_, std::get<Command>(parsed), answer);
    return true;
}

void Tintora::commandGiven(const Command& command, const AnswerCommand& answer) { carryOut(app_, command, answer); }

}  // namespace tintora
