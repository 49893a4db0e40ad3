#include <gtest/gtest.h>

#include "app/tintora.h"
#include "support/fake_platform.h"

namespace tintora {
namespace {

class ColourControls : public testing::Test {
protected:
    ColourControls()
    {
        program.start();
        program.windowCreated(WindowId::startup);
    }

    std::string colourIni() const { return fp.process.runDir + "\\Config\\Colour.ini"; }
    void openConsole() { program.windowCreated(WindowId::console); }
    void moveSlider(console::Control slider, int position)
    {
        fp.ui.setSliderPosition(slider, position);
        program.sliderChanged(slider);
    }
    std::string caption(console::Control label) const { return fp.ui.control(label).caption; }
    int selection(console::Control slider) const { return fp.ui.control(slider).selection; }

    fake::FakePlatform fp;
    Tintora program{fp.platform};
};

TEST_F(ColourControls, TheConsoleOpensWithTheDefaultsShownButNotApplied)
{
    fp.desktop.layered.clear();
    const int fillsBefore = fp.canvas.fills;
    openConsole();

    EXPECT_EQ(fp.ui.sliderPosition(console::滑块条1), 30);
    for (auto slider : {console::滑块条2, console::滑块条3, console::滑块条4}) {
        EXPECT_EQ(fp.ui.sliderPosition(slider), 255);
        EXPECT_EQ(selection(slider), 255);
    }
    EXPECT_EQ(selection(console::滑块条1), 30);
    for (auto label : {console::标签6, console::标签7, console::标签8}) EXPECT_EQ(caption(label), "255");
    EXPECT_EQ(caption(console::标签5), "30");
    EXPECT_EQ(caption(console::标签10), "30");
    EXPECT_TRUE(fp.desktop.layered.empty());
    EXPECT_EQ(fp.canvas.fills, fillsBefore);
}

TEST_F(ColourControls, ColourSlidersRepaintOnlyTheColour)
{
    openConsole();
    fp.desktop.layered.clear();

    moveSlider(console::滑块条2, 10);
    EXPECT_EQ(fp.canvas.filledWith, rgb(10, 255, 255));
    EXPECT_EQ(caption(console::标签6), "10");
    EXPECT_EQ(selection(console::滑块条2), 10);

    moveSlider(console::滑块条3, 20);
    EXPECT_EQ(fp.canvas.filledWith, rgb(10, 20, 255));
    EXPECT_EQ(caption(console::标签7), "20");

    moveSlider(console::滑块条4, 0);
    EXPECT_EQ(fp.canvas.filledWith, rgb(10, 20, 0));
    EXPECT_EQ(caption(console::标签8), "0");
    EXPECT_EQ(selection(console::滑块条4), 0);

    EXPECT_TRUE(fp.desktop.layered.empty());
    EXPECT_EQ(caption(console::标签5), "30");
}

TEST_F(ColourControls, TheKeyColourMakesTheTintInvisible)
{
    openConsole();
    moveSlider(console::滑块条2, 252);
    moveSlider(console::滑块条3, 2);
    moveSlider(console::滑块条4, 251);
    EXPECT_EQ(fp.canvas.filledWith, keyColour);
}

TEST_F(ColourControls, TheAlphaSliderSetsOnlyTheOpacity)
{
    openConsole();
    const int fillsBefore = fp.canvas.fills;
    for (int alpha : {0, 128, 255}) {
        moveSlider(console::滑块条1, alpha);
        EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].alpha, alpha);
        EXPECT_EQ(fp.desktop.layered[fp.ui.startupHandle].key, keyColour);
        EXPECT_EQ(selection(console::滑块条1), alpha);
        EXPECT_EQ(caption(console::标签5), std::to_string(alpha));
        EXPECT_EQ(caption(console::标签10), std::to_string(alpha));
    }
    EXPECT_EQ(fp.canvas.fills, fillsBefore);
}

TEST_F(ColourControls, SavingWritesAllFourKeysEveryTimeAndKeepsTheRest)
{
    fp.files.putFile(colourIni(), "[other]\nx=1\n[colour]\nA=30\nR=255\nG=255\nB=255\nnote=mine\n");
    openConsole();
    moveSlider(console::滑块条1, 99);
    moveSlider(console::滑块条3, 7);
    fp.files.writes.clear();

    program.buttonClicked(console::按钮1);
    program.buttonClicked(console::按钮1);

    const std::string prefix = colourIni() + "|colour|";
    const std::vector<std::string> once = {prefix + "A=99", prefix + "R=255", prefix + "G=7", prefix + "B=255"};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(fp.files.writes, twice);
    EXPECT_EQ(fp.files.text(colourIni()), "[other]\nx=1\n[colour]\nA=99\nR=255\nG=7\nB=255\nnote=mine\n");
}

TEST_F(ColourControls, MissingNonNumericAndOutOfRangeValuesLoadSafely)
{
    fp.files.putFile(colourIni(), "[colour]\nA=abc\nR=300\nG=-5\n");
    openConsole();
    EXPECT_EQ(fp.ui.sliderPosition(console::滑块条1), 0);
    EXPECT_EQ(fp.ui.sliderPosition(console::滑块条2), 255);
    EXPECT_EQ(fp.ui.sliderPosition(console::滑块条3), 0);
    EXPECT_EQ(fp.ui.sliderPosition(console::滑块条4), 0);
    EXPECT_EQ(caption(console::标签6), "255");
    EXPECT_EQ(caption(console::标签7), "0");
    EXPECT_EQ(caption(console::标签8), "0");
    EXPECT_EQ(caption(console::标签5), "0");
    EXPECT_EQ(fp.files.text(colourIni()), "[colour]\nA=abc\nR=300\nG=-5\n");
}

TEST_F(ColourControls, AFailedSaveIsToldWithTheFileAndReasonAndKeepsTheSliders)
{
    openConsole();
    fp.files.readOnly.insert(colourIni());
    moveSlider(console::滑块条2, 1);
    fp.ui.balloons.clear();
    program.buttonClicked(console::按钮1);
    EXPECT_EQ(fp.ui.sliderPosition(console::滑块条2), 1);
    EXPECT_EQ(fp.files.read(colourIni(), "colour", "R"), "255");
    ASSERT_EQ(fp.ui.balloons.size(), 1u);
    EXPECT_EQ(fp.ui.balloons[0].text, "设置未能保存：" + colourIni() + "：" + fake::deniedReason);
}

}  // namespace
}  // namespace tintora
