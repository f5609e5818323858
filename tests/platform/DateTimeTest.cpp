#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tv {
namespace {

// The system formats of the locales the program meets, at fixed times (UTC).
TEST(DateTime, FormatsTheSystemPatterns) {
  constexpr std::time_t kSunday = 1'796'540'302, kWednesday = 1'782'864'309;  // 2026-12-06 06:58:22, 2026-07-01 00:05:09
  for (const auto& [time, pattern, expected] : std::initializer_list<std::tuple<std::time_t, const char*, const char*>>{
           {kSunday, "d MMM yyyy", "6 Dec 2026"}, {kSunday, "M/d/yy", "12/6/26"}, {kSunday, "dd/MM/yyyy", "06/12/2026"},
           {kWednesday, "dd.MM.yy", "01.07.26"}, {kSunday, "HH:mm:ss t", "06:58:22 UTC"},
           {kWednesday, "h:mm:ss AP t", "12:05:09 AM UTC"}, {kWednesday, "dddd d MMMM yyyy", "Wednesday 1 July 2026"},
           {kWednesday, "ddd dd-MMM", "Wed 01-Jul"}, {kWednesday, "hh:mm ap", "12:05 am"},
           {kWednesday, "'d' d 'at' H''mm y z zzz", "d 1 at 0'05 y 0 000"}})
    EXPECT_EQ(FormatDateTime(LocalTime(time), pattern), expected) << pattern;
}

// The 12-hour clock runs 12, 1 .. 11 and again; the 24-hour one 0 .. 23.
TEST(DateTime, TwelveHourClock) {
  for (int hour = 0; hour < 24; ++hour) {
    const std::tm t = LocalTime(std::time_t(hour) * 3600);
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    EXPECT_EQ(FormatDateTime(t, "h AP a"), std::to_string(twelve) + (hour < 12 ? " AM am" : " PM pm")) << hour;
    EXPECT_EQ(FormatDateTime(t, "H h"), std::to_string(hour) + " " + std::to_string(hour)) << hour;
  }
  // An AM/PM field makes the clock 12-hour; the hour shows so when it is "h".
  for (const auto& [pattern, twelve, clock] : std::initializer_list<std::tuple<const char*, bool, bool>>{
           {"h:mm:ss AP t", true, true}, {"hh:mm ap", true, true}, {"H:mm a", true, false}, {"HH:mm:ss t", false, false},
           {"HH 'am' mm", false, false}, {"'x h' h:mm AP", true, true}, {"'H' H a", true, false}, {"", false, false}}) {
    EXPECT_EQ(IsTwelveHour(pattern), twelve) << pattern;
    EXPECT_EQ(ShowsTwelveHourClock(pattern), clock) << pattern;
  }
}

}  // namespace
}  // namespace tv
