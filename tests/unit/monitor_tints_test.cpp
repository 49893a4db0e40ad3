#include <gtest/gtest.h>

#include "core/settings.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

constexpr ScreenRect leftMonitor{-1920, 0, 0, 1080};

class MonitorTints : public unit::ProgramTest {
protected:
    MonitorTints()
    {
        putFile(paths::colourIni, "[colour]\nA=200\nR=0\nG=0\nB=255\n");
        fp.desktop.screen = {1280, 1024};
        fp.desktop.otherMonitors = {leftMonitor};
        startAndLock({-1800, 100, -1500, 400});
    }
    bool enabled(MenuRef m) const { return fp.ui.menu(m).enabled; }
    std::string item(std::string_view key) const { return fp.files.read(path(paths::rememberedIni), "Monitor1", key); }
    // The one tint window; fails the test when there is not exactly one.
    const fake::FakeTints::Window& tint() const
    {
        EXPECT_EQ(fp.tints.windows.size(), 1u);
        return fp.tints.windows.begin()->second;
    }
    void monitorsBecome(std::vector<ScreenRect> others)
    {
        fp.desktop.otherMonitors = std::move(others);
        program.monitorsChanged();
    }
};

TEST_F(MonitorTints, RememberedCoveredToggledPlacedAgainAndForgotten)
{
    EXPECT_FALSE(enabled(console::记住此显示器的颜色));
    program.menuCommand(console::全屏化窗口);
    EXPECT_TRUE(enabled(console::记住此显示器的颜色));
    EXPECT_FALSE(enabled(console::忘记此显示器的颜色));

    // Under the full-screen overlay the monitor's own tint stays hidden: one tint a monitor.
    program.menuCommand(console::记住此显示器的颜色);
    EXPECT_EQ(item("Device") + " " + item("Place") + " " + item("A") + " " + item("B"),
              "\\\\.\\DISPLAY2 -1920,0 200 255");
    EXPECT_FALSE(tint().shown);
    EXPECT_TRUE(enabled(console::忘记此显示器的颜色));

    program.menuCommand(console::非全屏化窗口);
    EXPECT_FALSE(enabled(console::记住此显示器的颜色));
    EXPECT_TRUE(tint().shown);
    EXPECT_EQ(tint().rect, leftMonitor);
    EXPECT_EQ(tint().alpha, 200);
    program.menuCommand(console::色调关开);
    EXPECT_FALSE(tint().shown);
    program.menuCommand(console::色调关开);
    EXPECT_TRUE(tint().shown);

    // A smaller resolution moves the monitor's corner; unplugged it has no tint, plugged in again it has.
    monitorsBecome({{-1280, 0, 0, 1024}});
    EXPECT_EQ(tint().rect, (ScreenRect{-1280, 0, 0, 1024}));
    monitorsBecome({});
    EXPECT_TRUE(fp.tints.windows.empty());
    monitorsBecome({leftMonitor});
    EXPECT_EQ(tint().rect, leftMonitor);

    // The schedule's share, outside its hours (it is noon): nothing shows.
    putFile(paths::scheduleIni, "[Schedule]\nEnabled=0\nOn=20:00\nOff=07:00\nFade=0\nLatitude=0\nLongitude=0\n");
    program.menuCommand(console::按时间表显示);
    EXPECT_EQ(fp.desktop.layered.at(fp.tints.windows.begin()->first).alpha, 0);
    program.menuCommand(console::按时间表显示);

    // A second start tints the monitor too.
    Tintora again{fp.platform};
    again.windowCreated(WindowId::startup);
    EXPECT_EQ(fp.tints.windows.size(), 2u);

    // In full screen a smaller resolution: the overlay covers the monitor as it is now, and remembering
    // it again takes its new corner.
    program.menuCommand(console::全屏化窗口);
    monitorsBecome({{-1280, 0, 0, 1024}});
    EXPECT_EQ(geometry(WindowId::startup), (Geometry{-1280, 0, 1280, 1024}));
    program.menuCommand(console::记住此显示器的颜色);
    EXPECT_EQ(item("Place"), "-1280,0");

    // A forget that cannot be written is told with the file's name.
    fp.files.readOnly.insert(path(paths::rememberedIni));
    program.menuCommand(console::忘记此显示器的颜色);
    EXPECT_TRUE(fp.tints.windows.size() == 1u && !enabled(console::忘记此显示器的颜色));
    EXPECT_NE(fp.ui.balloons.back().text.find("Remembered.ini"), std::string::npos) << fp.ui.balloons.back().text;
}

}  // namespace
}  // namespace tintora
