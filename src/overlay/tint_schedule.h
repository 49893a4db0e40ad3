#pragma once
// The schedule: from Schedule.ini, every tint (the locked overlay, the remembered ones) shows at its
// own A times the schedule's share, which fades in from On and out to Off. One clock is set to the
// next change; nothing polls the time.
#include <optional>
#include <vector>

#include "core/app.h"
#include "platform/events.h"

namespace tintora {

// Reads Schedule.ini and shows the tints as the schedule says; the start-up window's creation calls it.
void loadSchedule(App& app);
// The console's menu shows the check mark and tells what was wrong in Schedule.ini.
void onScheduleConsoleCreated(App& app);
// "按时间表显示" in the options and the tray menu.
void toggleSchedule(App& app);
// The share of A for a tint opened now.
ScheduleShare scheduledShare(const App& app);
// Tints in windows of their own take the share; a window's opacity is set only where its shown A
// changes.
void showShareOn(Desktop& desktop, std::vector<RememberedTint>& tints, ScheduleShare share);
// "tint off / on" by hand (the hotkey, /toggle, the menu): held until the schedule's next edge.
// Where the schedule hides the tints, it shows them instead.
void toggleTintsByHand(App& app);
// A slider moved: the tints show at their own A until the schedule's next edge.
void holdScheduleByHand(App& app);
// The system's time or time zone changed, or the machine woke: the clock is set again.
void onScheduleTimeChanged(App& app);
// /schedule [on|off]: turns it on or off, then answers with today's On and Off and whether it is on.
CommandAnswer scheduleCommand(App& app, std::optional<bool> turnOn);

}  // namespace tintora
