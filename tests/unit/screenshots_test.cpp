#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

constexpr const char* counterCaption = "当前截图统计次数为：";

class Screenshots : public unit::ProgramTest {
protected:
    std::string image(const std::string& name) const { return path("\\Images\\" + name); }
    bool hasImage(const std::string& name) const { return fp.files.files.count(image(name)) > 0; }
    std::string imageContent(const std::string& name) const { return fp.files.text(image(name)); }
    std::string meter() const { return readItem(items::meter); }
    std::string counterMenu() const { return menuCaption(console::当前截图统计次数为); }
    long logIndex(std::string_view entry) const
    {
        return std::find(fp.log.begin(), fp.log.end(), entry) - fp.log.begin();
    }
    bool logHas(std::string_view prefix) const
    {
        return std::any_of(fp.log.begin(), fp.log.end(), [&](const auto& e) { return e.starts_with(prefix); });
    }
    // The one balloon shown since the last clear, pointing at the middle of the console's bottom edge.
    std::string noticeByConsole() const
    {
        if (fp.ui.balloons.size() != 1) return "balloons: " + std::to_string(fp.ui.balloons.size());
        const Geometry console = geometry(WindowId::console);
        const Point at = fp.ui.balloons[0].at;
        if (at != Point{console.left + console.width / 2, console.top + console.height}) return "not by the console";
        return fp.ui.balloons[0].text;
    }
};

TEST_F(Screenshots, FirstPngOfAFreshInstallationIsNumberOne)
{
    startAndLock();
    EXPECT_EQ(counterMenu(), std::string(counterCaption) + "0");

    program.menuCommand(console::储存为PNG格式);
    EXPECT_EQ(imageContent("1.png"), "IMG5:300x400");
    EXPECT_EQ(meter(), "1");
    EXPECT_EQ(counterMenu(), std::string(counterCaption) + "1");
}

TEST_F(Screenshots, CropsExactlyTheOverlaysRectangleFromTheScreen)
{
    startAndLock({-20, 5, 620, 485});
    fp.log.clear();
    program.menuCommand(console::储存为BMP格式);

    ASSERT_EQ(fp.capture.grabs.size(), 1u);
    EXPECT_EQ(fp.capture.grabs[0], (ScreenRect{-20, 5, 620, 485}));
    EXPECT_LT(logIndex("flushScreen"), logIndex("grab"));
    EXPECT_EQ(imageContent("1.bmp"), "IMG1:640x480");
}

TEST_F(Screenshots, OneCounterNumbersEveryFormat)
{
    startAndLock();
    const struct {
        console::Menu command;
        ImageFormat format;
        const char* file;
    } shots[] = {
        {console::储存为BMP格式, ImageFormat::bmp, "1.bmp"},
        {console::储存为JPG格式, ImageFormat::jpeg, "2.jpg"},
        {console::储存为GIF格式, ImageFormat::gif, "3.gif"},
        {console::储存为PNG格式, ImageFormat::png, "4.png"},
    };
    for (const auto& shot : shots) {
        SCOPED_TRACE(shot.file);
        program.menuCommand(shot.command);
        EXPECT_EQ(fp.capture.encodes.back(), shot.format);
        EXPECT_EQ(imageContent(shot.file), "IMG" + std::to_string(static_cast<int>(shot.format)) + ":300x400");
    }
    EXPECT_EQ(fp.files.listFiles(image("*")).size(), 4u);
    EXPECT_EQ(meter(), "4");
}

TEST_F(Screenshots, AfterAResetTheNextNumberIsOneAgainAndReplacesOnlyTheSameName)
{
    startAndLock();
    putFile("\\Images\\1.jpg", "OLD");
    program.menuCommand(console::储存为BMP格式);
    program.menuCommand(console::清空截图次数统计);
    EXPECT_EQ(meter(), "0");
    EXPECT_EQ(counterMenu(), std::string(counterCaption) + "0");

    program.menuCommand(console::储存为JPG格式);
    EXPECT_EQ(imageContent("1.jpg"), "IMG2:300x400");
    EXPECT_EQ(imageContent("1.bmp"), "IMG1:300x400");
    EXPECT_EQ(meter(), "1");
}

TEST_F(Screenshots, PaddedMeterContinuesWithTheNextNumber)
{
    putFile(paths::screenshotIni, "[Screenshotstatistics]\nMeter=007\n");
    startAndLock();
    EXPECT_EQ(counterMenu(), std::string(counterCaption) + "007");

    program.menuCommand(console::储存为GIF格式);
    EXPECT_TRUE(hasImage("8.gif"));
    EXPECT_EQ(meter(), "8");
    EXPECT_EQ(counterMenu(), std::string(counterCaption) + "8");
}

TEST_F(Screenshots, AFailedCaptureOrEncodingWritesNothingKeepsTheCounterAndSaysWhichFailed)
{
    startAndLock();
    program.menuCommand(console::储存为PNG格式);
    const struct {
        bool& fails;
        const char* notice;
    } failures[] = {
        {fp.capture.fails, "截图未保存：无法截取图像。"},
        {fp.capture.encodingFails, "截图未保存：无法编码图像。"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.notice);
        failure.fails = true;
        fp.log.clear();
        fp.files.writes.clear();
        fp.ui.balloons.clear();

        program.menuCommand(console::储存为PNG格式);
        EXPECT_TRUE(logHas("grab"));
        EXPECT_FALSE(logHas("writeFile"));
        EXPECT_TRUE(fp.files.writes.empty());
        EXPECT_FALSE(hasImage("2.png"));
        EXPECT_EQ(meter(), "1");
        EXPECT_EQ(counterMenu(), std::string(counterCaption) + "1");
        EXPECT_EQ(noticeByConsole(), failure.notice);
        failure.fails = false;
    }
    program.menuCommand(console::储存为PNG格式);
    EXPECT_TRUE(hasImage("2.png"));
}

TEST_F(Screenshots, AShotWhoseFileCannotBeWrittenIsNotCounted)
{
    putFile(paths::screenshotIni, "[Screenshotstatistics]\nMeter=007\n");
    startAndLock();
    fp.files.folders.erase(path("\\Images"));
    putFile("\\Images", "a file where the folder was");
    fp.ui.balloons.clear();

    program.menuCommand(console::储存为PNG格式);
    EXPECT_EQ(fp.files.listFiles(image("*")).size(), 0u);
    EXPECT_EQ(meter(), "007");
    EXPECT_EQ(counterMenu(), std::string(counterCaption) + "007");
    EXPECT_EQ(noticeByConsole(), "截图未保存：" + image("8.png") + "：" + fake::pathNotFoundReason);

    fp.files.files.erase(path("\\Images"));
    program.menuCommand(console::储存为PNG格式);
    EXPECT_EQ(imageContent("8.png"), "IMG5:300x400");
    EXPECT_EQ(meter(), "8");
}

TEST_F(Screenshots, TheCounterStopsAtItsTopUntilCleared)
{
    putFile(paths::screenshotIni, "[Screenshotstatistics]\nMeter=2147483647\n");
    startAndLock();
    fp.ui.balloons.clear();

    program.menuCommand(console::储存为BMP格式);
    EXPECT_TRUE(fp.capture.grabs.empty());
    EXPECT_EQ(fp.files.listFiles(image("*")).size(), 0u);
    EXPECT_EQ(meter(), "2147483647");
    EXPECT_EQ(noticeByConsole(), "截图未保存：截图次数已达上限，请先清空截图次数统计。");

    program.menuCommand(console::清空截图次数统计);
    program.menuCommand(console::储存为BMP格式);
    EXPECT_EQ(imageContent("1.bmp"), "IMG1:300x400");
}

class ScreenshotConsolePlace : public Screenshots, public testing::WithParamInterface<bool> {};

TEST_P(ScreenshotConsolePlace, ConsoleIsOffScreenOnlyWhileThePictureIsTaken)
{
    startAndLock();
    fp.ui.move(WindowId::console, {15, 25, 500, 371});
    fp.capture.fails = GetParam();
    std::vector<Geometry> atGrab;
    fp.capture.onGrab = [&] { atGrab.push_back(geometry(WindowId::console)); };

    program.menuCommand(console::储存为JPG格式);
    EXPECT_EQ(atGrab, (std::vector<Geometry>{{-1000, 25, 500, 371}}));
    EXPECT_EQ(geometry(WindowId::console), (Geometry{15, 25, 500, 371}));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, ScreenshotConsolePlace, testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Failed" : "Succeeded"); });

TEST_F(Screenshots, ARemovedImagesFolderIsCreatedAgain)
{
    startAndLock();
    fp.files.folders.erase(path("\\Images"));

    program.menuCommand(console::储存为PNG格式);
    EXPECT_TRUE(fp.files.folders.count(path("\\Images")));
    EXPECT_EQ(imageContent("1.png"), "IMG5:300x400");
}

TEST_F(Screenshots, TheCounterIsWrittenBeforeThePicture)
{
    startAndLock();
    fp.log.clear();
    program.menuCommand(console::储存为PNG格式);

    const long counterWrite = logIndex("ini Screenshotstatistics.Meter=1");
    const long pictureWrite = logIndex("writeFile " + image("1.png"));
    ASSERT_LT(pictureWrite, static_cast<long>(fp.log.size()));
    EXPECT_LT(counterWrite, pictureWrite);
    // The picture's storage is let go only once it is encoded.
    EXPECT_LT(logIndex("grab"), logIndex("endShot"));
    EXPECT_LT(logIndex("endShot"), pictureWrite);

    // A counter that cannot be written would give its number again: no picture, and the reason.
    fp.files.readOnly.insert(path(paths::screenshotIni));
    fp.ui.balloons.clear();
    program.menuCommand(console::储存为PNG格式);
    EXPECT_FALSE(hasImage("2.png"));
    EXPECT_EQ(noticeByConsole(), "截图未保存：" + path(paths::screenshotIni) + "：" + fake::deniedReason);
}

TEST_F(Screenshots, OpenFolderOpensImagesBesideTheProgram)
{
    startAndLock();
    fp.ui.balloons.clear();
    program.menuCommand(console::打开截图文件夹);
    EXPECT_EQ(fp.shell.opened, (std::vector<std::string>{fp.process.runDir + "\\Images\\"}));
    EXPECT_TRUE(fp.ui.balloons.empty());

    fp.shell.openFails = true;
    program.menuCommand(console::打开截图文件夹);
    EXPECT_EQ(noticeByConsole(), "无法打开文件夹：" + fp.process.runDir + "\\Images：" + fake::deniedReason);
}

// Where the monitors' parts of a grab leave no gap, the kept bitmap is not cleared; overlapping
// monitors can add up to the whole area and still leave one.
TEST(MonitorParts, TileTheRectangleOnlyWithoutGapsOrOverlaps)
{
    const ScreenRect whole{0, 0, 100, 50};
    EXPECT_TRUE(tiles(whole, {{0, 0, 60, 50}, {60, 0, 100, 50}}));
    EXPECT_FALSE(tiles(whole, {{0, 0, 60, 50}}));
    EXPECT_FALSE(tiles(whole, {{0, 0, 60, 50}, {40, 0, 80, 50}}));
    EXPECT_FALSE(tiles(whole, {}));
}

}  // namespace
}  // namespace tintora
