#include <gtest/gtest.h>

#include "core/settings.h"
#include "design/texts.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

constexpr const char* counterCaption = "当前截图统计次数为：";

class ConsoleCreation : public unit::ProgramTest {};

struct ControlPlace {
    console::Control control;
    int left;
    int top;
};

TEST_F(ConsoleCreation, LaysOutTheRowsFromTheDesignedSizes)
{
    startAndLock();

    const ControlPlace places[] = {
        {console::标签1, 12, 12},  {console::滑块条2, 58, 12},  {console::标签6, 434, 12},
        {console::标签2, 12, 82},  {console::滑块条3, 58, 82},  {console::标签7, 434, 82},
        {console::标签3, 12, 152}, {console::滑块条4, 58, 152}, {console::标签8, 434, 152},
        {console::标签9, 12, 222}, {console::滑块条1, 58, 222}, {console::标签5, 434, 222},
        {console::标签4, 12, 292}, {console::标签10, 186, 292}, {console::按钮1, 298, 292},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(controlDesign(place.control).designName);
        const Geometry designed = controlDesign(place.control).geometry;
        EXPECT_EQ(fp.ui.geometry(place.control), (Geometry{place.left, place.top, designed.width, designed.height}));
    }
}

struct WindowCase {
    const char* name;
    Size screen;
    Size frame;
    Geometry expected;
};

class ConsoleWindowPlace : public unit::ProgramTest, public testing::WithParamInterface<WindowCase> {};

// The window is centred with its designed size (500 x 420) before it takes the new size.
TEST_P(ConsoleWindowPlace, IsCentredWithTheOldSizeThenResizedAroundTheControls)
{
    fp.desktop.screen = GetParam().screen;
    fp.ui.window(WindowId::console).frame = GetParam().frame;
    startAndLock();

    EXPECT_EQ(geometry(WindowId::console), GetParam().expected);
    EXPECT_EQ(fp.ui.clientSize(WindowId::console), (Size{494, 342}));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ConsoleWindowPlace,
    testing::Values(WindowCase{"FullHd", {1920, 1080}, {6, 29}, {710, 330, 500, 371}},
                    WindowCase{"OddScreenTruncates", {1025, 769}, {6, 29}, {262, 174, 500, 371}},
                    WindowCase{"SmallScreenTruncatesTowardZero", {401, 301}, {6, 29}, {-49, -59, 500, 371}},
                    WindowCase{"WiderFrame", {1920, 1080}, {8, 31}, {710, 330, 502, 373}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StartOptionCase {
    const char* name;
    const char* startIni;
    bool shownChecked;
    bool trayChecked;
    bool hidden;
};

class ConsoleStartOption : public unit::ProgramTest, public testing::WithParamInterface<StartOptionCase> {};

TEST_P(ConsoleStartOption, ChecksTheOptionAndHidesOnlyForOne)
{
    putFile(paths::startIni, GetParam().startIni);
    startAndLock();

    EXPECT_EQ(checked(console::启动后控制台正常显示), GetParam().shownChecked);
    EXPECT_EQ(checked(console::启动后控制台最小化显示), GetParam().trayChecked);
    if (GetParam().hidden) {
        EXPECT_EQ(geometry(WindowId::console), (Geometry{-1000, 330, 500, 371}));
        // Shown by its creation, without the keyboard.
        EXPECT_EQ(fp.ui.window(WindowId::console).showNormalCalls, 1);
        EXPECT_EQ(fp.ui.trayTips.at(WindowId::console), "Tintorav1.0");
        ASSERT_EQ(fp.ui.balloons.size(), 1u);
        EXPECT_EQ(fp.ui.balloons[0].text, "点击托盘图标可恢复视窗！\r\n\r\nTintorav1.0");
        EXPECT_EQ(fp.ui.balloons[0].at, (Point{1920 - 110, 1080 - 128}));

        // A double-click on the icon brings the console back to its centred place.
        program.trayEvent(WindowId::console, TrayEvent::chosen);
        EXPECT_EQ(geometry(WindowId::console), (Geometry{710, 330, 500, 371}));
        EXPECT_TRUE(fp.ui.trayTips.empty());
    } else {
        EXPECT_EQ(geometry(WindowId::console), (Geometry{710, 330, 500, 371}));
        EXPECT_EQ(fp.ui.window(WindowId::console).showNormalCalls, 0) << "shown by its opening, with the keyboard";
        EXPECT_TRUE(fp.ui.trayTips.empty());
        EXPECT_TRUE(fp.ui.balloons.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(SmallValues, ConsoleStartOption,
                         testing::Values(StartOptionCase{"Zero", "[Start]\nSmall=0\n", true, false, false},
                                         StartOptionCase{"One", "[Start]\nSmall=1\n", false, true, true},
                                         StartOptionCase{"Two", "[Start]\nSmall=2\n", true, false, false},
                                         StartOptionCase{"Missing", "[Bg]\nBackground=0\n", true, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsoleCreation, MissingColourKeysSetSlidersAndLabelsToZero)
{
    putFile(paths::colourIni, "[colour]\n");
    createStartupWindow();
    for (auto slider : {console::滑块条1, console::滑块条2, console::滑块条3, console::滑块条4})
        fp.ui.setSliderPosition(slider, 99);
    for (auto label : {console::标签5, console::标签6, console::标签7, console::标签8, console::标签10})
        fp.ui.setCaption(label, "99");
    lockOver(unit::targetRect);

    for (auto slider : {console::滑块条1, console::滑块条2, console::滑块条3, console::滑块条4}) {
        EXPECT_EQ(fp.ui.sliderPosition(slider), 0);
        EXPECT_EQ(fp.ui.control(slider).selection, 0);
    }
    for (auto label : {console::标签5, console::标签6, console::标签7, console::标签8, console::标签10})
        EXPECT_EQ(caption(label), "0");
}

struct MeterCase {
    const char* name;
    const char* meter;
    int counter;
};

class ConsoleMeter : public unit::ProgramTest, public testing::WithParamInterface<MeterCase> {};

TEST_P(ConsoleMeter, LoadsTheCounterAndShowsTheTextUnchanged)
{
    putFile(paths::screenshotIni, std::string("[Screenshotstatistics]\nMeter=") + GetParam().meter + "\n");
    startAndLock();

    EXPECT_EQ(program.app().state.screenshots.screenshotCounter, GetParam().counter);
    EXPECT_EQ(menuCaption(console::当前截图统计次数为), std::string(counterCaption) + GetParam().meter);
}

INSTANTIATE_TEST_SUITE_P(Meters, ConsoleMeter,
                         testing::Values(MeterCase{"Padded", "007", 7}, MeterCase{"NotANumber", "abc", 0},
                                         MeterCase{"Empty", "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsoleCreation, HidesTheFiveStartupMenusAndStartsTheTimers)
{
    createStartupWindow();
    const startup::Menu topMenus[] = {startup::按任意键锁定窗口, startup::ESC建或退格键返回,
                                      startup::按住鼠标可拖动已选择区域, startup::开始, startup::关于};
    for (auto menu : topMenus) fp.ui.setVisible(menu, true);
    createConsole();

    for (auto menu : topMenus) EXPECT_FALSE(fp.ui.menu(menu).visible) << std::string_view(menuItemDesign(menu).caption);
    EXPECT_EQ(interval(console::时钟1), 60);
    EXPECT_EQ(interval(console::时钟2), 40);
    EXPECT_EQ(interval(console::时钟3), 0);
}

TEST_F(ConsoleCreation, AnotherStartBeforeTheLockBringsTheStartupWindowForward)
{
    createStartupWindow();
    fp.log.clear();
    program.anotherStart();
    EXPECT_EQ(fp.log, std::vector<std::string>{"activate startup"});
}

class ConsoleTray : public unit::ProgramTest {
protected:
    ConsoleTray() { startAndLock(); }
    void keeperTick() { fp.desktop.callbackTimers.begin()->second.tick(); }
};

// The console leaves the keyboard it has to the window the user was in before it, or else to the
// target's top-level window.
TEST_F(ConsoleTray, HideKeepsTopAndSizeGivesTheKeyboardBackAndRestoreBringsBackTheLeft)
{
    constexpr WindowHandle game = 0x3001;
    fp.desktop.foreground = game;
    keeperTick();
    fp.desktop.foreground = fp.ui.consoleHandle;
    keeperTick();
    fp.ui.move(WindowId::console, {710, 500, 500, 371});  // the user moved it down
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(geometry(WindowId::console), (Geometry{-1000, 500, 500, 371}));
    EXPECT_EQ(fp.ui.trayTips.at(WindowId::console), "Tintorav1.0");
    ASSERT_EQ(fp.ui.balloons.size(), 1u);
    EXPECT_EQ(fp.ui.balloons[0].at, (Point{1810, 952}));
    EXPECT_EQ(fp.desktop.foreground, game);

    program.menuCommand(console::显示);
    EXPECT_EQ(geometry(WindowId::console), (Geometry{710, 500, 500, 371}));
    EXPECT_TRUE(fp.ui.trayTips.empty());

    // That window closed meanwhile: the target's top-level window gets it.
    fp.desktop.notShown.insert(game);
    fp.desktop.foreground = fp.ui.consoleHandle;
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(fp.desktop.foreground, unit::targetWindow);
    program.menuCommand(console::显示);

    // Another window has it (the move took it, or the user went elsewhere): it stays there.
    fp.desktop.foreground = 0x3002;
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(fp.desktop.foreground, 0x3002u);
}

TEST_F(ConsoleTray, HidingWhileHiddenIsIgnoredSoRestoreStillWorks)
{
    program.menuCommand(console::最小化控制台到托盘);
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(fp.ui.trayIconAdds, 1);
    EXPECT_EQ(fp.ui.balloons.size(), 1u);

    program.menuCommand(console::显示);
    EXPECT_EQ(geometry(WindowId::console).left, 710);

    // Once shown again, the command hides it again.
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(geometry(WindowId::console).left, -1000);
    EXPECT_EQ(fp.ui.trayIconAdds, 2);
}

TEST_F(ConsoleTray, AHideThatWaitedForTheShellsTrayEndsOnceWithScaledBalloonOffsets)
{
    program.trayCreated(WindowId::console);
    EXPECT_EQ(geometry(WindowId::console).left, 710) << "a console on the screen stays there";
    fp.ui.trayAvailable = false;
    program.menuCommand(console::最小化控制台到托盘);
    fp.ui.trayAvailable = true;
    fp.ui.window(WindowId::console).dpi = 144;
    program.trayCreated(WindowId::console);
    program.trayCreated(WindowId::console);  // told again: the icon is not doubled
    EXPECT_EQ(geometry(WindowId::console).left, -1000);
    EXPECT_EQ(fp.ui.trayIconAdds, 1);
    EXPECT_EQ(fp.ui.balloons.back().at, (Point{1920 - 165, 1080 - 192}));
    // A restarted shell lost the icon: it is added again, or else the console comes back.
    fp.ui.trayTips.clear();
    program.trayCreated(WindowId::console);
    EXPECT_TRUE(fp.ui.trayTips.contains(WindowId::console));
    fp.ui.trayTips.clear();
    fp.ui.trayAvailable = false;
    program.trayCreated(WindowId::console);
    EXPECT_EQ(geometry(WindowId::console).left, 710);
}

// At log-on the shell may refuse the icon, or answer too late, and never tell of a new notification
// area: the icon is tried again after 1, 2, 4 ... seconds for two minutes, with one notice; an add that
// timed out may have put it there, and a modify that timed out is not followed by an add.
TEST_F(ConsoleTray, AnIconTheShellDidNotTakeIsTriedAgainLessOftenForTwoMinutes)
{
    fp.ui.trayAvailable = false;
    program.menuCommand(console::最小化控制台到托盘);
    std::vector<int> delays;
    const auto retry = [&] {
        return std::ranges::find_if(fp.desktop.callbackTimers, [](const auto& t) { return t.second.ms >= 1000; });
    };
    for (auto t = retry(); t != fp.desktop.callbackTimers.end() && delays.size() < 20; t = retry()) {
        delays.push_back(t->second.ms);
        // At the second try the shell is there but answers too late.
        const bool busy = delays.size() == 2;
        fp.ui.trayAvailable = busy;
        fp.ui.trayTimingOut = busy ? std::set<std::string>{"modify"} : std::set<std::string>{};
        fp.ui.trayRequests.clear();
        const auto tick = t->second.tick;
        tick();
        if (busy) EXPECT_EQ(fp.ui.trayRequests, std::vector<std::string>{"modify"});
    }
    EXPECT_EQ(delays, (std::vector<int>{1000, 2000, 4000, 8000, 16000, 32000, 57000}));
    EXPECT_EQ(geometry(WindowId::console).left, 710);
    EXPECT_EQ(fp.ui.balloons.size(), 1u) << "told once";

    fp.ui.trayAvailable = true;
    fp.ui.trayTimingOut = {"add"};
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(geometry(WindowId::console).left, 710);
    fp.ui.trayTimingOut.clear();
    fp.desktop.tickClocks();
    EXPECT_EQ(geometry(WindowId::console).left, -1000) << "the icon the add put there after all";
    EXPECT_EQ(fp.ui.trayIconAdds, 1);
    EXPECT_TRUE(retry() == fp.desktop.callbackTimers.end());
}

TEST_F(ConsoleTray, HidesOffEveryMonitorAndRestoresTheLeft)
{
    fp.ui.move(WindowId::console, {710, 500, 500, 371});
    // A monitor left of the primary at the console's height: -1000 would be on it.
    fp.desktop.otherMonitors = {{-1024, 0, 0, 768}};
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(geometry(WindowId::console), (Geometry{-1524, 500, 500, 371}));
    program.menuCommand(console::显示);
    EXPECT_EQ(geometry(WindowId::console), (Geometry{710, 500, 500, 371}));

    // A monitor left of the primary but above the console: -1000 is off every monitor already.
    fp.desktop.otherMonitors = {{-1024, -768, 0, 0}, {1280, 0, 2304, 768}};
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(geometry(WindowId::console), (Geometry{-1000, 500, 500, 371}));
    program.menuCommand(console::显示);
    EXPECT_EQ(geometry(WindowId::console).left, 710);
}

struct TrayEventCase {
    TrayEvent event;
    bool restored;
    bool popup;
};

class ConsoleTrayEvent : public ConsoleTray, public testing::WithParamInterface<TrayEventCase> {};

TEST_P(ConsoleTrayEvent, ChoosingRestoresAndTheMenuKeyOrRightClickOpensTheMenu)
{
    program.menuCommand(console::最小化控制台到托盘);
    program.trayEvent(WindowId::console, GetParam().event);

    EXPECT_EQ(geometry(WindowId::console).left, GetParam().restored ? 710 : -1000);
    EXPECT_EQ(fp.ui.trayTips.count(WindowId::console), GetParam().restored ? 0u : 1u);
    if (GetParam().popup)
        EXPECT_EQ(fp.ui.popups, std::vector<MenuRef>{MenuRef(console::快捷菜单)});
    else
        EXPECT_TRUE(fp.ui.popups.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ConsoleTrayEvent,
                         testing::Values(TrayEventCase{TrayEvent::chosen, true, false},
                                         TrayEventCase{TrayEvent::menu, false, true}));

TEST_F(ConsoleTray, CloseAndExitRemovesTheIconAndEnds)
{
    program.menuCommand(console::最小化控制台到托盘);
    try {
        program.menuCommand(console::退出);
        ADD_FAILURE() << "the program did not end";
    } catch (const fake::ProcessExited& exited) {
        EXPECT_EQ(exited.code, 0);
    }
    EXPECT_TRUE(fp.ui.trayTips.empty());
}

TEST_F(ConsoleTray, StartOptionsWriteStartIniAndLeaveTheWindow)
{
    const Geometry before = geometry(WindowId::console);

    program.menuCommand(console::启动后控制台最小化显示);
    EXPECT_FALSE(checked(console::启动后控制台正常显示));
    EXPECT_TRUE(checked(console::启动后控制台最小化显示));
    EXPECT_EQ(readItem(items::startSmall), "1");

    program.menuCommand(console::启动后控制台正常显示);
    EXPECT_TRUE(checked(console::启动后控制台正常显示));
    EXPECT_FALSE(checked(console::启动后控制台最小化显示));
    EXPECT_EQ(readItem(items::startSmall), "0");

    EXPECT_EQ(geometry(WindowId::console), before);
    EXPECT_TRUE(fp.ui.trayTips.empty());
    EXPECT_EQ(readItem(items::background), "0");
}

class AboutCommands : public unit::ProgramTest {};

TEST_F(AboutCommands, ShowTheHelpAndVersionBoxesAndOpenTheHomepage)
{
    putFile(paths::startIni, "[Hotkeys]\nEnabled=0\n");  // no hotkeys in force to list
    createStartupWindow();

    program.menuCommand(startup::帮助);
    program.menuCommand(startup::版本);
    program.menuCommand(startup::主页);

    ASSERT_EQ(fp.shell.boxes.size(), 2u);
    EXPECT_EQ(fp.shell.boxes[0].caption, "帮助");
    EXPECT_EQ(fp.shell.boxes[0].text,
              "单击菜单栏的开始按钮，选择智能吸附窗口，移动鼠标至需要优化颜色的窗口(类似一些截图软件很方便)，"
              "按任意键进入控制台，A:为透明度。R:为红色。G:为绿色。B:为蓝色。"
              "保存颜色按钮可以记录用户设置的颜色，以便下次开启软件后无需再次设置。"
              "软件自带截图功能，直接选取保存格式，软件会自动保存已覆盖区域的图像到指定文件夹，"
              "截图以数字来命名，不建议清空统计次数，否则会替换已存在的同名文件。");
    EXPECT_EQ(fp.shell.boxes[1].caption, "版本：");
    EXPECT_EQ(fp.shell.boxes[1].text, "Tintorav2.0");
    ASSERT_EQ(fp.shell.opened.size(), 1u);
    EXPECT_EQ(fp.shell.opened[0], texts::homepage);
    EXPECT_TRUE(fp.shell.opened[0].starts_with("https://"));
}

class TopmostKeeper : public unit::ProgramTest {
protected:
    TopmostKeeper()
    {
        startAndLock();
        fp.desktop.topmostCalls.clear();
    }

    void tick()
    {
        ASSERT_EQ(fp.desktop.callbackTimers.size(), 1u);
        fp.desktop.callbackTimers.begin()->second.tick();
    }

    // The topmost calls since the last look, as (window, topmost) pairs.
    std::vector<std::pair<WindowHandle, bool>> takeTopmostCalls()
    {
        std::vector<std::pair<WindowHandle, bool>> calls;
        for (const auto& call : fp.desktop.topmostCalls) calls.emplace_back(call.window, call.topmost);
        fp.desktop.topmostCalls.clear();
        return calls;
    }

    const WindowHandle overlay = fp.ui.startupHandle;
    const WindowHandle console = fp.ui.consoleHandle;
    // Both windows dropped from and put back on top, the console last so that it stays above the tint.
    const std::vector<std::pair<WindowHandle, bool>> restack = {
        {overlay, false}, {overlay, true}, {console, false}, {console, true}};
};

TEST_F(TopmostKeeper, RunsEvery50MillisecondsWithOneTimer)
{
    ASSERT_EQ(fp.desktop.callbackTimers.size(), 1u);
    EXPECT_EQ(fp.desktop.callbackTimers.begin()->second.ms, 50);

    // A second creation replaces the timer instead of adding one.
    createConsole();
    EXPECT_EQ(fp.desktop.callbackTimers.size(), 1u);

    // Once the system has told of another program's window in front, it lifts ours at each report
    // and checks a few times after it, then once a second.
    fp.desktop.foreground = unit::targetWindow;
    fp.desktop.foregroundWatcher(unit::targetWindow);
    EXPECT_EQ(takeTopmostCalls(), restack);
    fp.desktop.advance(1000);
    EXPECT_EQ(takeTopmostCalls().size(), 2 * restack.size());
    EXPECT_EQ(fp.desktop.callbackTimers.begin()->second.ms, 1000);
}

// Run with the system's reports (Windows) and without (Wine): ours end above a window clicked, which
// raises itself again after the report, above a window kept on top by another program and put above
// ours without coming to the front, and above a taskbar the shell made anew; the console ends above
// the overlay raised over it.
class TopmostKeeperPaths : public TopmostKeeper, public testing::WithParamInterface<bool> {
protected:
    bool oursOnTop() const
    {
        return std::ranges::all_of(fp.desktop.windowsAbove(overlay), [&](WindowHandle w) { return w == console; }) &&
               fp.desktop.windowsAbove(console).empty();
    }
};

TEST_P(TopmostKeeperPaths, OursEndAboveWhateverTheSystemReports)
{
    fp.desktop.reports = GetParam();
    constexpr WindowHandle player = 0x3005;
    fp.desktop.rects[player] = {0, 0, 1920, 1080};
    fp.bringToFront(unit::targetWindow);
    fp.desktop.advance(300);
    EXPECT_TRUE(oursOnTop()) << "below the window clicked";
    fp.desktop.raise(player);
    fp.desktop.advance(1000);
    EXPECT_TRUE(oursOnTop()) << "below a player kept on top";
    fp.desktop.rects[overlay] = {0, 0, 1920, 1080};
    fp.desktop.topmostCalls.clear();
    fp.desktop.raise(overlay);
    fp.desktop.advance(1000);
    EXPECT_TRUE(oursOnTop()) << "the console below the overlay";
    EXPECT_TRUE(std::ranges::none_of(fp.desktop.topmostCalls, [&](const auto& c) { return c.window == overlay; }))
        << "the overlay lifted too: under Wine it ends above the console again";
    fp.desktop.raise(player);
    program.trayCreated(WindowId::startup);
    EXPECT_TRUE(oursOnTop()) << "below the new taskbar";
}

INSTANTIATE_TEST_SUITE_P(Modes, TopmostKeeperPaths, testing::Bool(),
                         [](const auto& mode) { return mode.param ? "Windows" : "Wine"; });

// Ours are lifted on the checks of the second after a change of foreground window (20 at 50 ms),
// then no more; other programs' windows keep their flags; a lost flag is put back.
TEST_F(TopmostKeeper, RestacksOnlyOursAndOnlyAfterTheForegroundChanges)
{
    fp.desktop.foreground = unit::targetWindow;
    fp.desktop.exStyles[unit::targetWindow] = exstyle::topmost;
    for (int check = 0; check < 20; ++check) {
        tick();
        EXPECT_EQ(takeTopmostCalls(), restack) << "check " << check;
    }
    tick();
    EXPECT_TRUE(takeTopmostCalls().empty()) << "restacked with nothing changed";
    EXPECT_TRUE(fp.desktop.extendedStyle(unit::targetWindow) & exstyle::topmost);

    // Another program took the flag away without coming to the front.
    fp.desktop.exStyles[overlay] &= ~exstyle::topmost;
    tick();
    EXPECT_EQ(takeTopmostCalls(), (std::vector<std::pair<WindowHandle, bool>>{{overlay, true}}));
}

// The window the keyboard goes back to when the console goes to the tray is a program's, never the
// shell's (a double-click on the tray icon puts the taskbar in front), a tool window or our own.
TEST_F(TopmostKeeper, RemembersOnlyAProgramsWindowForTheKeyboard)
{
    constexpr WindowHandle game = 0x3001, taskbar = 0x3002, palette = 0x3003;
    fp.tree.add(game, 0, "GameWindow", "game.exe");
    fp.tree.add(taskbar, 0, "Shell_TrayWnd", "explorer.exe");
    fp.tree.add(palette, 0, "Palette", "game.exe");
    fp.desktop.exStyles[palette] = exstyle::toolWindow;
    for (WindowHandle front : {game, taskbar, palette, overlay, console}) {
        fp.desktop.foreground = front;
        tick();
    }
    program.menuCommand(console::最小化控制台到托盘);
    EXPECT_EQ(fp.desktop.foreground, game);
}

}  // namespace
}  // namespace tintora