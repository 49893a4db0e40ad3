#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/settings.h"
#include "overlay/chart_follower.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

constexpr int alphaSlider = 77;
constexpr Colour creationColour = rgb(255, 0, 0);

class ChartFollower : public unit::ProgramTest {
protected:
    ChartFollower() { putFile(paths::colourIni, "[colour]\nA=77\nR=255\nG=0\nB=0\n"); }

    void putChart(std::string_view choice, std::string_view picture)
    {
        putFile(paths::chartIni, "[Choice]\nRecord=" + std::string(choice) + "\n[Imges]\nImg=" + std::string(picture) +
                                     "\n[Group]\nRecord=0\n");
    }
    void putChartFile(std::string_view name, std::string content)
    {
        putFile(std::string(paths::chartFolder) + std::string(name), std::move(content));
    }
    // Locks, then forgets what the lock itself drew, so that only the follower's work is seen.
    void lockAndRunFollower()
    {
        startAndLock();
        fp.log.clear();
        fp.desktop.layered.clear();
        fillsBefore = fp.canvas.fills;
        program.timerTick(console::时钟2);
    }

    std::vector<std::string> pictureCalls() const
    {
        std::vector<std::string> calls;
        std::copy_if(fp.log.begin(), fp.log.end(), std::back_inserter(calls),
                     [](const auto& e) { return e.starts_with("canvas.setPicture"); });
        return calls;
    }
    std::string picture() const { return std::string(fp.canvas.picture.begin(), fp.canvas.picture.end()); }
    bool tinted() const { return fp.canvas.fills > fillsBefore; }

    void expectTransparencyApplied()
    {
        const WindowHandle overlay = fp.ui.startupHandle;
        ASSERT_EQ(fp.desktop.layered.count(overlay), 1u);
        EXPECT_EQ(fp.desktop.layered[overlay].key, keyColour);
        EXPECT_EQ(fp.desktop.layered[overlay].alpha, alphaSlider);
        EXPECT_TRUE(fp.desktop.extendedStyle(overlay) & exstyle::layered);
        EXPECT_EQ(interval(console::时钟2), 0);
    }

    int fillsBefore = 0;
};

struct ModeCase {
    const char* name;
    const char* choice;
    bool picture;
    bool tint;
    bool followUp;
};

class ChartMode : public ChartFollower, public testing::WithParamInterface<ModeCase> {};

TEST_P(ChartMode, ActsOnlyInItsModeAndAlwaysAppliesTheTransparency)
{
    putChart(GetParam().choice, "a.png");
    putChartFile("a.png", "PNG-A");
    lockAndRunFollower();

    EXPECT_EQ(pictureCalls().size(), GetParam().picture ? 1u : 0u);
    if (GetParam().picture) EXPECT_EQ(picture(), "PNG-A");
    EXPECT_EQ(tinted(), GetParam().tint);
    if (GetParam().tint) EXPECT_EQ(fp.canvas.filledWith, creationColour);
    EXPECT_EQ(interval(console::时钟3), GetParam().followUp ? 40 : 0);
    expectTransparencyApplied();
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ChartMode,
    testing::Values(ModeCase{"Picture", "1", true, true, false}, ModeCase{"TransparencyOnly", "2", false, false, true},
                    ModeCase{"PlainTint", "3", false, true, false}, ModeCase{"Zero", "0", false, false, false},
                    ModeCase{"Four", "4", false, false, false}, ModeCase{"Negative", "-1", false, false, false},
                    ModeCase{"Empty", "", false, false, false}, ModeCase{"DecimalReadsTwo", "2.9", false, false, true},
                    ModeCase{"TrailingTextReadsThree", "3abc", false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct PictureCase {
    const char* name;
    const char* img;
    std::vector<const char*> chartFiles;  // names under the chart folder, given the content "FILE"
    std::vector<const char*> chartSubfolders;
    bool pictureSet;  // whether the canvas is handed bytes at all; the bytes are then empty
};

class ChartPicture : public ChartFollower, public testing::WithParamInterface<PictureCase> {};

// Whenever a picture is handed over here it is the empty one: none of these names may be read.
TEST_P(ChartPicture, HandsOverNothingOrAnEmptyPicture)
{
    putChart("1", GetParam().img);
    putChartFile("readme.txt", "not a picture");
    for (const char* name : GetParam().chartFiles) putChartFile(name, "FILE");
    for (const char* folder : GetParam().chartSubfolders)
        fp.files.folders.insert(path(std::string(paths::chartFolder) + folder));
    lockAndRunFollower();

    if (GetParam().pictureSet) {
        EXPECT_EQ(pictureCalls(), std::vector<std::string>{"canvas.setPicture 0"});
    } else {
        EXPECT_TRUE(pictureCalls().empty());
    }
    EXPECT_EQ(tinted(), GetParam().pictureSet) << "the tint over the picture";
    expectTransparencyApplied();
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChartPicture,
    testing::Values(PictureCase{"EmptyImg", "", {"a.png"}, {}, false},
                    PictureCase{"NoPngInTheFolder", "a.png", {}, {}, false},
                    PictureCase{"PngSubfolderIsNotCounted", "a.png", {}, {"dir.png"}, false},
                    PictureCase{"MissingNamedPicture", "missing.png", {"b.png"}, {}, true},
                    PictureCase{"ParentReference", "..\\secret.png", {"b.png", "..\\secret.png"}, {}, true},
                    PictureCase{"BackslashSeparator", "sub\\a.png", {"b.png", "sub\\a.png"}, {}, true},
                    PictureCase{"SlashSeparator", "sub/a.png", {"b.png", "sub/a.png"}, {}, true},
                    PictureCase{"Drive", "C:a.png", {"b.png", "C:a.png"}, {}, true},
                    PictureCase{"DotDot", "..", {"b.png", ".."}, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartPictureName, OnlyBareFileNamesArePlain)
{
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"a.png", true}, {"chart 1.PNG", true}, {"..a.png", true},  {"", false},        {".", false},
        {"..", false},   {"..\\a.png", false},  {"a/b.png", false}, {"C:a.png", false}, {"\\a.png", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isPlainFileName(c.name), c.plain) << '"' << c.name << '"';
}

TEST_F(ChartFollower, WithoutTheSharedFolderOnlyTheTransparencyIsApplied)
{
    lockAndRunFollower();

    EXPECT_FALSE(fp.files.exists(path("\\VirelineConfig")));
    EXPECT_TRUE(pictureCalls().empty());
    EXPECT_FALSE(tinted());
    EXPECT_EQ(interval(console::时钟3), 0);
    expectTransparencyApplied();
}

TEST_F(ChartFollower, ReadsChartIniFromItsBytesAndOfTwoReadingsTheOneWhosePictureExists)
{
    startAndLock();
    const std::string gbkAlsoUtf8 = "\xCD\xBC\xC6\xAC.png";  // 图片 in GBK
    const std::pair<std::string, std::string> iniAndPicture[] = {
        {"\xEF\xBB\xBF[Choice]\r\nRecord=1\r\n[Imges]\r\nImg=图表.png", "图表.png"},
        {"[Choice]\nRecord=1\n[Imges]\nImg=" + gbkAlsoUtf8, "图片.png"},
        {"[Choice]\nRecord=1\n[Imges]\nImg=" + gbkAlsoUtf8, gbkAlsoUtf8},
    };
    for (const auto& [ini, pictureFile] : iniAndPicture) {
        putFile(paths::chartIni, ini);
        putChartFile(pictureFile, pictureFile);
        program.timerTick(console::时钟2);
        EXPECT_EQ(picture(), pictureFile);
        fp.files.removeFile(path(std::string(paths::chartFolder) + pictureFile));
    }
}

TEST_F(ChartFollower, TransparencyKeepsTheOtherStyleBitsAndUsesTheTintsOpacity)
{
    putChart("0", "");
    startAndLock();
    const WindowHandle overlay = fp.ui.startupHandle;
    fp.desktop.setExtendedStyle(overlay, exstyle::transparent | exstyle::topmost);
    moveSlider(console::滑块条1, 200);

    program.timerTick(console::时钟2);
    EXPECT_EQ(fp.desktop.extendedStyle(overlay), exstyle::transparent | exstyle::topmost | exstyle::layered);
    EXPECT_EQ(fp.desktop.layered[overlay].alpha, 200);
    EXPECT_EQ(fp.desktop.layered[overlay].key, keyColour);
}

TEST_F(ChartFollower, PlainTintPaintsTheTintAsTheSlidersShowIt)
{
    putChart("3", "");
    putFile(paths::colourIni, "[colour]\nA=77\nR=300\nG=-5\nB=0\n");
    startAndLock();
    moveSlider(blueSlider, 40);
    fp.canvas.clear();
    program.timerTick(console::时钟2);
    EXPECT_EQ(fp.canvas.filledWith, rgb(255, 0, 40)) << "hand-edited values are clamped as on the sliders";
}

TEST_F(ChartFollower, APictureLiesBeneathTheTintWhicheverOfTheirClocksFiresFirst)
{
    putChart("1", "a.png");
    putChartFile("a.png", "PNG-A");
    startAndLock();
    for (const bool chartFirst : {true, false}) {
        createConsole();  // arms both clocks again
        program.timerTick(chartFirst ? console::时钟2 : console::时钟1);
        program.timerTick(chartFirst ? console::时钟1 : console::时钟2);
        EXPECT_EQ(fp.canvas.filledWith, creationColour) << (chartFirst ? "chart first" : "first tint first");
    }
    EXPECT_EQ(picture(), "PNG-A");
}

TEST_F(ChartFollower, TransparencyOnlyModeReappliesOnceOnTheFollowUpTick)
{
    putChart("2", "");
    lockAndRunFollower();
    ASSERT_EQ(interval(console::时钟3), 40);

    moveSlider(console::滑块条1, 120);
    fp.desktop.layered.clear();
    fp.log.clear();
    program.timerTick(console::时钟3);

    EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].alpha, 120);
    EXPECT_EQ(interval(console::时钟3), 0);
    EXPECT_EQ(fp.log.front(), "processPendingEvents");
    EXPECT_FALSE(tinted());
    EXPECT_TRUE(pictureCalls().empty());
}

TEST_F(ChartFollower, PendingEventsAreDispatchedBeforeTheSettingsAreRead)
{
    putChart("3", "");
    startAndLock();
    // A handler run from the queue switches the mode before the follower reads it.
    fp.desktop.onProcessPendingEvents = [this] { putChart("0", ""); };
    const int fills = fp.canvas.fills;
    program.timerTick(console::时钟2);
    EXPECT_EQ(fp.canvas.fills, fills);
}

struct NestedCase {
    const char* name;
    const char* choice;
    console::Timer timer;
};

class ChartNestedRun : public ChartFollower, public testing::WithParamInterface<NestedCase> {};

// processPendingEvents may run the same tick once more inside the follower.
TEST_P(ChartNestedRun, IsHarmless)
{
    putChart(GetParam().choice, "a.png");
    putChartFile("a.png", "PNG-A");
    startAndLock();
    if (GetParam().timer == console::时钟3) program.timerTick(console::时钟2);
    int nested = 0;
    fp.desktop.onProcessPendingEvents = [&] {
        if (nested++ == 0) program.timerTick(GetParam().timer);
    };
    fp.desktop.layered.clear();

    program.timerTick(GetParam().timer);
    EXPECT_EQ(nested, 2);
    EXPECT_EQ(interval(GetParam().timer), 0);
    if (std::string(GetParam().choice) == "1") EXPECT_EQ(picture(), "PNG-A");
    expectTransparencyApplied();
}

INSTANTIATE_TEST_SUITE_P(Timers, ChartNestedRun,
                         testing::Values(NestedCase{"PictureFollower", "1", console::时钟2},
                                         NestedCase{"TintFollower", "3", console::时钟2},
                                         NestedCase{"FollowUp", "2", console::时钟3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tintora
