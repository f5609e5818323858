#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace tv {
namespace {

// Sets TZ for one test and puts the old one back.
class Zone {
 public:
  explicit Zone(const char* tz) {
    if (const char* old = std::getenv("TZ")) m_old = old;
    ::setenv("TZ", tz, 1);
    ::tzset();
  }
  ~Zone() {
    if (m_old.empty())
      ::unsetenv("TZ");
    else
      ::setenv("TZ", m_old.c_str(), 1);
    ::tzset();
  }
  Zone(const Zone&) = delete;
  Zone& operator=(const Zone&) = delete;

 private:
  std::string m_old;
};

constexpr std::time_t kSundayMorning = 1'796'540'302;  // 2026-12-06 06:58:22 UTC
constexpr std::time_t kWednesday = 1'782'864'309;      // 2026-07-01 00:05:09 UTC

// The system formats of the locales the program meets, at fixed times.
TEST(DateTime, FormatsTheSystemPatterns) {
  Zone utc("UTC");
  struct Case {
    std::time_t time;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {kSundayMorning, "d MMM yyyy", "6 Dec 2026"},
      {kSundayMorning, "M/d/yy", "12/6/26"},
      {kSundayMorning, "dd/MM/yyyy", "06/12/2026"},
      {kSundayMorning, "dd.MM.yy", "06.12.26"},
      {kSundayMorning, "HH:mm:ss t", "06:58:22 UTC"},
      {kSundayMorning, "h:mm:ss AP t", "6:58:22 AM UTC"},
      {kWednesday, "d MMM yyyy", "1 Jul 2026"},
      {kWednesday, "M/d/yy", "7/1/26"},
      {kWednesday, "dd.MM.yy", "01.07.26"},
      {kWednesday, "HH:mm:ss t", "00:05:09 UTC"},
      {kWednesday, "h:mm:ss AP t", "12:05:09 AM UTC"},
      {kWednesday, "dddd d MMMM yyyy", "Wednesday 1 July 2026"},
      {kWednesday, "ddd dd-MMM", "Wed 01-Jul"},
      {kWednesday, "hh:mm ap", "12:05 am"},
      {kWednesday, "'d' d 'at' H''mm", "d 1 at 0'05"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDateTime(LocalTime(c.time), c.pattern), c.expected) << c.pattern;
}

// The 12-hour clock runs 12, 1 .. 11 and again; the 24-hour one 0 .. 23.
TEST(DateTime, TwelveHourClock) {
  Zone utc("UTC");
  const char* twelve[] = {"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
  for (int hour = 0; hour < 24; ++hour) {
    const std::tm t = LocalTime(std::time_t(hour) * 3600);
    const std::string expected = std::string(twelve[hour % 12]) + (hour < 12 ? " AM" : " PM");
    EXPECT_EQ(FormatDateTime(t, "h AP"), expected) << hour;
    EXPECT_EQ(FormatDateTime(t, "H"), std::to_string(hour)) << hour;
    EXPECT_EQ(FormatDateTime(t, "h"), std::to_string(hour)) << hour;
  }
  EXPECT_EQ(FormatDateTime(LocalTime(13 * 3600), "hh:mm a"), "01:00 pm");
}

TEST(DateTime, TwelveHourIsDecidedByTheAmPmField) {
  struct Case {
    const char* pattern;
    bool twelve;
  } cases[] = {
      {"h:mm:ss AP t", true}, {"hh:mm ap", true},    {"h:mm a", true},      {"HH:mm:ss t", false},
      {"H:mm:ss", false},     {"HH 'am' mm", false}, {"'x' h:mm AP", true}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsTwelveHour(c.pattern), c.twelve) << c.pattern;
}

// Local time follows the zone, daylight-saving change included.
TEST(DateTime, LocalTimeFollowsTheZone) {
  Zone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_EQ(FormatDateTime(LocalTime(1'774'745'999), "dd.MM.yy HH:mm:ss t"), "29.03.26 01:59:59 CET");
  EXPECT_EQ(FormatDateTime(LocalTime(1'774'746'000), "dd.MM.yy HH:mm:ss t"), "29.03.26 03:00:00 CEST");
  EXPECT_EQ(FormatDateTime(LocalTime(kSundayMorning), "h:mm:ss AP t"), "7:58:22 AM CET");
}

}  // namespace
}  // namespace tv
