#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

// The target is a control; its top-level window is the one minimised.
constexpr WindowHandle targetTopLevel = 0x2000;
constexpr ScreenRect moved{300, 250, 700, 700};
constexpr ScreenRect iconPlace{0, 990, 160, 1019};

class FollowTarget : public unit::ProgramTest {
protected:
    void lockWithStartIni(std::string content)
    {
        putFile(paths::startIni, std::move(content));
        fp.desktop.topLevels[unit::targetWindow] = targetTopLevel;
        startAndLock();
    }
    void tick() { fp.desktop.tickClocks(); }
    void moveTarget(ScreenRect r) { fp.desktop.rects[unit::targetWindow] = r; }
    void setShown(WindowHandle w, bool shown)
    {
        if (shown)
            fp.desktop.notShown.erase(w);
        else
            fp.desktop.notShown.insert(w);
    }
    void closeTarget()
    {
        fp.desktop.windowsAtPoints.clear();
        fp.desktop.rects.erase(unit::targetWindow);
    }
    Geometry overlay() const { return geometry(WindowId::startup); }
    bool overlayShown() const { return fp.ui.window(WindowId::startup).visible; }
    // True when one of the ticks moved, hid or showed the overlay.
    bool ticksTouchOverlay(int ticks = 1)
    {
        fp.log.clear();
        for (int i = 0; i < ticks; ++i) tick();
        return std::any_of(fp.log.begin(), fp.log.end(), [](const std::string& e) {
            return e.starts_with("startup.move") || e == "hide" || e == "showNormal";
        });
    }
};

TEST_F(FollowTarget, ChoiceIsOnOnlyForOneInStartIniAndWrittenWhenToggled)
{
    lockWithStartIni("[Bg]\nBackground=1\n[Follow]\nWindow=01\n");
    EXPECT_FALSE(checked(console::跟随目标窗口));
    EXPECT_TRUE(std::none_of(fp.files.writes.begin(), fp.files.writes.end(),
                             [](const std::string& w) { return w.find("|Follow|") != std::string::npos; }));
    moveTarget(moved);
    const int queries = fp.desktop.rectQueries;
    fp.desktop.advance(16);
    EXPECT_EQ(fp.desktop.rectQueries, queries) << "following off costs no query";
    EXPECT_FALSE(ticksTouchOverlay());

    // Turned on, it follows at once.
    setShown(targetTopLevel, false);
    program.menuCommand(console::跟随目标窗口);
    EXPECT_TRUE(checked(console::跟随目标窗口));
    EXPECT_EQ(readItem(items::followWindow), "1");
    EXPECT_FALSE(overlayShown());

    // Turned off while the target is minimised: the overlay shows again where it was.
    program.menuCommand(console::跟随目标窗口);
    EXPECT_EQ(readItem(items::followWindow), "0");
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect));
    EXPECT_EQ(readItem(items::background), "1") << "the rest of Start.ini is kept";
}

TEST_F(FollowTarget, OverlayTakesTheTargetsPlaceHidesWithItAndStaysWhenItCloses)
{
    lockWithStartIni("[Follow]\nWindow=1\n");
    moveTarget(moved);
    tick();
    EXPECT_EQ(overlay(), geometryOf(moved));

    // Nothing moves: one rectangle query per tick, the show state at every eighth, nothing done.
    int queries = fp.desktop.rectQueries;
    const int showQueries = fp.desktop.shownQueries;
    EXPECT_FALSE(ticksTouchOverlay(8));
    EXPECT_EQ(fp.desktop.rectQueries, queries + 8);
    EXPECT_EQ(fp.desktop.shownQueries, showQueries + 2) << "the control's and its top-level window's";

    // Minimised, the top-level window moves to its icon's place: the overlay hides where it was.
    moveTarget(iconPlace);
    setShown(targetTopLevel, false);
    tick();
    EXPECT_FALSE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(moved));
    EXPECT_FALSE(ticksTouchOverlay(8)) << "hidden once, not at every tick";

    // Restored somewhere else.
    moveTarget(unit::targetRect);
    setShown(targetTopLevel, true);
    tick();
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect));

    // The control itself hidden where it is, noticed within eight ticks; moved while hidden and
    // shown again where it is, the overlay comes back at the new place.
    setShown(unit::targetWindow, false);
    ticksTouchOverlay(8);
    EXPECT_FALSE(overlayShown());
    moveTarget(moved);
    tick();
    setShown(unit::targetWindow, true);
    ticksTouchOverlay(8);
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(moved));

    // Minimised, then closed: the overlay comes back where it last was and is asked for no more.
    moveTarget(iconPlace);
    setShown(targetTopLevel, false);
    tick();
    closeTarget();
    tick();
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(moved));
    queries = fp.desktop.rectQueries;
    moveTarget(unit::targetRect);
    tick();
    EXPECT_EQ(fp.desktop.rectQueries, queries);
    EXPECT_EQ(overlay(), geometryOf(moved));
}

// Run with the system's reports (Windows) and without (Wine): the overlay ends where the target is,
// whether a change is reported or not (a move by another process), at once where it is reported.
class FollowTargetPaths : public FollowTarget, public testing::WithParamInterface<bool> {};

TEST_P(FollowTargetPaths, TheOverlayEndsOnTheTargetWhateverTheSystemReports)
{
    fp.desktop.reports = GetParam();
    lockWithStartIni("[Follow]\nWindow=1\n");
    fp.bringToFront(unit::targetWindow);
    fp.desktop.advance(3000);
    fp.move(unit::targetWindow, moved);
    fp.desktop.advance(GetParam() ? 20 : 100);
    EXPECT_EQ(overlay(), geometryOf(moved));
    // Minimised and restored through its frame, the top-level window.
    fp.minimise(targetTopLevel);
    fp.desktop.advance(900);
    EXPECT_FALSE(overlayShown());
    fp.restore(targetTopLevel);
    fp.desktop.advance(GetParam() ? 20 : 900);
    EXPECT_TRUE(overlayShown());
    fp.desktop.cloaked.insert(targetTopLevel);
    fp.desktop.advance(1000);
    EXPECT_FALSE(overlayShown()) << "on another virtual desktop";
    fp.desktop.cloaked.clear();
    fp.move(unit::targetWindow, unit::targetRect, true);
    fp.desktop.advance(1000);
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect)) << "a move no report told of";

    program.menuCommand(console::跟随目标窗口);
    EXPECT_TRUE(fp.desktop.watches.empty()) << "still watching with following off";
    // A target the system refuses to watch is followed on the quick clock alone, asked for only once.
    fp.desktop.unwatchable.insert(unit::targetWindow);
    const int requests = fp.desktop.watchRequests;
    program.menuCommand(console::跟随目标窗口);
    fp.move(unit::targetWindow, moved);
    fp.desktop.advance(100);
    EXPECT_EQ(fp.desktop.watchRequests, requests + 1);
    EXPECT_EQ(overlay(), geometryOf(moved));
    fp.desktop.advance(12000);
    fp.move(unit::targetWindow, unit::targetRect);
    fp.desktop.advance(250);
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect)) << "a move after a long rest";
}

INSTANTIATE_TEST_SUITE_P(Modes, FollowTargetPaths, testing::Bool(),
                         [](const auto& mode) { return mode.param ? "Windows" : "Wine"; });

// On Windows 10 and 11 a sizable window's rectangle holds invisible borders left, right and below.
TEST_F(FollowTarget, TheOverlayAndTheScreenshotLieOnTheVisibleFrameOfATopLevelTarget)
{
    const auto withoutBorders = [](ScreenRect r) { return ScreenRect{r.left + 7, r.top, r.right - 7, r.bottom - 7}; };
    putFile(paths::startIni, "[Follow]\nWindow=1\n");
    fp.desktop.visibleFrames[unit::targetWindow] = withoutBorders(unit::targetRect);
    startAndLock();
    EXPECT_EQ(overlay(), geometryOf(withoutBorders(unit::targetRect)));

    moveTarget(moved);
    fp.desktop.visibleFrames[unit::targetWindow] = withoutBorders(moved);
    tick();
    EXPECT_EQ(overlay(), geometryOf(withoutBorders(moved)));
    program.menuCommand(console::储存为PNG格式);
    ASSERT_EQ(fp.capture.grabs.size(), 1u);
    EXPECT_EQ(fp.capture.grabs[0], withoutBorders(moved));
}

TEST_F(FollowTarget, FullScreenIsLeftAloneAndWindowedReturnsToTheTargetAsItIsNow)
{
    fp.desktop.screen = {1280, 1024};
    lockWithStartIni("[Follow]\nWindow=1\n");
    program.menuCommand(console::全屏化窗口);
    moveTarget(moved);
    setShown(targetTopLevel, false);
    EXPECT_FALSE(ticksTouchOverlay());

    // Back to windowed while the target is minimised: hidden until it is restored.
    program.menuCommand(console::非全屏化窗口);
    EXPECT_FALSE(overlayShown());
    moveTarget(unit::targetRect);
    setShown(targetTopLevel, true);
    tick();
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect));

    // A target that did not move while full screen: windowed puts the overlay back on it at once.
    program.menuCommand(console::全屏化窗口);
    program.menuCommand(console::非全屏化窗口);
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect));

    // Once the target is closed, windowed returns to the place before full screen.
    program.menuCommand(console::全屏化窗口);
    closeTarget();
    program.menuCommand(console::非全屏化窗口);
    EXPECT_EQ(overlay(), geometryOf(unit::targetRect));
    EXPECT_TRUE(checked(console::非全屏化窗口));
}

TEST_F(FollowTarget, TintOffKeepsFollowingAndShowsAgainOnlyWhereItBelongs)
{
    lockWithStartIni("[Follow]\nWindow=1\n");
    const auto toggleTint = [&] { program.hotkeyPressed(HotkeyAction::toggleTint); };
    toggleTint();
    moveTarget(moved);
    setShown(targetTopLevel, false);
    ticksTouchOverlay(8);
    toggleTint();
    EXPECT_FALSE(overlayShown()) << "on again while the target is minimised: it waits for the target";
    program.hotkeyPressed(HotkeyAction::fullScreen);
    toggleTint();
    toggleTint();
    EXPECT_TRUE(overlayShown()) << "full screen shows it whatever the target does";

    // Off through windowed and the target's restore: nothing shows until it is on again.
    toggleTint();
    program.hotkeyPressed(HotkeyAction::fullScreen);
    setShown(targetTopLevel, true);
    ticksTouchOverlay(8);
    EXPECT_FALSE(overlayShown());
    toggleTint();
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(overlay(), geometryOf(moved)) << "followed while off";
}

}  // namespace
}  // namespace tintora
