#include "schedule/schedule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace tintora {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool startsWithWord(std::string_view text, std::string_view word)
{
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if ((text[i] | 0x20) != word[i]) return false;
    return true;
}

// "H:MM" or "HH:MM" with hours up to maxHours.
std::optional<int> clockMinutes(std::string_view text, int maxHours)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3) return std::nullopt;
    const auto hours = parseWhole(text.substr(0, colon), 0, maxHours);
    const auto minutes = parseWhole(text.substr(colon + 1), 0, 59);
    if (!hours || !minutes) return std::nullopt;
    return *hours * 60 + *minutes;
}

constexpr double degrees = 180 / std::numbers::pi;
double sinDeg(double d) { return std::sin(d / degrees); }
double cosDeg(double d) { return std::cos(d / degrees); }

// The sun's declination (degrees) and the equation of time (minutes) at a Julian day, by the NOAA
// solar calculator's formulas.
struct SunPosition {
    double declination;
    double equationOfTime;
};

SunPosition sunPosition(double julianDay)
{
    const double t = (julianDay - 2451545.0) / 36525.0;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = sinDeg(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          sinDeg(2 * meanAnomaly) * (0.019993 - 0.000101 * t) + sinDeg(3 * meanAnomaly) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * sinDeg(omega);
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = meanObliquity + 0.00256 * cosDeg(omega);
    const double declination = std::asin(sinDeg(obliquity) * sinDeg(apparentLongitude)) * degrees;
    const double y = std::pow(std::tan(obliquity / 2 / degrees), 2);
    const double l = meanLongitude / degrees;
    const double m = meanAnomaly / degrees;
    const double e = eccentricity;
    const double equation = y * std::sin(2 * l) - 2 * e * std::sin(m) + 4 * e * y * std::sin(m) * std::cos(2 * l) -
                            0.5 * y * y * std::sin(4 * l) - 1.25 * e * e * std::sin(2 * m);
    return {declination, 4 * equation * degrees};
}

constexpr double unixEpochJulianDay = 2440587.5;
// The sun's centre 0.833 degrees below the horizon: its radius and the air's refraction.
constexpr double horizonZenith = 90.833;

// The hour angle (degrees) of the sun at the horizon, or nothing where it stays above or below.
std::optional<double> horizonHourAngle(double latitude, double declination, SunDay& kind)
{
    const double c = cosDeg(horizonZenith) / (cosDeg(latitude) * cosDeg(declination)) -
                     std::tan(latitude / degrees) * std::tan(declination / degrees);
    if (c > 1) kind = SunDay::polarNight;
    if (c < -1) kind = SunDay::midnightSun;
    if (c > 1 || c < -1) return std::nullopt;
    return std::acos(c) * degrees;
}

// Minutes after midnight UTC of the sun rising (sign -1) or setting (+1), worked out again at the
// moment found, since the sun's position moves during the day.
std::optional<double> sunEvent(std::int64_t day, double latitude, double longitude, int sign, SunDay& kind)
{
    double minutes = 720 - 4 * longitude;
    for (int pass = 0; pass < 3; ++pass) {
        const SunPosition sun = sunPosition(unixEpochJulianDay + static_cast<double>(day) + minutes / 1440);
        const auto hourAngle = horizonHourAngle(latitude, sun.declination, kind);
        if (!hourAngle) return std::nullopt;
        minutes = 720 - 4 * longitude - sun.equationOfTime + sign * 4 * *hourAngle;
    }
    return minutes;
}

struct OnPeriod {
    std::int64_t start;
    std::int64_t end;
    bool fades;
};

// The on-period that begins on a local day, if any.
std::optional<OnPeriod> periodOf(const Schedule& s, std::int64_t day, int utcOffset)
{
    const ScheduleDay today = scheduleDay(s, day, utcOffset);
    if (today.sun == SunDay::polarNight) return OnPeriod{day * msPerDay, (day + 1) * msPerDay, false};
    if (today.sun == SunDay::midnightSun) return std::nullopt;
    if (today.off > today.on) return OnPeriod{today.on, today.off, true};
    const ScheduleDay tomorrow = scheduleDay(s, day + 1, utcOffset);
    const std::int64_t end = tomorrow.sun == SunDay::normal ? tomorrow.off : (day + 1) * msPerDay;
    return OnPeriod{today.on, std::max(end, today.on), true};
}

std::vector<OnPeriod> periodsAround(const Schedule& s, LocalTime t, int daysBefore, int daysAfter)
{
    const std::int64_t today = t.ms >= 0 ? t.ms / msPerDay : (t.ms - msPerDay + 1) / msPerDay;
    std::vector<OnPeriod> periods;
    for (std::int64_t day = today - daysBefore; day <= today + daysAfter; ++day)
        if (const auto p = periodOf(s, day, t.utcOffsetMinutes); p && p->end > p->start) periods.push_back(*p);
    return periods;
}

std::optional<OnPeriod> periodAt(const Schedule& s, LocalTime t)
{
    for (const OnPeriod& p : periodsAround(s, t, 2, 0))
        if (p.start <= t.ms && t.ms < p.end) return p;
    return std::nullopt;
}

std::int64_t fadeMs(const Schedule& s) { return s.fadeMinutes * msPerMinute; }

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

}  // namespace

std::optional<int> parseWhole(std::string_view text, int least, int most)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < least || value > most) return std::nullopt;
    return value;
}

std::optional<double> parseDegrees(std::string_view text, double limit)
{
    text = trimmed(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!(std::abs(value) <= limit)) return std::nullopt;
    return value;
}

std::optional<ScheduleEdge> parseEdge(std::string_view text)
{
    text = trimmed(text);
    for (const auto& [word, base] : {std::pair{"sunset", EdgeBase::sunset}, std::pair{"sunrise", EdgeBase::sunrise}}) {
        if (!startsWithWord(text, word)) continue;
        std::string_view offset = trimmed(text.substr(std::string_view(word).size()));
        if (offset.empty()) return ScheduleEdge{base, 0};
        const int sign = offset[0] == '-' ? -1 : 1;
        if (offset[0] != '-' && offset[0] != '+') return std::nullopt;
        const auto minutes = clockMinutes(trimmed(offset.substr(1)), 12);
        if (!minutes) return std::nullopt;
        return ScheduleEdge{base, sign * *minutes};
    }
    const auto minutes = clockMinutes(text, 23);
    if (!minutes) return std::nullopt;
    return ScheduleEdge{EdgeBase::clock, *minutes};
}

std::int64_t dayNumber(int year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date dateOf(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2)), month, day};
}

SunTimes sunTimes(std::int64_t day, double latitude, double longitude)
{
    SunTimes times;
    const auto rise = sunEvent(day, latitude, longitude, -1, times.kind);
    const auto set = sunEvent(day, latitude, longitude, 1, times.kind);
    if (rise && set) {
        times.kind = SunDay::normal;
        times.sunriseUtc = *rise;
        times.sunsetUtc = *set;
    }
    return times;
}

ScheduleDay scheduleDay(const Schedule& s, std::int64_t day, int utcOffsetMinutes)
{
    ScheduleDay result;
    std::optional<SunTimes> sun;
    const auto edgeAt = [&](const ScheduleEdge& edge) -> std::int64_t {
        if (edge.base == EdgeBase::clock) return day * msPerDay + edge.minutes * msPerMinute;
        if (!sun) sun = sunTimes(day, s.latitude, s.longitude);
        if (sun->kind != SunDay::normal) result.sun = sun->kind;
        const double utc = edge.base == EdgeBase::sunset ? sun->sunsetUtc : sun->sunriseUtc;
        return day * msPerDay + std::llround(utc + utcOffsetMinutes + edge.minutes) * msPerMinute;
    };
    result.on = edgeAt(s.on);
    result.off = edgeAt(s.off);
    return result;
}

ScheduleShare scheduleShare(const Schedule& s, LocalTime t)
{
    const auto period = periodAt(s, t);
    if (!period) return {0, 1};
    const std::int64_t fade = fadeMs(s);
    if (!period->fades || fade == 0) return {};
    return {std::min({t.ms - period->start, period->end - t.ms, fade}), fade};
}

int scheduledAlpha(const Schedule& s, LocalTime t, int alpha) { return scheduleShare(s, t).of(alpha); }

bool scheduleOn(const Schedule& s, LocalTime t) { return periodAt(s, t).has_value(); }

std::int64_t nextScheduleEdge(const Schedule& s, LocalTime t)
{
    std::int64_t next = INT64_MAX;
    for (const OnPeriod& p : periodsAround(s, t, 2, 2))
        for (std::int64_t edge : {p.start, p.end})
            if (edge > t.ms) next = std::min(next, edge);
    return next;
}

std::int64_t nextScheduleChange(const Schedule& s, LocalTime t, int maxAlpha)
{
    // A new day may bring a sun that no longer rises or sets: it is looked at once a day.
    const std::int64_t today = t.ms >= 0 ? t.ms / msPerDay : (t.ms - msPerDay + 1) / msPerDay;
    std::int64_t next = std::min(nextScheduleEdge(s, t), (today + 1) * msPerDay);
    const std::int64_t fade = fadeMs(s);
    const auto consider = [&](std::int64_t moment) {
        if (moment > t.ms) next = std::min(next, moment);
    };
    for (const OnPeriod& p : periodsAround(s, t, 2, 2)) {
        if (!p.fades || fade == 0) continue;
        const std::int64_t middle = p.start + (p.end - p.start) / 2;
        const std::int64_t fadeInEnd = std::min(p.start + fade, middle);
        const std::int64_t fadeOutStart = std::max(p.end - fade, middle);
        consider(fadeInEnd);
        consider(fadeOutStart);
        if (maxAlpha <= 0) continue;
        if (t.ms >= p.start && t.ms < fadeInEnd) {
            const std::int64_t level = maxAlpha * (t.ms - p.start) / fade;
            consider(p.start + ceilDiv((level + 1) * fade, maxAlpha));
        }
        if (t.ms >= fadeOutStart && t.ms < p.end) {
            const std::int64_t level = maxAlpha * (p.end - t.ms) / fade;
            consider(p.end - ceilDiv(level * fade, maxAlpha) + 1);
        }
    }
    return next;
}

std::string clockText(std::int64_t localMs)
{
    const std::int64_t minutes = ((localMs % msPerDay + msPerDay) % msPerDay) / msPerMinute;
    const auto two = [](std::int64_t n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
    return two(minutes / 60) + ":" + two(minutes % 60);
}

}  // namespace tintora
