#include <gtest/gtest.h>

#include <functional>

#include "app/tintora.h"
#include "commands/commands.h"
#include "design/design.h"
#include "hotkeys/key_combination.h"
#include "support/fake_platform.h"

namespace tintora {
namespace {

class StartupWindowCreated : public testing::Test {
protected:
    std::string dir(std::string_view suffix) const { return fp.process.runDir + std::string(suffix); }
    void create()
    {
        program.start();
        program.windowCreated(WindowId::startup);
    }

    fake::FakePlatform fp;
    Tintora program{fp.platform};
};

TEST_F(StartupWindowCreated, FirstStartInAnEmptyFolderWritesTheDefaults)
{
    create();

    EXPECT_EQ(fp.process.currentDirectory(), fp.process.runDir);
    EXPECT_TRUE(fp.files.listFiles(dir("\\*")).empty());
    EXPECT_TRUE(fp.files.folders.count(dir("\\Config")));
    EXPECT_TRUE(fp.files.folders.count(dir("\\Images")));
    EXPECT_EQ(fp.files.text(dir("\\Config\\Screenshotstatistics.ini")), "[Screenshotstatistics]\nMeter=0\n");
    EXPECT_EQ(fp.files.text(dir("\\Config\\Colour.ini")), "[colour]\nA=30\nR=255\nG=255\nB=255\n");
    EXPECT_EQ(fp.files.text(dir("\\Config\\Start.ini")), "[Start]\nSmall=0\n[Bg]\nBackground=0\n");
    EXPECT_FALSE(fp.files.exists(dir("\\VirelineConfig")));
    EXPECT_FALSE(fp.files.exists(dir("\\VirelineConfig\\Config\\Chart.ini")));
    EXPECT_TRUE(fp.ui.isChecked(startup::启动背景_柔和));
    EXPECT_FALSE(fp.ui.isChecked(startup::启动背景_鲜艳));
    EXPECT_EQ(fp.ui.control(startup::动画框1).picture, StartupPicture::soft);
    // Every default hotkey is written, read back and registered; each is Ctrl+Alt+Shift with an
    // F-key, which no layout types with AltGr, no remote session takes and F12 (the debugger's) is not.
    EXPECT_EQ(fp.hotkeys.registered.size(), hotkeyActionCount);
    for (const auto& [action, keys] : fp.hotkeys.registered) {
        const bool fKey = keys.virtualKey >= 0x70 && keys.virtualKey < 0x7B;  // F1 to F11
        EXPECT_TRUE(keys.ctrl && keys.alt && keys.shift && !keys.win && fKey) << keyCombinationText(keys);
    }
}

TEST_F(StartupWindowCreated, WritesEachDefaultKeyOnItsOwnInOrder)
{
    fp.files.folders.insert(dir("\\VirelineConfig"));
    fp.files.folders.insert(dir("\\VirelineConfig\\Config"));
    create();

    const std::string config = dir("\\Config\\");
    const std::string chart = dir("\\VirelineConfig\\Config\\Chart.ini");
    const std::vector<std::string> expected = {
        config + "Screenshotstatistics.ini|Screenshotstatistics|Meter=0",
        chart + "|Imges|Img=",
        chart + "|Choice|Record=3",
        chart + "|Group|Record=0",
        config + "Colour.ini|colour|A=30",
        config + "Colour.ini|colour|R=255",
        config + "Colour.ini|colour|G=255",
        config + "Colour.ini|colour|B=255",
        config + "Start.ini|Start|Small=0",
        config + "Start.ini|Bg|Background=0",
    };
    // The hotkeys' defaults are checked by what they do, at the first start.
    std::erase_if(fp.files.writes, [&](const std::string& w) { return w.starts_with(config + "Hotkeys.ini|"); });
    EXPECT_EQ(fp.files.writes, expected);
    EXPECT_EQ(fp.files.text(chart), "[Imges]\nImg=\n[Choice]\nRecord=3\n[Group]\nRecord=0\n");
}

TEST_F(StartupWindowCreated, NeverRewritesExistingFilesEvenWithKeysMissing)
{
    fp.files.putFile(dir("\\Config\\Colour.ini"), "[colour]\nR=1\n");
    fp.files.putFile(dir("\\Config\\Start.ini"), "[Bg]\nBackground=1\n");
    fp.files.putFile(dir("\\Config\\Screenshotstatistics.ini"), "");
    fp.files.putFile(dir("\\Config\\Hotkeys.ini"), "");
    fp.files.putFile(dir("\\VirelineConfig\\Config\\Chart.ini"), "[Choice]\nRecord=1\n");
    create();

    EXPECT_TRUE(fp.files.writes.empty());
    EXPECT_EQ(fp.files.text(dir("\\Config\\Colour.ini")), "[colour]\nR=1\n");
}

struct BackgroundCase {
    const char* value;
    StartupPicture picture;
};

class BackgroundValue : public StartupWindowCreated, public testing::WithParamInterface<BackgroundCase> {};

TEST_P(BackgroundValue, ChoosesThePictureAndItsCheckMark)
{
    fp.files.putFile(dir("\\Config\\Start.ini"), std::string("[Bg]\nBackground=") + GetParam().value + "\n");
    create();

    const bool vivid = GetParam().picture == StartupPicture::vivid;
    EXPECT_EQ(fp.ui.control(startup::动画框1).picture, GetParam().picture);
    EXPECT_EQ(fp.ui.isChecked(startup::启动背景_柔和), !vivid);
    EXPECT_EQ(fp.ui.isChecked(startup::启动背景_鲜艳), vivid);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BackgroundValue,
    testing::Values(BackgroundCase{"0", StartupPicture::soft}, BackgroundCase{"1", StartupPicture::vivid},
                    BackgroundCase{"2", StartupPicture::vivid}, BackgroundCase{"-1", StartupPicture::vivid},
                    BackgroundCase{"abc", StartupPicture::soft}, BackgroundCase{"", StartupPicture::soft}));

TEST_F(StartupWindowCreated, AConfigFileInsteadOfAFolderBlocksEverySettingsWrite)
{
    fp.files.putFile(dir("\\Config"), "not a folder");
    create();

    EXPECT_FALSE(fp.files.folders.count(dir("\\Config")));
    EXPECT_FALSE(fp.files.exists(dir("\\Config\\Colour.ini")));
    EXPECT_TRUE(fp.files.folders.count(dir("\\Images")));
    EXPECT_EQ(fp.ui.control(startup::动画框1).picture, StartupPicture::soft);
}

TEST_F(StartupWindowCreated, PreparesTheWindowAsTheLayeredOpeningScreen)
{
    fp.desktop.exStyles[fp.ui.startupHandle] = 0x100;
    create();

    const Size client = fp.ui.clientSize(WindowId::startup);
    EXPECT_EQ(fp.ui.control(startup::动画框1).geometry, (Geometry{0, 0, client.width, client.height + 30}));
    for (auto timer : {startup::时钟1, startup::时钟2, startup::时钟3})
        EXPECT_EQ(fp.ui.interval(timer), 0) << "a clock without work";
    EXPECT_EQ(fp.desktop.extendedStyle(fp.ui.startupHandle), 0x100u | exstyle::layered);
    ASSERT_TRUE(fp.desktop.layered.count(fp.ui.startupHandle));
    EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].key, 0xFB02FCu);
    EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].alpha, 255);
    for (auto menu : hintMenus) EXPECT_FALSE(fp.ui.menu(menu).visible);
    EXPECT_TRUE(fp.ui.menu(startup::开始).visible);
    EXPECT_TRUE(fp.ui.menu(startup::关于).visible);
}

TEST_F(StartupWindowCreated, BackgroundMenuItemsSwitchAtOnceAndRemember)
{
    create();
    program.menuCommand(startup::启动背景_鲜艳);
    EXPECT_EQ(fp.files.read(dir("\\Config\\Start.ini"), "Bg", "Background"), "1");
    EXPECT_EQ(fp.ui.control(startup::动画框1).picture, StartupPicture::vivid);
    EXPECT_TRUE(fp.ui.isChecked(startup::启动背景_鲜艳));
    EXPECT_FALSE(fp.ui.isChecked(startup::启动背景_柔和));

    program.menuCommand(startup::启动背景_柔和);
    EXPECT_EQ(fp.files.read(dir("\\Config\\Start.ini"), "Bg", "Background"), "0");
    EXPECT_EQ(fp.ui.control(startup::动画框1).picture, StartupPicture::soft);
    EXPECT_TRUE(fp.ui.isChecked(startup::启动背景_柔和));
    EXPECT_FALSE(fp.ui.isChecked(startup::启动背景_鲜艳));
}

// Every way out removes the tray icons the shell holds, also one Tintora cannot know it took (an
// add that timed out).
TEST_F(StartupWindowCreated, EveryExitRemovesTheTrayIconsAndEndsWithCodeZeroWritingNothing)
{
    create();
    const auto writesBefore = fp.files.writes.size();
    const std::function<void()> exits[] = {
        [&] { program.menuCommand(startup::退出); },
        [&] { program.menuCommand(console::关闭程序并退出); },
        [&] { program.menuCommand(console::退出); },
        [&] { program.windowCloseRequested(WindowId::startup); },
        [&] {
            const std::vector<std::string> quit{"/quit"};
            program.commandGiven(std::get<Command>(parseCommand(quit)), [](const CommandAnswer&) {});
        },
    };
    for (const auto& exit : exits) {
        fp.ui.trayTips = {{WindowId::console, "tip"}, {WindowId::startup, "tip"}};
        try {
            exit();
            ADD_FAILURE() << "the process did not end";
        } catch (const fake::ProcessExited& e) {
            EXPECT_EQ(e.code, 0);
        }
        EXPECT_TRUE(fp.ui.trayTips.empty()) << "a tray icon left behind";
    }
    EXPECT_EQ(fp.files.writes.size(), writesBefore);
}

}  // namespace
}  // namespace tintora
