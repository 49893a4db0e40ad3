#include <gtest/gtest.h>

#include <set>

#include "app/tintora.h"
#include "design/design.h"
#include "support/fake_platform.h"

namespace tintora {
namespace {

constexpr WindowHandle notepad = 0x2001;
constexpr WindowHandle editControl = 0x2002;
constexpr ScreenRect notepadRect{100, 50, 700, 450};
constexpr ScreenRect editRect{108, 100, 692, 442};

class SmartSnap : public testing::Test {
protected:
    SmartSnap()
    {
        fp.ui.move(WindowId::startup, {640, 300, 640, 480});
        fp.desktop.windowsAtPoints = {{editControl, editRect}, {notepad, notepadRect}};
        program.start();
        program.windowCreated(WindowId::startup);
    }

    SmartSnapState& snap() { return program.app().state.snap; }
    const Tint& tint() { return program.app().overlay.tint(); }
    Geometry startupGeometry() const { return fp.ui.geometry(WindowId::startup); }
    int alpha() { return fp.desktop.layered[fp.ui.startupHandle].alpha; }
    void tick(startup::Timer t) { program.timerTick(t); }
    void pointAt(Point p)
    {
        fp.desktop.cursor = p;
        tick(startup::时钟2);
    }

    fake::FakePlatform fp;
    Tintora program{fp.platform};
};

TEST_F(SmartSnap, StartTurnsTheOpeningScreenIntoAFramelessRandomRectangle)
{
    program.menuCommand(startup::智能吸附窗口);

    EXPECT_EQ(snap().savedStartGeometry, (Geometry{640, 300, 640, 480}));
    EXPECT_TRUE(fp.ui.window(WindowId::startup).freeDrag);
    EXPECT_EQ(fp.ui.window(WindowId::startup).border, Border::none);
    EXPECT_EQ(fp.ui.interval(startup::时钟2), 16) << "the pointer clock";
    EXPECT_EQ(fp.ui.interval(startup::时钟3), 60);
    EXPECT_FALSE(fp.ui.menu(startup::开始).visible);
    EXPECT_FALSE(fp.ui.menu(startup::关于).visible);
    for (auto menu : hintMenus) EXPECT_TRUE(fp.ui.menu(menu).visible);
    EXPECT_FALSE(fp.ui.control(startup::动画框1).visible);
    ASSERT_TRUE(fp.canvas.filledWith.has_value());
    EXPECT_EQ(*fp.canvas.filledWith & 0xFF000000u, 0u);
}

TEST_F(SmartSnap, EveryStartDrawsANewRandomColour)
{
    std::set<Colour> colours;
    std::set<int> reds;
    for (int i = 0; i < 50; ++i) {
        program.menuCommand(startup::智能吸附窗口);
        ASSERT_TRUE(fp.canvas.filledWith.has_value());
        colours.insert(*fp.canvas.filledWith);
        reds.insert(*fp.canvas.filledWith & 0xFF);
        program.keyDown(WindowId::startup, vk::escape);
    }
    EXPECT_GT(colours.size(), 45u);
    EXPECT_GT(reds.size(), 30u);
}

// A top-level window is covered on its visible frame (without the invisible resize borders of
// Windows 10 and 11), a control on its window rectangle.
TEST_F(SmartSnap, FollowsTheDeepestWindowUnderThePointerInOneMove)
{
    fp.desktop.topLevels[editControl] = notepad;
    fp.desktop.visibleFrames = {{notepad, {107, 50, 693, 443}}, {editControl, {0, 0, 10, 10}}};
    program.menuCommand(startup::智能吸附窗口);
    fp.log.clear();

    pointAt({300, 200});
    EXPECT_EQ(snap().targetRect, editRect);
    EXPECT_EQ(tint().target, editControl);
    EXPECT_EQ(startupGeometry(), (Geometry{108, 100, 584, 342}));
    EXPECT_EQ(fp.log, std::vector<std::string>{"startup.move 108,100,584,342"});

    pointAt({110, 60});  // on the title bar of notepad, outside its control
    EXPECT_EQ(startupGeometry(), (Geometry{107, 50, 586, 393}));
}

TEST_F(SmartSnap, AFailingRectangleQueryKeepsTheLastRectangle)
{
    program.menuCommand(startup::智能吸附窗口);
    pointAt({300, 200});
    pointAt({1500, 900});  // no window answers there
    EXPECT_EQ(snap().targetRect, editRect);
    EXPECT_EQ(startupGeometry(), (Geometry{108, 100, 584, 342}));
}

TEST_F(SmartSnap, DoesNotFollowOutsideSmartSnap)
{
    pointAt({300, 200});
    EXPECT_EQ(startupGeometry(), (Geometry{640, 300, 640, 480}));
}

TEST_F(SmartSnap, ARectangleTheUserDraggedStaysUntilThePointerLeavesIt)
{
    program.menuCommand(startup::智能吸附窗口);
    pointAt({300, 200});

    fp.ui.window(WindowId::startup).dragging = true;
    fp.ui.move(WindowId::startup, {900, 600, 584, 342});
    pointAt({950, 650});
    EXPECT_EQ(startupGeometry(), (Geometry{900, 600, 584, 342}));
    EXPECT_EQ(tint().target, 0u) << "a rectangle placed by hand lies on no window";

    fp.ui.window(WindowId::startup).dragging = false;
    pointAt({960, 660});  // dropped; the pointer still rests on the rectangle
    EXPECT_EQ(startupGeometry(), (Geometry{900, 600, 584, 342}));

    pointAt({300, 200});  // left it: following resumes
    EXPECT_EQ(startupGeometry(), (Geometry{108, 100, 584, 342}));
}

TEST_F(SmartSnap, EscapeAndBackspaceReturnToTheSavedOpeningScreen)
{
    for (int key : {vk::escape, vk::backspace}) {
        program.menuCommand(startup::智能吸附窗口);
        pointAt({300, 200});
        fp.ui.setChecked(console::全屏化窗口, true);
        const int clearsBefore = fp.canvas.clears;

        program.keyDown(WindowId::startup, key);

        EXPECT_EQ(startupGeometry(), (Geometry{640, 300, 640, 480}));
        EXPECT_EQ(fp.ui.window(WindowId::startup).border, Border::fixedSingle);
        EXPECT_FALSE(fp.ui.window(WindowId::startup).freeDrag);
        EXPECT_TRUE(fp.ui.menu(startup::开始).visible);
        EXPECT_TRUE(fp.ui.menu(startup::关于).visible);
        for (auto menu : hintMenus) EXPECT_FALSE(fp.ui.menu(menu).visible);
        EXPECT_TRUE(fp.ui.control(startup::动画框1).visible);
        EXPECT_EQ(fp.canvas.clears, clearsBefore + 1);
        EXPECT_FALSE(fp.canvas.filledWith.has_value());
        EXPECT_EQ(fp.ui.window(WindowId::startup).title, "Tintorav2.0");
        EXPECT_TRUE(fp.ui.isChecked(console::非全屏化窗口));
        EXPECT_FALSE(fp.ui.isChecked(console::全屏化窗口));
        EXPECT_EQ(fp.ui.interval(startup::时钟2), 0) << "the pointer clock at the opening screen";
        EXPECT_EQ(fp.ui.window(WindowId::console).modalOpens, 0);
        pointAt({300, 200});
        EXPECT_EQ(startupGeometry(), (Geometry{640, 300, 640, 480})) << "the opening screen followed the pointer";

        tick(startup::时钟3);
        EXPECT_EQ(alpha(), 255);
        EXPECT_EQ(fp.ui.interval(startup::时钟3), 0);
    }
}

TEST_F(SmartSnap, ReturningToAnotherSizeLeavesTheCanvasAndPictureAlone)
{
    fp.ui.move(WindowId::startup, {10, 10, 700, 500});
    program.menuCommand(startup::智能吸附窗口);
    const int clearsBefore = fp.canvas.clears;
    program.keyDown(WindowId::startup, vk::escape);
    EXPECT_EQ(startupGeometry(), (Geometry{10, 10, 700, 500}));
    EXPECT_EQ(fp.canvas.clears, clearsBefore);
    EXPECT_TRUE(fp.canvas.filledWith.has_value());
}

TEST_F(SmartSnap, AnyOtherKeyLocksTheRectangleAndOpensTheConsole)
{
    for (int key : {0x41, 0x10, 0x11, 0x12, vk::f(1), vk::f(12), 0x25, 0x0D, 0x20}) {
        fake::FakePlatform other;
        Tintora p{other.platform};
        other.desktop.windowsAtPoints = {{notepad, notepadRect}};
        p.windowCreated(WindowId::startup);
        p.menuCommand(startup::智能吸附窗口);
        other.desktop.cursor = {300, 200};
        p.timerTick(startup::时钟2);

        // While the console is open the locked overlay neither follows the pointer nor takes keys.
        other.ui.onModalOpen = [&] {
            other.desktop.cursor = {5, 5};
            p.timerTick(startup::时钟2);
            p.keyDown(WindowId::startup, vk::escape);
        };
        p.keyDown(WindowId::startup, key);

        SCOPED_TRACE(key);
        EXPECT_EQ(other.ui.window(WindowId::console).modalOpens, 1);
        EXPECT_EQ(other.ui.geometry(WindowId::startup), (Geometry{100, 50, 600, 400}));
        EXPECT_EQ(other.desktop.extendedStyle(other.ui.startupHandle) & 0x800A8u, 0x800A8u);
        EXPECT_FALSE(other.ui.window(WindowId::startup).freeDrag);
        EXPECT_EQ(other.ui.window(WindowId::startup).border, Border::none);
        EXPECT_FALSE(other.ui.control(startup::动画框1).visible);
        EXPECT_FALSE(other.ui.menu(startup::开始).visible);
        for (auto menu : hintMenus) EXPECT_FALSE(other.ui.menu(menu).visible);
        EXPECT_TRUE(other.ui.isChecked(console::非全屏化窗口));
        EXPECT_FALSE(other.ui.isChecked(console::全屏化窗口));
        EXPECT_EQ(other.ui.interval(startup::时钟3), 60);
        EXPECT_EQ(other.ui.interval(startup::时钟2), 0) << "the pointer clock after the lock";
    }
}

TEST_F(SmartSnap, LockingAtTheOpeningSizeClearsTheCanvas)
{
    program.menuCommand(startup::智能吸附窗口);
    fp.ui.move(WindowId::startup, {5, 5, 640, 480});  // a target of exactly the opening size
    program.keyDown(WindowId::startup, 0x41);
    EXPECT_FALSE(fp.canvas.filledWith.has_value());
    EXPECT_TRUE(fp.ui.control(startup::动画框1).visible);
}

TEST_F(SmartSnap, KeysAreIgnoredUnlessSmartSnapWaitsForOne)
{
    for (int key : {0x41, vk::escape}) program.keyDown(WindowId::startup, key);
    EXPECT_EQ(fp.ui.window(WindowId::console).modalOpens, 0);
    EXPECT_EQ(startupGeometry(), (Geometry{640, 300, 640, 480}));
    EXPECT_TRUE(fp.ui.menu(startup::开始).visible);

    program.menuCommand(startup::智能吸附窗口);
    program.keyDown(WindowId::startup, 0x41);
    program.keyDown(WindowId::startup, 0x42);  // after the lock
    EXPECT_EQ(fp.ui.window(WindowId::console).modalOpens, 1);
}

// The opacity the user sees: the opening screen's, the smart-snap rectangle's, and after the lock the
// console's A, whichever of the start-up window's opacity step and the chart settings follower
// comes last.
TEST_F(SmartSnap, OpacityStepsEndAtTheConsolesAWhateverTheOrderOfTheClocks)
{
    program.menuCommand(startup::智能吸附窗口);
    tick(startup::时钟3);
    EXPECT_EQ(alpha(), 190);
    EXPECT_EQ(fp.ui.interval(startup::时钟3), 0);
    program.keyDown(WindowId::startup, vk::escape);
    tick(startup::时钟3);
    EXPECT_EQ(alpha(), 255);

    for (bool chartFirst : {true, false}) {
        SCOPED_TRACE(chartFirst ? "chart follower first" : "opacity step first");
        fake::FakePlatform other;
        other.files.putFile(other.process.runDir + "\\Config\\Colour.ini", "[colour]\r\nA=30\r\n");
        other.desktop.windowsAtPoints = {{notepad, notepadRect}};
        Tintora p{other.platform};
        other.ui.onModalOpen = [&] { p.windowCreated(WindowId::console); };
        p.start();
        p.windowCreated(WindowId::startup);
        p.menuCommand(startup::智能吸附窗口);
        other.desktop.cursor = {300, 200};
        p.timerTick(startup::时钟2);
        p.timerTick(startup::时钟3);
        p.keyDown(WindowId::startup, 0x41);
        EXPECT_EQ(other.desktop.layered[other.ui.startupHandle].alpha, 190) << "the first moment after the lock";

        if (chartFirst) p.timerTick(console::时钟2);
        p.timerTick(startup::时钟3);
        if (!chartFirst) p.timerTick(console::时钟2);
        EXPECT_EQ(other.desktop.layered[other.ui.startupHandle].alpha, 30);
        EXPECT_EQ(other.ui.sliderPosition(console::滑块条1), 30);
        p.timerTick(startup::时钟3);
        EXPECT_EQ(other.desktop.layered[other.ui.startupHandle].alpha, 30) << "a stray tick after the step";
    }
}

}  // namespace
}  // namespace tintora
