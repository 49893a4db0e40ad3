#include <gtest/gtest.h>

#include "schedule/schedule.h"

namespace tintora {
namespace {

// Local milliseconds of a date and clock time.
std::int64_t at(int y, int mo, int d, int h, int mi, int s = 0)
{
    return dayNumber(y, mo, d) * msPerDay + (h * 60 + mi) * msPerMinute + s * 1000;
}

TEST(ScheduleValues, EdgesParseAndOutOfRangeIsRefused)
{
    EXPECT_EQ(parseEdge("21:30"), (ScheduleEdge{EdgeBase::clock, 21 * 60 + 30}));
    EXPECT_EQ(parseEdge(" 7:05 "), (ScheduleEdge{EdgeBase::clock, 7 * 60 + 5}));
    EXPECT_EQ(parseEdge("Sunset-0:30"), (ScheduleEdge{EdgeBase::sunset, -30}));
    EXPECT_EQ(parseEdge("sunrise + 1:15"), (ScheduleEdge{EdgeBase::sunrise, 75}));
    EXPECT_EQ(parseEdge("sunrise"), (ScheduleEdge{EdgeBase::sunrise, 0}));
    for (const char* bad : {"24:00", "12:60", "1230", "sunset30", "sunset-0:3", "dusk", ""})
        EXPECT_FALSE(parseEdge(bad)) << bad;
    EXPECT_EQ(parseWhole("180", 0, maxFadeMinutes), 180);
    EXPECT_FALSE(parseWhole("181", 0, maxFadeMinutes));
    EXPECT_FALSE(parseWhole("-1", 0, maxFadeMinutes));
    EXPECT_EQ(parseDegrees("-74.006", 180), -74.006);
    EXPECT_FALSE(parseDegrees("91", 90));
    EXPECT_FALSE(parseDegrees("north", 90));
}

// Published sunrise and sunset, local time, against the computed ones (within a minute).
struct PublishedSun {
    const char* source;
    double latitude, longitude;
    int utcOffset;  // minutes
    int year, month, day;
    int sunrise, sunset;  // minutes after local midnight
};

// clang-format off
constexpr PublishedSun published[] = {
    // Astronomy Answers (aa.quae.nl), "The Position of the Sun: Tables", sunrise on 1 January 2002
    // at longitude 0; the table gives no sunset.
    {"Astronomy Answers, latitude -40, 1 January 2002", -40, 0, 0, 2002, 1, 1, 4 * 60 + 35, 0},
    {"Astronomy Answers, latitude 0, 1 January 2002", 0, 0, 0, 2002, 1, 1, 6 * 60 + 0, 0},
    {"Astronomy Answers, latitude +40, 1 January 2002", 40, 0, 0, 2002, 1, 1, 7 * 60 + 22, 0},
    // The U.S. Naval Observatory for Atlanta (33.8 N, 84.4 W) on 6 September 2009, EDT.
    {"USNO, Atlanta, 6 September 2009", 33.8, -84.4, -240, 2009, 9, 6, 7 * 60 + 15, 19 * 60 + 56},
};
// clang-format on

TEST(SunTimes, WithinAMinuteOfPublishedTables)
{
    for (const PublishedSun& p : published) {
        const SunTimes sun = sunTimes(dayNumber(p.year, p.month, p.day), p.latitude, p.longitude);
        ASSERT_EQ(sun.kind, SunDay::normal) << p.source;
        EXPECT_NEAR(sun.sunriseUtc + p.utcOffset, p.sunrise, 1.0) << p.source;
        if (p.sunset != 0) EXPECT_NEAR(sun.sunsetUtc + p.utcOffset, p.sunset, 1.0) << p.source;
    }
    // Tromsø: no sunrise at the winter solstice, no sunset at the summer one.
    EXPECT_EQ(sunTimes(dayNumber(2025, 12, 21), 69.65, 18.96).kind, SunDay::polarNight);
    EXPECT_EQ(sunTimes(dayNumber(2025, 6, 21), 69.65, 18.96).kind, SunDay::midnightSun);
}

// A schedule with a fake clock: the tint's shown A at moments, and the next change after each.
struct Moment {
    std::int64_t now;
    int alpha;  // of a tint whose own A is 200
    std::int64_t nextChange;
};

TEST(ScheduleFactor, FadesAcrossMidnightStepByOneUnit)
{
    Schedule s{.on = {EdgeBase::clock, 22 * 60}, .off = {EdgeBase::clock, 6 * 60}, .fadeMinutes = 20};
    // One unit of 200 every 6 seconds of the fades; the shown A is truncated.
    const Moment moments[] = {
        {at(2025, 3, 1, 12, 0), 0, at(2025, 3, 1, 22, 0)},
        {at(2025, 3, 1, 22, 0), 0, at(2025, 3, 1, 22, 0, 6)},
        {at(2025, 3, 1, 22, 10), 100, at(2025, 3, 1, 22, 10, 6)},
        {at(2025, 3, 1, 22, 20), 200, at(2025, 3, 2, 0, 0)},  // the day's look
        {at(2025, 3, 2, 3, 0), 200, at(2025, 3, 2, 5, 40)},
        {at(2025, 3, 2, 5, 50), 100, at(2025, 3, 2, 5, 50) + 1},
        {at(2025, 3, 2, 5, 59, 54), 1, at(2025, 3, 2, 5, 59, 54) + 1},
        {at(2025, 3, 2, 6, 0), 0, at(2025, 3, 2, 22, 0)},
    };
    for (const Moment& m : moments) {
        const LocalTime t{m.now, 60};
        EXPECT_EQ(scheduledAlpha(s, t, 200), m.alpha) << clockText(m.now);
        EXPECT_EQ(nextScheduleChange(s, t, 200), m.nextChange) << clockText(m.now);
    }
    EXPECT_EQ(nextScheduleEdge(s, {at(2025, 3, 1, 22, 10), 60}), at(2025, 3, 2, 6, 0));
    // Without a fade the edges switch at once.
    s.fadeMinutes = 0;
    EXPECT_EQ(scheduledAlpha(s, {at(2025, 3, 1, 22, 0), 0}, 200), 200);
    EXPECT_EQ(scheduledAlpha(s, {at(2025, 3, 1, 21, 59, 59), 0}, 200), 0);
}

TEST(ScheduleFactor, SunEdgesWithOffsetsAndPolarDays)
{
    // Atlanta, 6 September 2009: on half an hour before sunset (19:56 EDT) until 23:00.
    Schedule s{.on = {EdgeBase::sunset, -30},
               .off = {EdgeBase::clock, 23 * 60},
               .fadeMinutes = 0,
               .latitude = 33.8,
               .longitude = -84.4};
    const ScheduleDay day = scheduleDay(s, dayNumber(2009, 9, 6), -240);
    EXPECT_NEAR(static_cast<double>(day.on - at(2009, 9, 6, 19, 26)), 0, msPerMinute);
    EXPECT_TRUE(scheduleOn(s, {at(2009, 9, 6, 19, 30), -240}));
    EXPECT_FALSE(scheduleOn(s, {at(2009, 9, 6, 19, 20), -240}));
    // Tromsø: polar night counts as on all day, midnight sun as off.
    s.latitude = 69.65;
    s.longitude = 18.96;
    EXPECT_EQ(scheduledAlpha(s, {at(2025, 12, 21, 10, 0), 60}, 200), 200);
    EXPECT_EQ(scheduleDay(s, dayNumber(2025, 12, 21), 60).sun, SunDay::polarNight);
    EXPECT_EQ(scheduledAlpha(s, {at(2025, 6, 21, 22, 30), 120}, 200), 0);
}

}  // namespace
}  // namespace tintora
