#pragma once
// The schedule's arithmetic: the values of Schedule.ini, the sun's times for a date and place, how
// strongly the tints show at a local time, and when that next changes. Plain values, no clock of
// its own: the time is always passed in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace tintora {

// Where a schedule's edge lies on a day: a clock time, or the sun's setting or rising moved by an
// offset.
enum class EdgeBase { clock, sunset, sunrise };

struct ScheduleEdge {
    EdgeBase base = EdgeBase::clock;
    int minutes = 0;  // after midnight for a clock time; the offset (may be negative) for the sun's
    friend bool operator==(const ScheduleEdge&, const ScheduleEdge&) = default;
};

// "HH:MM", "sunset", "sunrise", "sunset-0:30", "sunrise+1:15"; nothing for any other text.
std::optional<ScheduleEdge> parseEdge(std::string_view text);
// A degree value such as "39.9" or "-74", within [-limit, limit].
std::optional<double> parseDegrees(std::string_view text, double limit);
// A whole number written in digits alone, within [least, most].
std::optional<int> parseWhole(std::string_view text, int least, int most);

inline constexpr int maxFadeMinutes = 180;

struct Schedule {
    ScheduleEdge on{EdgeBase::sunset, 0};
    ScheduleEdge off{EdgeBase::clock, 7 * 60};
    int fadeMinutes = 30;
    double latitude = 39.9;
    double longitude = 116.4;
};

inline constexpr std::int64_t msPerMinute = 60'000;
inline constexpr std::int64_t msPerDay = 1440 * msPerMinute;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar, and back.
std::int64_t dayNumber(int year, int month, int day);
struct Date {
    int year, month, day;
};
Date dateOf(std::int64_t dayNumber);

// The sun on one day at one place: whether it rises and sets, and when (minutes after the day's
// midnight UTC; they may lie before it or after the next).
enum class SunDay { normal, polarNight, midnightSun };
struct SunTimes {
    SunDay kind = SunDay::normal;
    double sunriseUtc = 0;
    double sunsetUtc = 0;
};
SunTimes sunTimes(std::int64_t dayNumber, double latitude, double longitude);

// The schedule's edges of a local day, in local milliseconds, or the whole day's state where an
// edge follows a sun that does not rise or set that day (polar night counts as on, midnight sun
// as off).
struct ScheduleDay {
    SunDay sun = SunDay::normal;
    std::int64_t on = 0;
    std::int64_t off = 0;
};
ScheduleDay scheduleDay(const Schedule& s, std::int64_t dayNumber, int utcOffsetMinutes);

// The part of a tint's A that shows: A * part / whole, truncated.
struct ScheduleShare {
    std::int64_t part = 1;
    std::int64_t whole = 1;
    int of(int alpha) const { return static_cast<int>(alpha * part / whole); }
    friend bool operator==(const ScheduleShare&, const ScheduleShare&) = default;
};
ScheduleShare scheduleShare(const Schedule& s, LocalTime t);
// A tint's A as it shows at the moment: its own A times the schedule's factor, truncated.
int scheduledAlpha(const Schedule& s, LocalTime t, int alpha);
// True from the start of an on-period (its fade in included) to its end.
bool scheduleOn(const Schedule& s, LocalTime t);
// The next moment after t at which anything changes: an edge of the schedule, the end or start of a
// fade, or within a fade the next step of one unit of a tint whose A is maxAlpha.
std::int64_t nextScheduleChange(const Schedule& s, LocalTime t, int maxAlpha);
// The edge at or after t (the start or end of an on-period); the next change that a hand change
// holds until.
std::int64_t nextScheduleEdge(const Schedule& s, LocalTime t);

// "HH:MM" of local milliseconds.
std::string clockText(std::int64_t localMs);

}  // namespace tintora
