#include <gtest/gtest.h>

#include <algorithm>

#include "commands/commands.h"
#include "core/settings.h"
#include "unit/test_helpers.h"

namespace tintora {
namespace {

// The fake's local clock starts at 2025-03-01 12:00 (UTC+1).
std::int64_t at(int day, int h, int m, int s = 0)
{
    return dayNumber(2025, 3, day) * msPerDay + (h * 60 + m) * msPerMinute + s * 1000;
}

class TintSchedule : public unit::ProgramTest {
protected:
    TintSchedule()
    {
        putFile(paths::colourIni, "[colour]\nA=200\nR=0\nG=0\nB=255\n");
        putFile(paths::scheduleIni, "[Schedule]\nEnabled=1\nOn=11:50\nOff=13:00\nFade=20\nLatitude=91\n");
    }
    int overlayAlpha() { return fp.desktop.layered[fp.ui.startupHandle].alpha; }
    bool tintsHidden() { return program.app().overlay.tintsHidden(); }
    void passTo(std::int64_t ms)
    {
        fp.desktop.now.ms = ms;
        fp.desktop.tickClocks();
    }
    // Whether a clock waits exactly this long.
    bool waits(std::int64_t ms) const
    {
        return std::ranges::any_of(fp.desktop.callbackTimers, [&](const auto& t) { return t.second.ms == ms; });
    }
    CommandAnswer command(std::string_view line)
    {
        CommandAnswer answer;
        program.commandGiven(std::get<Command>(parseCommand(splitWords(line))),
                             [&](const CommandAnswer& a) { answer = a; });
        return answer;
    }
};

TEST_F(TintSchedule, FadesByStepsAndHandChangesHoldUntilTheNextEdge)
{
    startAndLock();
    const std::string told = fp.ui.balloons.back().text;
    EXPECT_NE(told.find("Latitude 缺失或超出范围，已使用默认值 39.9"), std::string::npos) << told;
    EXPECT_NE(told.find("Longitude"), std::string::npos) << told;
    EXPECT_EQ(told.find("Fade"), std::string::npos) << told;

    // Ten minutes into the twenty-minute fade: one unit of 200 every six seconds.
    passTo(at(1, 12, 0, 6));
    EXPECT_EQ(overlayAlpha(), 101);
    EXPECT_TRUE(waits(6000));

    // Switched off by hand, the tint stays off until Off, then the schedule has it again.
    program.hotkeyPressed(HotkeyAction::toggleTint);
    EXPECT_TRUE(tintsHidden());
    EXPECT_TRUE(waits(at(1, 13, 0) - at(1, 12, 0, 6)));
    passTo(at(1, 13, 0));
    EXPECT_FALSE(tintsHidden());
    EXPECT_EQ(overlayAlpha(), 0);
    EXPECT_EQ(command("/schedule"), (CommandAnswer{0, "按时间表显示：开；今天 11:50–13:00"}));

    // Where the schedule hides the tint, the toggle shows it at its own A until the next edge.
    program.hotkeyPressed(HotkeyAction::toggleTint);
    EXPECT_FALSE(tintsHidden());
    EXPECT_EQ(overlayAlpha(), 200);
    EXPECT_TRUE(waits(at(2, 11, 50) - at(1, 13, 0)));

    // The clock changed, or the machine slept past the edge: the schedule is followed again.
    fp.desktop.now.ms = at(2, 11, 55);
    program.timeChanged();
    EXPECT_EQ(overlayAlpha(), 50);
    // A step by command holds it as a slider does: the tint at its own A until Off.
    EXPECT_EQ(command("/weaker").exitCode, 0);
    EXPECT_EQ(overlayAlpha(), 184);
    EXPECT_TRUE(waits(at(2, 13, 0) - at(2, 11, 55)));
    fp.desktop.now.ms = at(2, 12, 30);
    program.resumedFromSleep();
    EXPECT_EQ(overlayAlpha(), 184);

    // Off by command: the tint shows at its own A; Enabled alone is written.
    EXPECT_EQ(command("/schedule off").text, "按时间表显示：关；今天 11:50–13:00");
    EXPECT_EQ(readItem(items::scheduleEnabled), "0");
    EXPECT_EQ(readItem(items::scheduleLatitude), "91");
    EXPECT_FALSE(checked(console::按时间表显示));
    fp.desktop.now.ms = at(2, 14, 0);
    program.timeChanged();
    EXPECT_EQ(overlayAlpha(), 184);
}

TEST_F(TintSchedule, TurnedOnWithoutAFileWritesEveryKeyWithItsDefault)
{
    fp.files.files.erase(path(paths::scheduleIni));
    startAndLock();
    program.menuCommand(console::快捷菜单_按时间表显示);
    EXPECT_TRUE(checked(console::按时间表显示));
    EXPECT_EQ(readItem(items::scheduleEnabled), "1");
    EXPECT_EQ(readItem(items::scheduleOn), "sunset");
    EXPECT_EQ(readItem(items::scheduleFade), "30");
}

}  // namespace
}  // namespace tintora
