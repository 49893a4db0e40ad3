#include "overlay/tint_schedule.h"

#include <algorithm>
#include <functional>

#include "core/notice.h"
#include "design/texts.h"
#include "overlay/monitor_tints.h"
#include "overlay/overlay.h"
#include "overlay/placement.h"
#include "overlay/remembered_tints.h"

namespace tintora {
namespace {

// A key of Schedule.ini: its item, its default as the file would say it, and what takes its value.
struct ScheduleKey {
    const SettingsItem* item;
    const char* defaultText;
    std::function<bool(ScheduleState&, std::string_view)> take;
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
     [](ScheduleState& s, std::string_view v) {
         s.enabled = v == enabledOn;
         return v == enabledOn || v == enabledOff;
     }},
    {&items::scheduleOn, "sunset",
     [](ScheduleState& s, std::string_view v) { return assign(s.schedule.on, parseEdge(v)); }},
    {&items::scheduleOff, "07:00",
     [](ScheduleState& s, std::string_view v) { return assign(s.schedule.off, parseEdge(v)); }},
    {&items::scheduleFade, "30",
     [](ScheduleState& s, std::string_view v) {
         return assign(s.schedule.fadeMinutes, parseWhole(v, 0, maxFadeMinutes));
     }},
    {&items::scheduleLatitude, "39.9",
     [](ScheduleState& s, std::string_view v) { return assign(s.schedule.latitude, parseDegrees(v, 90)); }},
    {&items::scheduleLongitude, "116.4",
     [](ScheduleState& s, std::string_view v) { return assign(s.schedule.longitude, parseDegrees(v, 180)); }},
};

// Takes each key's value, or its default, noting the keys missing or out of range. A file that does
// not exist holds no schedule and is not a problem.
void readScheduleFile(App& app)
{
    ScheduleState& state = app.state.schedule;
    state.schedule = {};
    state.enabled = false;
    state.scheduleProblems.clear();
    if (!app.platform.files.exists(app.path(paths::scheduleIni))) return;
    for (const ScheduleKey& key : scheduleKeys) {
        if (key.take(state, app.settings.readText(*key.item))) continue;
        key.take(state, key.defaultText);
        if (!state.scheduleProblems.empty()) state.scheduleProblems += "\r\n";
        state.scheduleProblems += std::string(texts::scheduleKeyPrefix) + std::string(key.item->key) +
                                  texts::scheduleKeyDefault + key.defaultText;
    }
}

void tellScheduleProblems(App& app)
{
    std::string& problems = app.state.schedule.scheduleProblems;
    if (problems.empty() || !locked(app)) return;
    showNotice(app, problems);
    problems.clear();
}

void showScheduleChecks(App& app)
{
    const bool on = app.state.schedule.enabled;
    app.platform.menus.setChecked(console::按时间表显示, on);
    app.platform.menus.setChecked(console::快捷菜单_按时间表显示, on);
}

bool usesSun(const Schedule& s) { return s.on.base != EdgeBase::clock || s.off.base != EdgeBase::clock; }

std::int64_t today(LocalTime t) { return t.ms >= 0 ? t.ms / msPerDay : (t.ms - msPerDay + 1) / msPerDay; }

// Where the sun does not rise or set today, the user is told once.
void tellSunDay(App& app, LocalTime now)
{
    ScheduleState& state = app.state.schedule;
    const SunDay sun =
        usesSun(state.schedule) ? scheduleDay(state.schedule, today(now), now.utcOffsetMinutes).sun : SunDay::normal;
    if (sun == state.toldSun) return;
    state.toldSun = sun;
    if (sun == SunDay::normal) return;
    if (!state.scheduleProblems.empty()) state.scheduleProblems += "\r\n";
    state.scheduleProblems += sun == SunDay::polarNight ? texts::polarNightToday : texts::midnightSunToday;
    tellScheduleProblems(app);
}

// Every tint takes the share.
void showShare(App& app, ScheduleShare share)
{
    app.state.schedule.share = share;
    showOverlayShare(app, share);
    showRememberedShare(app, share);
    showMonitorShare(app, share);
}

// The largest A of the tints, whose steps the fades take; a full one while there is none yet.
int largestAlpha(const App& app)
{
    int largest = locked(app) ? overlayTint(app).alpha : 0;
    for (const auto* tints : {&rememberedTints(app), &monitorTints(app)})
        for (const RememberedTint& t : *tints) largest = std::max(largest, t.tint.alpha);
    return largest > 0 ? largest : 255;
}

bool held(const ScheduleState& state, LocalTime now) { return state.heldUntil && now.ms < *state.heldUntil; }

// Shows the tints as the schedule says now and sets the clock to the next change.
void followSchedule(App& app)
{
    ScheduleState& state = app.state.schedule;
    const LocalTime now = app.platform.desktop.localTime();
    if (state.heldUntil && !held(state, now)) {
        // A change by hand ends at the schedule's edge: tints switched off by hand come back.
        state.heldUntil.reset();
        if (tintsHidden(app)) toggleTints(app);
    }
    if (!state.enabled) {
        state.heldUntil.reset();
        state.clock.stop();
        showShare(app, {});
        return;
    }
    showShare(app, held(state, now) ? ScheduleShare{} : scheduleShare(state.schedule, now));
    tellSunDay(app, now);
    const std::int64_t next =
        held(state, now) ? *state.heldUntil : nextScheduleChange(state.schedule, now, largestAlpha(app));
    const auto wait = static_cast<int>(std::clamp<std::int64_t>(next - now.ms, 1, longestWait));
    reportBackgroundFailure(app, texts::clockNotStarted,
                            state.clock.start(app.platform.desktop, wait, [&app] { followSchedule(app); }));
}

// Writes Enabled, the one key the program changes in an existing file; a file not there yet gets
// every key with its default, for the user to edit.
Outcome writeEnabled(App& app, bool on)
{
    if (!app.platform.files.exists(app.path(paths::scheduleIni)))
        for (const ScheduleKey& key : scheduleKeys)
            if (Outcome written = app.settings.write(*key.item, key.defaultText); !written) return written;
    return app.settings.write(items::scheduleEnabled, on ? enabledOn : enabledOff);
}

// The file may have been edited since it was read: its other keys are read again.
Outcome setScheduleEnabled(App& app, bool on)
{
    readScheduleFile(app);
    ScheduleState& state = app.state.schedule;
    Outcome written = writeEnabled(app, on);
    state.enabled = on;
    state.heldUntil.reset();
    showScheduleChecks(app);
    tellScheduleProblems(app);
    followSchedule(app);
    return written;
}

}  // namespace

void loadSchedule(App& app)
{
    readScheduleFile(app);
    showScheduleChecks(app);
    followSchedule(app);
}

void onScheduleConsoleCreated(App& app)
{
    showScheduleChecks(app);
    tellScheduleProblems(app);
}

void toggleSchedule(App& app)
{
    reportFailure(app, texts::settingsNotSaved, setScheduleEnabled(app, !app.state.schedule.enabled));
}

ScheduleShare scheduledShare(const App& app) { return app.state.schedule.share; }

void showShareOn(Desktop& desktop, std::vector<RememberedTint>& tints, ScheduleShare share)
{
    for (RememberedTint& t : tints) {
        const int before = t.tint.shownAlpha();
        t.tint.shown = share;
        if (t.tint.shownAlpha() != before) desktop.setLayeredAttributes(t.window, keyColour, t.tint.shownAlpha());
    }
}

void toggleTintsByHand(App& app)
{
    const ScheduleState& state = app.state.schedule;
    // Where the schedule hides the tints, the user asks to see them: the hold shows them.
    const bool scheduleHides = state.enabled && state.share.part == 0 && !tintsHidden(app);
    if (!scheduleHides) toggleTints(app);
    holdScheduleByHand(app);
}

void holdScheduleByHand(App& app)
{
    ScheduleState& state = app.state.schedule;
    if (!state.enabled) return;
    state.heldUntil = nextScheduleEdge(state.schedule, app.platform.desktop.localTime());
    followSchedule(app);
}

void onScheduleTimeChanged(App& app)
{
    if (app.state.schedule.enabled) followSchedule(app);
}

CommandAnswer scheduleCommand(App& app, std::optional<bool> turnOn)
{
    ScheduleState& state = app.state.schedule;
    if (turnOn && *turnOn != state.enabled)
        if (const Outcome written = setScheduleEnabled(app, *turnOn); !written)
            return {exitcode::notNow, std::string(texts::settingsNotSaved) + written.reason()};
    const LocalTime now = app.platform.desktop.localTime();
    const ScheduleDay day = scheduleDay(state.schedule, today(now), now.utcOffsetMinutes);
    std::string text = state.enabled ? texts::scheduleStateOn : texts::scheduleStateOff;
    if (day.sun == SunDay::polarNight)
        text += texts::scheduleAllDayOn;
    else if (day.sun == SunDay::midnightSun)
        text += texts::scheduleAllDayOff;
    else
        text += texts::scheduleToday + clockText(day.on) + "–" + clockText(day.off);
    return {exitcode::done, text};
}

}  // namespace tintora
