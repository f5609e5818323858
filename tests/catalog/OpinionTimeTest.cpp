#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "catalog/OpinionTime.h"

namespace tv {
namespace {

// Local time of a day and hour in the zone in force.
std::time_t At(int year, int month, int day, int hour, int minute = 0) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

// Switches the process to another zone for one test and back afterwards.
class ZoneScope {
 public:
  explicit ZoneScope(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_old = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ZoneScope() {
    if (m_old)
      ::setenv("TZ", m_old->c_str(), 1);
    else
      ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::optional<std::string> m_old;
};

// The long time formats are the system's own (Qt's data for each locale).
const DateTimeFormats kFormats[] = {
    {"dd/MM/yyyy", "HH:mm:ss t"},       // en_GB: 24-hour with a zone, today's date
    {"M/d/yy", "h:mm:ss AP t"},         // en_US: 12-hour, seven characters today
    {"dd.MM.yy", "HH:mm:ss t"},         // de_DE: two-digit year, 1 January 2001
    {"dd.MM.yyyy", "HH.mm.ss t"},       // da_DK: no colon
    {"yyyy/MM/dd", "H時mm分ss秒 t"},    // ja_JP: no colon, one-digit hour
    {"yy. M. d.", "AP h시 m분 s초 t"},  // ko_KR: 12-hour without a colon, AM/PM first
    {"yyyy-MM-dd", "hh:mm:ss ap"},      // 12-hour with a leading zero
};

void ExpectRoundTrips(std::time_t now, const char* where) {
  for (const DateTimeFormats& f : kFormats) {
    for (int code = 0; code <= 8; ++code) {
      const std::time_t t = OpinionFileTime(code, now, f);
      const std::tm local = LocalTime(t);
      const int hour = code >= 1 ? code : 9;
      EXPECT_EQ(local.tm_hour, hour) << where << " " << f.shortDate << " code " << code;
      EXPECT_EQ(local.tm_min * 60 + local.tm_sec, 0) << where << " " << f.shortDate;
      EXPECT_EQ(OpinionFromFileTime(t, f), hour) << where << " " << f.longTime << " code " << code;
    }
  }
}

TEST(OpinionFileTime, EveryCodeReadsBackAsItsHourOnBothClocks) { ExpectRoundTrips(At(2026, 12, 6, 2, 40), "UTC"); }

TEST(OpinionFileTime, TheDateIsTodayUnlessTheShortDateHasEightCharacters) {
  const std::time_t now = At(2026, 12, 6, 22, 15);
  const struct {
    const char* shortDate;  // what it prints on 6 December 2026
    bool year2001;
  } cases[] = {
      {"dd.MM.yy", true},     // 06.12.26
      {"dd/MM/yy", true},     // 06/12/26
      {"yyyyMMdd", true},     // 20261206: eight characters all the same
      {"M/d/yy", false},      // 12/6/26
      {"dd/MM/yyyy", false},  // 06/12/2026
      {"d MMM yyyy", false},  // 6 Dec 2026
  };
  for (const auto& c : cases) {
    const std::tm t = LocalTime(OpinionFileTime(3, now, {c.shortDate, "HH:mm:ss"}));
    const int ymd = (t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday;
    EXPECT_EQ(ymd, c.year2001 ? 20010101 : 20261206) << c.shortDate;
  }
}

TEST(OpinionFromFileTime, ReadsTheHourOnTheClockTheLongTimeFormatShows) {
  const struct {
    int hour, minute;
    const char* longTime;
    int read;
  } cases[] = {
      {14, 30, "h:mm:ss AP t", 2},  // another program changed it in the afternoon
      {14, 30, "HH:mm:ss t", 14},   {14, 30, "HH.mm.ss t", 14},     {14, 0, "H時mm分ss秒 t", 14},
      {14, 0, "AP h시 m분 s초 t", 2},  {0, 30, "h:mm:ss AP", 12},     {0, 30, "HH:mm:ss", 0},
      {8, 59, "H:mm:ss", 8},        {20, 0, "AP h:mm:ss", 8},       {9, 0, "HH'h'mm", 9},
      {20, 0, "HH:mm AP", 20},      // "H" prints 0..23 even beside AM/PM
      {20, 0, "h:mm", 20},          // "h" without AM/PM prints 0..23
      {20, 0, "'h' H:mm ap", 20},   // quoted letters are no field
      {7, 0, "t HH:mm:ss", 7},      // a zone first, as in zh_CN
  };
  for (const auto& c : cases)
    EXPECT_EQ(OpinionFromFileTime(At(2020, 6, 15, c.hour, c.minute), {"dd/MM/yyyy", c.longTime}), c.read)
        << c.hour << ":" << c.minute << " " << c.longTime;
}

TEST(OpinionFileTime, RoundTripsInAZoneWithDaylightSaving) {
  const ZoneScope zone("CET-1CEST,M3.5.0,M10.5.0/3");
  ExpectRoundTrips(At(2026, 7, 1, 12), "summer");
  ExpectRoundTrips(At(2026, 12, 6, 12), "winter");
  ExpectRoundTrips(At(2026, 10, 25, 12), "the day the clocks go back");
  // 02:00 does not exist on the day the clocks go forward: the hour still
  // reads back as the code, a day earlier.
  ExpectRoundTrips(At(2026, 3, 29, 12), "the day the clocks go forward");
  EXPECT_EQ(LocalTime(OpinionFileTime(2, At(2026, 3, 29, 12), {"dd/MM/yyyy", "HH:mm"})).tm_mday, 28);
}

}  // namespace
}  // namespace tv
