#pragma once
// The schedule: from Schedule.ini, every tint (the locked overlay, the remembered ones) shows at its
// own A times the schedule's share, which fades in from On and out to Off. One clock is set to the
// next change; nothing polls the time.
#include <optional>
#include <string>

#include "core/clock.h"
#include "core/notice.h"
#include "core/settings.h"
#include "overlay/tints.h"
#include "platform/events.h"

namespace tintora {

// Schedule.ini's values, and whether the schedule is on (the menu items' check mark).
struct ScheduleSettings {
    Schedule schedule;
    bool enabled = false;
};

class TintSchedule {
public:
    TintSchedule(Platform& p, Settings& settings, const Folders& folders, Notices& notices, const Overlay& overlay,
                 Tints& tints)
        : p_(p), settings_(settings), folders_(folders), notices_(notices), overlay_(overlay), tints_(tints)
    {
    }

    // Reads Schedule.ini and shows the tints as the schedule says; the start-up window's creation calls it.
    void loadSchedule();
    // The console's menu shows the check mark and tells what was wrong in Schedule.ini.
    void onScheduleConsoleCreated();
    // "按时间表显示" in the options and the tray menu.
    void toggleSchedule();
    // "tint off / on" by hand (the hotkey, /toggle, the menu): held until the schedule's next edge.
    // Where the schedule hides the tints, it shows them instead.
    void toggleTintsByHand();
    // A slider moved: the tints show at their own A until the schedule's next edge.
    void holdScheduleByHand();
    // The system's time or time zone changed, or the machine woke: the clock is set again.
    void onScheduleTimeChanged();
    // /schedule [on|off]: turns it on or off, then answers with today's On and Off and whether it is on.
    CommandAnswer scheduleCommand(std::optional<bool> turnOn);

private:
    void readScheduleFile();
    void tellScheduleProblems();
    void showScheduleChecks();
    void tellSunDay(LocalTime now);
    void showShare(ScheduleShare share);
    void followSchedule();
    Outcome writeEnabled(bool on);
    Outcome setScheduleEnabled(bool on);

    Platform& p_;
    Settings& settings_;
    const Folders& folders_;
    Notices& notices_;
    const Overlay& overlay_;
    Tints& tints_;
    ScheduleSettings settingsRead_;
    // The share of their A the tints show now.
    ScheduleShare share_;
    // The clock set to the next change, and the edge a change by hand holds until.
    Clock clock_;
    std::optional<std::int64_t> heldUntil_;
    // What is still to be told of the file, and the sun's kind of day last told.
    std::string scheduleProblems_;
    SunDay toldSun_ = SunDay::normal;
};

}  // namespace tintora
