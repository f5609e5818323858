#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "fixture/Home.h"

namespace tv {
namespace {

constexpr std::time_t kSundayMorning = 1'796'540'302;  // 2026-12-06 06:58:22 UTC
constexpr std::time_t kWednesday = 1'782'864'309;      // 2026-07-01 00:05:09 UTC

// The system formats of the locales the program meets, at fixed times.
TEST(DateTime, FormatsTheSystemPatterns) {
  const struct {
    std::time_t time;
    const char *pattern, *expected;
  } cases[] = {
      {kSundayMorning, "d MMM yyyy", "6 Dec 2026"},   {kSundayMorning, "M/d/yy", "12/6/26"},
      {kSundayMorning, "dd/MM/yyyy", "06/12/2026"},   {kWednesday, "dd.MM.yy", "01.07.26"},
      {kSundayMorning, "HH:mm:ss t", "06:58:22 UTC"}, {kWednesday, "h:mm:ss AP t", "12:05:09 AM UTC"},
      {kWednesday, "dddd d MMMM yyyy", "Wednesday 1 July 2026"}, {kWednesday, "ddd dd-MMM", "Wed 01-Jul"},
      {kWednesday, "hh:mm ap", "12:05 am"},           {kWednesday, "'d' d 'at' H''mm y z zzz", "d 1 at 0'05 y 0 000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(LocalTime(c.time), c.pattern), c.expected) << c.pattern;
}

// The 12-hour clock runs 12, 1 .. 11 and again; the 24-hour one 0 .. 23.
TEST(DateTime, TwelveHourClock) {
  for (int hour = 0; hour < 24; ++hour) {
    const std::tm t = LocalTime(std::time_t(hour) * 3600);
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    EXPECT_EQ(FormatDateTime(t, "h AP a"), std::to_string(twelve) + (hour < 12 ? " AM am" : " PM pm")) << hour;
    EXPECT_EQ(FormatDateTime(t, "H h"), std::to_string(hour) + " " + std::to_string(hour)) << hour;
  }
}

TEST(DateTime, TwelveHourIsDecidedByTheAmPmField) {
  const struct {
    const char* pattern;
    bool twelve, clock;
  } cases[] = {
      {"h:mm:ss AP t", true, true}, {"hh:mm ap", true, true},     {"H:mm a", true, false}, {"HH:mm:ss t", false, false},
      {"HH 'am' mm", false, false}, {"'x h' h:mm AP", true, true}, {"'H' H a", true, false}, {"", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTwelveHour(c.pattern), c.twelve) << c.pattern;
    EXPECT_EQ(ShowsTwelveHourClock(c.pattern), c.clock) << c.pattern;
  }
}

// Local time follows the zone, daylight-saving change included.
TEST(DateTime, LocalTimeFollowsTheZone) {
  {
    fixture::ScopedEnv berlin("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    ::tzset();
    EXPECT_EQ(FormatDateTime(LocalTime(1'774'745'999), "dd.MM.yy HH:mm:ss t"), "29.03.26 01:59:59 CET");
    EXPECT_EQ(FormatDateTime(LocalTime(1'774'746'000), "dd.MM.yy HH:mm:ss t"), "29.03.26 03:00:00 CEST");
  }
  ::tzset();
}

}  // namespace
}  // namespace tv
