#include "platform/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/DateTime.h"

namespace tv {
namespace {

using std::initializer_list, std::tuple;
using S = const char*;
constexpr auto npos = std::string_view::npos;
// Only A-Z and a-z change case, or are ignored in comparing and finding.
TEST(Text, CaseOnlyConcernsAToZ) {
  for (const auto& [text, upper, lower, capitalized] : initializer_list<tuple<S, S, S, S>>{
           {"Duke3d.GRP", "DUKE3D.GRP", "duke3d.grp", "Duke3d.grp"}, {"@[`{zA", "@[`{ZA", "@[`{za", "@[`{za"},
           {"\xE9t\xC9", "\xE9T\xC9", "\xE9t\xC9", "\xE9t\xC9"}, {"", "", "", ""}})
    EXPECT_EQ(tuple(Upper(text), Lower(text), Capitalized(text)), tuple(upper, lower, capitalized)) << text;
  for (const auto& [a, b, equal, found, exact] : initializer_list<tuple<S, S, bool, std::size_t, bool>>{
           {"game1.SAV", "GAME1.sav", true, 0, false}, {"a", "a ", false, npos, false}, {"[", "{", false, npos, false},
           {"\xE9", "\xC9", false, npos, false}, {"", "", true, 0, true}, {"Version 1.3", "VERSION", false, 0, false},
           {"abcABC", "C", false, 2, true}, {"ab", "", false, 0, true}, {"EDuke32 ", "uke32 ", false, 2, true}}) {
    EXPECT_EQ(tuple(EqualsNoCase(a, b), FindNoCase(a, b), ContainsNoCase(a, b), Contains(a, b)),
              tuple(equal, found, found != npos, exact)) << a << "|" << b;
  }
  // Listings are in name order without regard to case, and the order is total.
  const std::vector<std::string> ordered = {"a", "a.map", "B.map", "b1.map", "b10.map", "B2.MAP", "Z", "_u", "\xE9"};
  std::vector<std::string> names(ordered.rbegin(), ordered.rend());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  EXPECT_EQ(names, ordered);
  EXPECT_TRUE(!LessNoCase("abc", "abc") && LessNoCase("ABC", "abc") != LessNoCase("abc", "ABC"));
}
// The system formats of the locales the program meets, at fixed times (UTC); the 12-hour clock runs 12, 1 .. 11.
TEST(DateTime, FormatsTheSystemPatterns) {
  constexpr std::time_t kSunday = 1'796'540'302, kWednesday = 1'782'864'309;  // 2026-12-06 06:58:22, 07-01 00:05:09
  for (const auto& [time, pattern, expected] : initializer_list<tuple<std::time_t, const char*, const char*>>{
           {kSunday, "d MMM yyyy", "6 Dec 2026"}, {kSunday, "M/d/yy", "12/6/26"}, {kWednesday, "dd.MM.yy", "01.07.26"},
           {kSunday, "HH:mm:ss t", "06:58:22 UTC"}, {kWednesday, "h:mm:ss AP t", "12:05:09 AM UTC"},
           {kWednesday, "dddd d MMMM yyyy", "Wednesday 1 July 2026"}, {kWednesday, "ddd dd-MMM", "Wed 01-Jul"},
           {kWednesday, "hh:mm ap", "12:05 am"}, {kWednesday, "'d' d 'at' h''mm y z zzz", "d 1 at 0'05 y 0 000"}})
    EXPECT_EQ(FormatDateTime(LocalTime(time), pattern), expected) << pattern;
  for (int hour = 0; hour < 24; ++hour) {
    const std::tm t = LocalTime(std::time_t(hour) * 3600);
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    EXPECT_EQ(FormatDateTime(t, "h a AP"), std::to_string(twelve) + (hour < 12 ? " am AM" : " pm PM")) << hour;
    EXPECT_EQ(FormatDateTime(t, "H h"), std::to_string(hour) + " " + std::to_string(hour)) << hour;
  }
  // A 12-hour clock when the first hour field is "h" and an AM/PM field (not in quotes) is there.
  for (const auto& [pattern, clock] : initializer_list<std::pair<const char*, bool>>{{"h:mm:ss AP t", true},
           {"hh:mm a", true}, {"AP h시 m분 s초 t", true}, {"H:mm a", false}, {"HH:mm AP", false}, {"h:mm", false},
           {"'H' h 'a'", false}, {"'h' H:mm ap", false}, {"HH'h'mm", false}, {"'x' h A", true}})
    EXPECT_EQ(ShowsTwelveHourClock(pattern), clock) << pattern;
}
}  // namespace
}  // namespace tv
