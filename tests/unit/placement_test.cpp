#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

constexpr Geometry lockedGeometry{100, 200, 300, 400};

class OverlayPlacement : public unit::ProgramTest {
protected:
    OverlayPlacement()
    {
        putFile(paths::colourIni, "[colour]\nA=40\nR=10\nG=20\nB=30\n");
        fp.desktop.screen = {1280, 1024};
        startAndLock();
    }

    void command(console::Menu m) { program.menuCommand(m); }
    Geometry overlay() const { return geometry(WindowId::startup); }
    bool logHas(std::string_view prefix) const
    {
        return std::any_of(fp.log.begin(), fp.log.end(), [&](const auto& e) { return e.starts_with(prefix); });
    }
};

TEST_F(OverlayPlacement, TheLockPlacesTheOverlayOnTheTarget) { EXPECT_EQ(overlay(), lockedGeometry); }

TEST_F(OverlayPlacement, FirstTintIsPaintedOnceInTheSlidersColourAndStopsTheTimer)
{
    EXPECT_EQ(interval(console::时钟1), 60);
    const int fills = fp.canvas.fills;
    fp.log.clear();

    program.timerTick(console::时钟1);
    EXPECT_EQ(fp.canvas.fills, fills + 1);
    EXPECT_EQ(fp.canvas.filledWith, rgb(10, 20, 30));
    EXPECT_EQ(interval(console::时钟1), 0);
    EXPECT_FALSE(logHas("layered")) << "the first tint leaves the opacity alone";
}

// The tint holds the look; a widget that shows something else is not read back.
TEST_F(OverlayPlacement, FirstTintPaintsTheTintNotWhatAWidgetHolds)
{
    fp.ui.setSliderPosition(console::滑块条2, 200);
    program.timerTick(console::时钟1);
    EXPECT_EQ(fp.canvas.filledWith, rgb(10, 20, 30));
    moveSlider(console::滑块条4, 0);
    EXPECT_EQ(fp.canvas.filledWith, rgb(10, 20, 0));
}

TEST_F(OverlayPlacement, EveryConsoleCreationPaintsTheFirstTintAgain)
{
    program.timerTick(console::时钟1);
    const int fills = fp.canvas.fills;

    createConsole();
    EXPECT_EQ(interval(console::时钟1), 60);
    program.timerTick(console::时钟1);
    EXPECT_EQ(fp.canvas.fills, fills + 1);
    EXPECT_EQ(interval(console::时钟1), 0);
}

TEST_F(OverlayPlacement, FullScreenCoversTheScreen)
{
    command(console::全屏化窗口);
    EXPECT_EQ(overlay(), (Geometry{0, 0, 1280, 1024}));
    EXPECT_EQ(fp.ui.window(WindowId::startup).showNormalCalls, 1);
    EXPECT_TRUE(checked(console::全屏化窗口));
    EXPECT_FALSE(checked(console::非全屏化窗口));
}

TEST_F(OverlayPlacement, FullScreenCoversTheMonitorThatHoldsMostOfTheTargetOrTheNearest)
{
    // Left of the primary, larger than it and lower; another one above the primary.
    fp.desktop.otherMonitors = {{-1920, 0, 0, 1080}, {0, -768, 1024, 0}};
    struct Case {
        Geometry locked;
        Geometry monitor;
    };
    const Case cases[] = {
        {{-1700, 100, 1500, 800}, {-1920, 0, 1920, 1080}},  // on the left monitor only
        {{-300, 100, 1000, 500}, {0, 0, 1280, 1024}},       // 300 wide on the left one, 700 on the primary
        {{-900, 500, 1000, 200}, {-1920, 0, 1920, 1080}},   // 900 wide on the left one, 100 on the primary
        {{100, -700, 500, 900}, {0, -768, 1024, 768}},      // 500 x 700 above, 500 x 200 on the primary
        {{1300, 100, 50, 50}, {0, 0, 1280, 1024}},          // on none: the primary is nearest
        {{-500, 1100, 100, 100}, {-1920, 0, 1920, 1080}},   // on none: the left one is nearest
        {{1300, 1050, 50, 50}, {0, 0, 1280, 1024}},         // on none, right of both lower ones: the primary
    };
    for (const Case& c : cases) {
        fp.ui.move(WindowId::startup, c.locked);
        command(console::全屏化窗口);
        EXPECT_EQ(overlay(), c.monitor) << c.locked.left << "," << c.locked.top;
        command(console::非全屏化窗口);
        EXPECT_EQ(overlay(), c.locked);
    }
}

TEST_F(OverlayPlacement, FullScreenTwiceKeepsTheSavedRectangle)
{
    command(console::全屏化窗口);
    fp.log.clear();
    command(console::全屏化窗口);
    EXPECT_FALSE(logHas("startup.move"));
    EXPECT_EQ(fp.ui.window(WindowId::startup).showNormalCalls, 1);

    command(console::非全屏化窗口);
    EXPECT_EQ(overlay(), lockedGeometry);
}

TEST_F(OverlayPlacement, WindowedRightAfterTheLockDoesNothing)
{
    fp.log.clear();
    command(console::非全屏化窗口);
    EXPECT_TRUE(fp.log.empty());
    EXPECT_EQ(overlay(), lockedGeometry);
    EXPECT_TRUE(checked(console::非全屏化窗口));
    EXPECT_FALSE(checked(console::全屏化窗口));
}

TEST_F(OverlayPlacement, WindowedAfterFullScreenRestoresThePlaceBeforeIt)
{
    fp.ui.move(WindowId::startup, {30, 40, 50, 60});
    command(console::全屏化窗口);
    command(console::非全屏化窗口);
    EXPECT_EQ(overlay(), (Geometry{30, 40, 50, 60}));
    EXPECT_FALSE(checked(console::全屏化窗口));
    EXPECT_TRUE(checked(console::非全屏化窗口));
}

TEST_F(OverlayPlacement, ExactlyOneResolutionItemIsCheckedAtEveryStep)
{
    struct Step {
        console::Menu command;
        bool fullScreen;
    };
    const Step steps[] = {
        {console::非全屏化窗口, false}, {console::全屏化窗口, true},    {console::全屏化窗口, true},
        {console::非全屏化窗口, false}, {console::非全屏化窗口, false}, {console::全屏化窗口, true},
    };
    int i = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE("step " + std::to_string(i++));
        command(step.command);
        EXPECT_EQ(checked(console::全屏化窗口), step.fullScreen);
        EXPECT_NE(checked(console::全屏化窗口), checked(console::非全屏化窗口));
        EXPECT_EQ(overlay(), (step.fullScreen ? Geometry{0, 0, 1280, 1024} : lockedGeometry));
    }
}

}  // namespace
}  // namespace tintora
