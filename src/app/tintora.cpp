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

void startupMenuCommand(App& app, startup::Menu item)
{
    Platform& p = app.platform;
    switch (item) {
        case startup::智能吸附窗口: startSmartSnap(p, app.state.snap, app.state.overlay.tint); break;
        case startup::启动背景_柔和:
            reportFailure(app, texts::settingsNotSaved, chooseBackground(p, app.settings, false));
            break;
        case startup::启动背景_鲜艳:
            reportFailure(app, texts::settingsNotSaved, chooseBackground(p, app.settings, true));
            break;
        case startup::退出: endTintora(app); break;
        case startup::帮助: showHelp(p.shell, app.folders, app.state.hotkeys); break;
        case startup::主页: reportFailure(app, texts::addressNotOpened, openHomepage(p.shell)); break;
        case startup::版本: showVersion(p.shell); break;
        default: break;
    }
}

void consoleMenuCommand(App& app, console::Menu item)
{
    Platform& p = app.platform;
    AppState& state = app.state;
    switch (item) {
        case console::最小化控制台到托盘: hideConsoleToTray(app); break;
        case console::关闭程序并退出: endTintora(app); break;
        case console::全屏化窗口: goFullScreen(app); break;
        case console::非全屏化窗口: goWindowed(app); break;
        case console::跟随目标窗口: toggleFollowTarget(app); break;
        case console::启动后控制台正常显示:
            reportFailure(app, texts::settingsNotSaved,
                          chooseConsoleStart(p.menus, app.settings, state.console, ConsoleStart::shown));
            break;
        case console::启动后控制台最小化显示:
            reportFailure(app, texts::settingsNotSaved,
                          chooseConsoleStart(p.menus, app.settings, state.console, ConsoleStart::inTray));
            break;
        case console::全局快捷键: toggleGlobalHotkeys(app); break;
        case console::记住此窗口的颜色: rememberLockedWindow(app); break;
        case console::忘记此窗口的颜色: forgetLockedWindow(app); break;
        case console::记住此显示器的颜色: rememberOverlayMonitor(app); break;
        case console::忘记此显示器的颜色: forgetOverlayMonitor(app); break;
        case console::按时间表显示:
        case console::快捷菜单_按时间表显示: toggleSchedule(app); break;
        case console::打开截图文件夹:
            reportFailure(app, texts::folderNotOpened, openScreenshotFolder(p.shell, app.folders));
            break;
        // A screenshot not saved has been told in a balloon already.
        case console::储存为BMP格式: (void)saveScreenshot(app, ImageFormat::bmp); break;
        case console::储存为JPG格式: (void)saveScreenshot(app, ImageFormat::jpeg); break;
        case console::储存为GIF格式: (void)saveScreenshot(app, ImageFormat::gif); break;
        case console::储存为PNG格式: (void)saveScreenshot(app, ImageFormat::png); break;
        case console::清空截图次数统计:
            reportFailure(app, texts::settingsNotSaved,
                          clearScreenshotCounter(state.screenshots, p.menus, app.settings));
            break;
        case console::显示: bringForward(app); break;
        case console::色调关开: toggleTintsByHand(app); break;
        case console::开机时启动: toggleStartWithWindows(app); break;
        case console::退出: endTintora(app); break;
        case console::语言: switchLanguage(app); break;
        default: break;
    }
}

}  // namespace

Tintora::Tintora(Platform& platform) : app_(platform) { app_.state.notices.anchor = noticeAnchor; }

void Tintora::start()
{
    app_.platform.process.setCurrentDirectory(app_.folders.program);
    chooseDataFolder(app_.platform.files, app_.platform.process, app_.folders);
    loadLanguage(app_.settings);
}

void Tintora::windowCreated(WindowId w)
{
    if (w == WindowId::startup) {
        onStartupWindowCreated(app_);
        prepareOpeningScreen(app_.platform, app_.state.snap);
        loadHotkeys(app_.state.hotkeys, app_.settings, app_.platform.hotkeys);
        watchForegroundChanges(app_);
        loadSchedule(app_);
        loadRememberedEntries(app_);
        loadRememberedMonitors(app_);
    } else {
        onConsoleCreated(app_);
        loadScreenshotCounter(app_.state.screenshots, app_.platform.menus, app_.settings);
        showHotkeysChoice(app_.platform.menus, app_.state.hotkeys);
        onScheduleConsoleCreated(app_);
    }
}

void Tintora::windowCloseRequested(WindowId w)
{
    if (w == WindowId::startup) endTintora(app_);
}

void Tintora::keyDown(WindowId w, int virtualKey)
{
    if (w == WindowId::startup) onStartupKeyDown(app_, virtualKey);
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
        followPointerTick(p, state.snap, state.overlay.tint);
    else if (t == TimerRef(opacityStepClock))
        opacityStepTick(p, state.snap, state.overlay.tint);
    else if (t == TimerRef(firstTintClock))
        paintInitialTint(p, state.overlay.tint);
    else if (t == TimerRef(chartClock))
        onChartTimer(p, app_.folders, state.overlay.tint);
    else if (t == TimerRef(chartFollowUpClock))
        onChartFollowUpTimer(p, state.overlay.tint);
}

void Tintora::sliderChanged(ControlRef c)
{
    Tint& tint = app_.state.overlay.tint;
    if (c == ControlRef(opacitySlider))
        onAlphaSliderChanged(app_.platform, tint);
    else
        onColourSliderChanged(app_.platform, tint, c);
    holdScheduleByHand(app_);
}

void Tintora::buttonClicked(ControlRef c)
{
    if (c == ControlRef(saveColourButton))
        reportFailure(app_, texts::settingsNotSaved, saveColourSettings(app_.settings, app_.state.overlay.tint));
}

void Tintora::trayEvent(WindowId w, TrayEvent event)
{
    if (w == WindowId::console)
        onConsoleTrayEvent(app_.platform, app_.state.console, event);
    else
        onOpeningTrayEvent(app_.platform, app_.state.console, event);
}

void Tintora::hotkeyPressed(HotkeyAction action)
{
    switch (action) {
        case HotkeyAction::toggleTint: toggleTintsByHand(app_); break;
        case HotkeyAction::stronger: stepOpacity(opacityHotkeyStep); break;
        case HotkeyAction::weaker: stepOpacity(-opacityHotkeyStep); break;
        case HotkeyAction::screenshot:
            // The format last chosen, PNG before any.
            if (locked(app_)) (void)saveScreenshot(app_, app_.state.screenshots.screenshotFormat);
            break;
        case HotkeyAction::fullScreen:
            if (app_.state.placement.overlayMode == OverlayMode::windowed)
                goFullScreen(app_);
            else
                goWindowed(app_);
            break;
        case HotkeyAction::console: bringConsoleBack(app_); break;
    }
}

void Tintora::stepOpacity(int delta)
{
    // The overlay is a tint only once it is locked.
    if (!locked(app_)) return;
    Tint& tint = app_.state.overlay.tint;
    setTintOpacity(app_.platform, tint, tint.alpha + delta);
    holdScheduleByHand(app_);
}

void Tintora::anotherStart() { bringForward(app_); }

void Tintora::trayCreated(WindowId w)
{
    onTrayCreated(app_, w);
    // The shell made its taskbar anew, above ours; every window hears it, the start-up window always.
    if (w == WindowId::startup) liftKeptWindows(app_);
}

void Tintora::timeChanged() { onScheduleTimeChanged(app_); }

void Tintora::resumedFromSleep() { onScheduleTimeChanged(app_); }

void Tintora::monitorsChanged() { placeMonitorTints(app_); }

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
