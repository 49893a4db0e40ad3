#include "overlay/tint_schedule.h"

#include <algorithm>
#include <functional>

#include "design/texts.h"

namespace tintora {
namespace {

// A key of Schedule.ini: its item, its default as the file would say it, and what takes its value.
struct ScheduleKey {
    const SettingsItem* item;
    const char* defaultText;
    std::function<bool(ScheduleSettings&, std::string_view)> take;
};

constexpr const char* enabledOn = "1";
constexpr const char* enabledOff = "0";
constexpr std::int64_t longestWait = msPerDay;

template <typename T>
bool assign(T& to, const std::optional<T>& value)
{
    if (value) to = *value;
    return value.has_value();
}

const ScheduleKey scheduleKeys[] = {
    {&items::scheduleEnabled, enabledOff,
     [](ScheduleSettings& s, std::string_view v) {
         s.enabled = v == enabledOn;
         return v == enabledOn || v == enabledOff;
     }},
    {&items::scheduleOn, "sunset",
     [](ScheduleSettings& s, std::string_view v) { return assign(s.schedule.on, parseEdge(v)); }},
    {&items::scheduleOff, "07:00",
     [](ScheduleSettings& s, std::string_view v) { return assign(s.schedule.off, parseEdge(v)); }},
    {&items::scheduleFade, "30",
     [](ScheduleSettings& s, std::string_view v) {
         return assign(s.schedule.fadeMinutes, parseWhole(v, 0, maxFadeMinutes));
     }},
    {&items::scheduleLatitude, "39.9",
     [](ScheduleSettings& s, std::string_view v) { return assign(s.schedule.latitude, parseDegrees(v, 90)); }},
    {&items::scheduleLongitude, "116.4",
     [](ScheduleSettings& s, std::string_view v) { return assign(s.schedule.longitude, parseDegrees(v, 180)); }},
};

bool usesSun(const Schedule& s) { return s.on.base != EdgeBase::clock || s.off.base != EdgeBase::clock; }

std::int64_t today(LocalTime t) { return t.ms >= 0 ? t.ms / msPerDay : (t.ms - msPerDay + 1) / msPerDay; }

bool held(const std::optional<std::int64_t>& heldUntil, LocalTime now) { return heldUntil && now.ms < *heldUntil; }

}  // namespace

// Takes each key's value, or its default, noting the keys missing or out of range. A file that does
// not exist holds no schedule and is not a problem.
void TintSchedule::readScheduleFile()
{
    settingsRead_ = {};
    scheduleProblems_.clear();
    if (!p_.files.exists(folders_.path(paths::scheduleIni))) return;
    for (const ScheduleKey& key : scheduleKeys) {
        if (key.take(settingsRead_, settings_.readText(*key.item))) continue;
        key.take(settingsRead_, key.defaultText);
        if (!scheduleProblems_.empty()) scheduleProblems_ += "\r\n";
        scheduleProblems_ += std::string(texts::scheduleKeyPrefix) + std::string(key.item->key) +
                             texts::scheduleKeyDefault + key.defaultText;
    }
}

void TintSchedule::tellScheduleProblems()
{
    if (scheduleProblems_.empty() || !overlay_.locked()) return;
    notices_.show(scheduleProblems_);
    scheduleProblems_.clear();
}

void TintSchedule::showScheduleChecks()
{
    p_.menus.setChecked(console::按时间表显示, settingsRead_.enabled);
    p_.menus.setChecked(console::快捷菜单_按时间表显示, settingsRead_.enabled);
}

// Where the sun does not rise or set today, the user is told once.
void TintSchedule::tellSunDay(LocalTime now)
{
    const Schedule& schedule = settingsRead_.schedule;
    const SunDay sun = usesSun(schedule) ? scheduleDay(schedule, today(now), now.utcOffsetMinutes).sun : SunDay::normal;
    if (sun == toldSun_) return;
    toldSun_ = sun;
    if (sun == SunDay::normal) return;
    if (!scheduleProblems_.empty()) scheduleProblems_ += "\r\n";
    scheduleProblems_ += sun == SunDay::polarNight ? texts::polarNightToday : texts::midnightSunToday;
    tellScheduleProblems();
}

// Every tint takes the share.
void TintSchedule::showShare(ScheduleShare share)
{
    share_ = share;
    tints_.showShare(share);
}

// Shows the tints as the schedule says now and sets the clock to the next change.
void TintSchedule::followSchedule()
{
    const LocalTime now = p_.desktop.localTime();
    if (heldUntil_ && !held(heldUntil_, now)) {
        // A change by hand ends at the schedule's edge: tints switched off by hand come back.
        heldUntil_.reset();
        if (tints_.hidden()) tints_.toggleTints();
    }
    if (!settingsRead_.enabled) {
        heldUntil_.reset();
        clock_.stop();
        showShare({});
        return;
    }
    const Schedule& schedule = settingsRead_.schedule;
    showShare(held(heldUntil_, now) ? ScheduleShare{} : scheduleShare(schedule, now));
    tellSunDay(now);
    const std::int64_t next =
        held(heldUntil_, now) ? *heldUntil_ : nextScheduleChange(schedule, now, tints_.largestAlpha());
    const auto wait = static_cast<int>(std::clamp<std::int64_t>(next - now.ms, 1, longestWait));
    notices_.reportBackgroundFailure(texts::clockNotStarted,
                                     clock_.start(p_.desktop, wait, [this] { followSchedule(); }));
}

// Writes Enabled, the one key the program changes in an existing file; a file not there yet gets
// every key with its default, for the user to edit.
Outcome TintSchedule::writeEnabled(bool on)
{
    if (!p_.files.exists(folders_.path(paths::scheduleIni)))
        for (const ScheduleKey& key : scheduleKeys)
            if (Outcome written = settings_.write(*key.item, key.defaultText); !written) return written;
    return settings_.write(items::scheduleEnabled, on ? enabledOn : enabledOff);
}

// The file may have been edited since it was read: its other keys are read again.
Outcome TintSchedule::setScheduleEnabled(bool on)
{
    readScheduleFile();
    Outcome written = writeEnabled(on);
    settingsRead_.enabled = on;
    heldUntil_.reset();
    showScheduleChecks();
    tellScheduleProblems();
    followSchedule();
    return written;
}

void TintSchedule::loadSchedule()
{
    readScheduleFile();
    showScheduleChecks();
    followSchedule();
}

void TintSchedule::onScheduleConsoleCreated()
{
    showScheduleChecks();
    tellScheduleProblems();
}

void TintSchedule::toggleSchedule()
{
    notices_.reportFailure(texts::settingsNotSaved, setScheduleEnabled(!settingsRead_.enabled));
}

void TintSchedule::toggleTintsByHand()
{
    // Where the schedule hides the tints, the user asks to see them: the hold shows them.
    const bool scheduleHides = settingsRead_.enabled && share_.part == 0 && !tints_.hidden();
    if (!scheduleHides) tints_.toggleTints();
    holdScheduleByHand();
}

void TintSchedule::holdScheduleByHand()
{
    if (!settingsRead_.enabled) return;
    heldUntil_ = nextScheduleEdge(settingsRead_.schedule, p_.desktop.localTime());
    followSchedule();
}

void TintSchedule::onScheduleTimeChanged()
{
    if (settingsRead_.enabled) followSchedule();
}

CommandAnswer TintSchedule::scheduleCommand(std::optional<bool> turnOn)
{
    if (turnOn && *turnOn != settingsRead_.enabled)
        if (const Outcome written = setScheduleEnabled(*turnOn); !written)
            return {exitcode::notNow, std::string(texts::settingsNotSaved) + written.reason()};
    const LocalTime now = p_.desktop.localTime();
    const ScheduleDay day = scheduleDay(settingsRead_.schedule, today(now), now.utcOffsetMinutes);
    std::string text = settingsRead_.enabled ? texts::scheduleStateOn : texts::scheduleStateOff;
    if (day.sun == SunDay::polarNight)
        text += texts::scheduleAllDayOn;
    else if (day.sun == SunDay::midnightSun)
        text += texts::scheduleAllDayOff;
    else
        text += texts::scheduleToday + clockText(day.on) + "–" + clockText(day.off);
    return {exitcode::done, text};
}

}  // namespace tintora
