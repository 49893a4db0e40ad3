#include "app/tintora.h"

#include "app/startup.h"
#include "capture/screenshots.h"
#include "colour/colour_controls.h"
#include "overlay/chart_follower.h"
#include "overlay/placement.h"
#include "overlay/smart_snap.h"
#include "ui/console_shell.h"

namespace tintora {
namespace {

void startupMenuCommand(App& app, startup::Menu item)
{
    switch (item) {
        case startup::智能吸附窗口: startSmartSnap(app); break;
        case startup::启动背景_柔和: chooseSoftBackground(app); break;
        case startup::启动背景_鲜艳: chooseVividBackground(app); break;
        case startup::退出: exitProgram(app, 0); break;
        case startup::帮助: showHelp(app); break;
        case startup::主页: openHomepage(app); break;
        case startup::版本: showVersion(app); break;
        default: break;
    }
}

void consoleMenuCommand(App& app, console::Menu item)
{
    switch (item) {
        case console::最小化控制台到托盘: hideConsoleToTray(app); break;
        case console::关闭程序并退出: exitProgram(app, 0); break;
        case console::全屏化窗口: goFullScreen(app); break;
        case console::非全屏化窗口: goWindowed(app); break;
        case console::启动后控制台正常显示: chooseConsoleShownAtStart(app); break;
        case console::启动后控制台最小化显示: chooseConsoleInTrayAtStart(app); break;
        case console::打开截图文件夹: openScreenshotFolder(app); break;
        case console::储存为BMP格式: saveScreenshot(app, ImageFormat::bmp, ".bmp"); break;
        case console::储存为JPG格式: saveScreenshot(app, ImageFormat::jpeg, ".jpg"); break;
        case console::储存为GIF格式: saveScreenshot(app, ImageFormat::gif, ".gif"); break;
        case console::储存为PNG格式: saveScreenshot(app, ImageFormat::png, ".png"); break;
        case console::清空截图次数统计: clearScreenshotCounter(app); break;
        case console::恢复视窗: restoreConsole(app); break;
        case console::关闭并退出:
            app.platform.tray.removeIcon(WindowId::console);
            exitProgram(app, 0);
            break;
        default: break;
    }
}

}  // namespace

Tintora::Tintora(Platform& platform) : app_(platform) {}

void Tintora::start() { app_.platform.process.setCurrentDirectory(app_.runDir); }

void Tintora::windowCreated(WindowId w)
{
    if (w == WindowId::startup)
        onStartupWindowCreated(app_);
    else
        onConsoleCreated(app_);
}

void Tintora::windowCloseRequested(WindowId w)
{
    if (w == WindowId::startup) exitProgram(app_, 0);
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
    if (t == TimerRef(startup::时钟1))
        stopStartupClock1(app_);
    else if (t == TimerRef(startup::时钟2))
        followPointerTick(app_);
    else if (t == TimerRef(startup::时钟3))
        opacityStepTick(app_);
    else if (t == TimerRef(console::时钟1))
        paintInitialTint(app_);
    else if (t == TimerRef(console::时钟2))
        onChartTimer(app_);
    else if (t == TimerRef(console::时钟3))
        onChartFollowUpTimer(app_);
}

void Tintora::sliderChanged(ControlRef c)
{
    if (c == ControlRef(startup::滑块条1))
        onStartupSliderChanged(app_);
    else if (c == ControlRef(console::滑块条1))
        onAlphaSliderChanged(app_);
    else
        onColourSliderChanged(app_, c);
}

void Tintora::buttonClicked(ControlRef c)
{
    if (c == ControlRef(console::按钮1)) saveColourSettings(app_);
}

void Tintora::trayEvent(WindowId w, int kind)
{
    if (w == WindowId::console) onConsoleTrayEvent(app_, kind);
}

}  // namespace tintora
