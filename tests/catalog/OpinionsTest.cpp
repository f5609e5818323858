// Opinions: a map's in the hour of its file time, a TC's in [TarvolinTC], and
// the colour a history entry takes from its map's.
#include <gtest/gtest.h>

#include <cstdlib>

#include "catalog/History.h"
#include "catalog/OpinionTime.h"
#include "catalog/Tcs.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

// Local time of a day and hour in the zone in force.
std::time_t At(int year, int month, int day, int hour, int minute = 0) {
  std::tm t{};
  t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = hour, t.tm_min = minute, t.tm_isdst = -1;
  return std::mktime(&t);
}

// Every code written for "now" reads back as its hour, whatever the formats
// (the system's own long time formats: 24 and 12 hours, with and without a
// colon, AM/PM first, a leading zero).
void ExpectRoundTrips(std::time_t now, const char* where) {
  const DateTimeFormats formats[] = {{"dd/MM/yyyy", "HH:mm:ss t"},    {"M/d/yy", "h:mm:ss AP t"},
                                     {"dd.MM.yy", "HH:mm:ss t"},      {"dd.MM.yyyy", "HH.mm.ss t"},
                                     {"yyyy/MM/dd", "H時mm分ss秒 t"}, {"yy. M. d.", "AP h시 m분 s초 t"},
                                     {"yyyy-MM-dd", "hh:mm:ss ap"}};
  for (const DateTimeFormats& f : formats)
    for (int code = 0; code <= 8; ++code) {
      const std::time_t t = OpinionFileTime(code, now, f);
      const std::tm local = LocalTime(t);
      const int hour = code >= 1 ? code : 9;
      EXPECT_EQ(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec, hour * 3600) << where << f.longTime << code;
      EXPECT_EQ(OpinionFromFileTime(t, f), hour) << where << " " << f.longTime << " code " << code;
    }
}

TEST(OpinionFileTime, EveryCodeReadsBackAsItsHourAlsoAcrossDaylightSaving) {
  ExpectRoundTrips(At(2026, 12, 6, 2, 40), "UTC");
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  ::tzset();
  ExpectRoundTrips(At(2026, 7, 1, 12), "summer");
  ExpectRoundTrips(At(2026, 10, 25, 12), "the day the clocks go back");
  // 02:00 does not exist the day the clocks go forward: the hour still reads back, a day earlier.
  ExpectRoundTrips(At(2026, 3, 29, 12), "the day the clocks go forward");
  EXPECT_EQ(LocalTime(OpinionFileTime(2, At(2026, 3, 29, 12), {"dd/MM/yyyy", "HH:mm"})).tm_mday, 28);
  old ? ::setenv("TZ", saved.c_str(), 1) : ::unsetenv("TZ");
  ::tzset();
}

TEST(OpinionFileTime, TheDateIsTodayUnlessTheShortDateHasEightCharacters) {
  // What each prints on 6 December 2026: 06.12.26, 06/12/26, 20261206, 12/6/26, 06/12/2026, 6 Dec 2026.
  const std::pair<const char*, int> cases[] = {{"dd.MM.yy", 20010101},   {"dd/MM/yy", 20010101},
                                               {"yyyyMMdd", 20010101},   {"M/d/yy", 20261206},
                                               {"dd/MM/yyyy", 20261206}, {"d MMM yyyy", 20261206}};
  for (const auto& [shortDate, date] : cases) {
    const std::tm t = LocalTime(OpinionFileTime(3, At(2026, 12, 6, 22, 15), {shortDate, "HH:mm:ss"}));
    EXPECT_EQ((t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday, date) << shortDate;
  }
}

TEST(OpinionFromFileTime, ReadsTheHourOnTheClockTheLongTimeFormatShows) {
  const struct {
    int hour, minute;
    const char* longTime;
    int read;
  } cases[] = {
      {14, 30, "h:mm:ss AP t", 2},  // another program changed it in the afternoon
      {14, 30, "HH:mm:ss t", 14},   {14, 30, "HH.mm.ss t", 14},
      {14, 0, "H時mm分ss秒 t", 14}, {14, 0, "AP h시 m분 s초 t", 2},
      {0, 30, "h:mm:ss AP", 12},    {0, 30, "HH:mm:ss", 0},
      {8, 59, "H:mm:ss", 8},        {20, 0, "AP h:mm:ss", 8},
      {9, 0, "HH'h'mm", 9},         {20, 0, "HH:mm AP", 20},  // "H" prints 0..23 even beside AM/PM
      {20, 0, "h:mm", 20},                                    // "h" without AM/PM prints 0..23
      {20, 0, "'h' H:mm ap", 20},                             // quoted letters are no field
      {7, 0, "t HH:mm:ss", 7},                                // a zone first
  };
  for (const auto& c : cases)
    EXPECT_EQ(OpinionFromFileTime(At(2020, 6, 15, c.hour, c.minute), {"dd/MM/yyyy", c.longTime}), c.read)
        << c.hour << ":" << c.minute << " " << c.longTime;
}

TEST(HistoryOpinion, LooksTheNameUpInTheMapListUpToItsFirstEmptyNameAndColoursOneToFour) {
  const std::vector<std::string> maps = {"Foo.map", "Bar.map", "", "Late.map"};
  const auto opinionOf = [](const std::string& map) { return map == "Foo.map" ? 13L : 2L; };
  const std::pair<const char*, long> cases[] = {
      {"Foo.map", 13}, {"FOO.MAP", 13}, {"Bar.map", 2}, {"Late.map", 0}, {"Nope.map", 0}};
  for (const auto& [name, opinion] : cases) EXPECT_EQ(HistoryOpinion(maps, name, opinionOf), opinion) << name;
  const Rgb silver{192, 192, 192};
  const std::pair<long, Rgb> colours[] = {{0, silver},        {1, {0, 255, 0}}, {2, {0, 0, 255}}, {3, {255, 0, 0}},
                                          {4, {255, 0, 255}}, {5, silver},      {8, silver},      {-1, silver}};
  for (const auto& [opinion, colour] : colours) EXPECT_EQ(HistoryColour(opinion), colour) << opinion;
}

// Each case acts on a [TarvolinTC] section: packs it (store nullptr), reads
// it (store ""), or records the text; then the section and the rows coloured.
TEST(TcOpinions, PackReadAndRecord) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string path = dir.Path() + "Tarvolin.ini", head = "[TarvolinTC]\r\n",
                    ab = "TC_00=3 A.grp\r\nTC_01=1 B.grp\r\n";
  // Display names and group files; the rows are the display names.
  const std::vector<TcRecord> tcs = {{"Alpha", "A.grp", "", "", "", ""},
                                     {"My Great TC", "Mytc.grp", "", "", "", ""},
                                     {"Other", "Other.zip", "", "", "", ""}};
  const std::vector<std::string> rows = {"Alpha", "My Great TC", "Other"};
  using Opinions = std::vector<std::pair<std::size_t, char>>;
  const struct {
    std::string before;
    const char* store;
    std::string after;
    Opinions opinions;
  } cases[] = {
      // clang-format off
      // Packing drops the no-opinions and closes the gaps, up to the first empty value.
      {"TC_00=3 A.grp\r\nTC_01=0 B.grp\r\nTC_02=0 C.grp\r\nTC_03=5 D.grp\r\n", nullptr,
       "TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n", {}},
      {"TC_00=0 A.grp\r\n", nullptr, "", {}},
      {"TC_00=0 A.grp\r\nTC_01=2 B.grp\r\nTC_03=0 D.grp\r\n", nullptr, "TC_03=0 D.grp\r\nTC_00=2 B.grp\r\n", {}},
      // Reading colours the rows the entries name, and rewrites the older form (the display name).
      {"TC_00=3 a.GRP\r\n", "", "TC_00=3 a.GRP\r\n", {{0, '3'}}},
      {"TC_00=4 Mytc.grp\r\nTC_01=7 Other.zip\r\n", "", "TC_00=4 Mytc.grp\r\nTC_01=7 Other.zip\r\n",
       {{1, '4'}, {2, '7'}}},
      {"TC_00=4 my great tc\r\n", "", "TC_00=4 Mytc.grp\r\n", {{1, '4'}}},
      {"TC_00=2 Alpha.zip\r\n", "", "TC_00=2 Alpha.zip\r\n", {{0, '2'}}},  // a group file of no TC: its base name's row
      {"TC_00=2 Gone.grp\r\nTC_05=6 Nobody\r\n", "", "TC_00=2 Gone.grp\r\nTC_05=6 Nobody\r\n", {}},
      // Recording updates the TC's entry or takes the first free key.
      {"", "5 My Great TC", "TC_00=5 Mytc.grp\r\n", {}},
      {"TC_00=3 A.grp\r\nTC_01=2 Mytc.grp\r\n", "5 my great tc", "TC_00=3 A.grp\r\nTC_01=5 Mytc.grp\r\n", {}},
      {"TC_00=3 A.grp\r\nTC_01=0\r\nTC_02=\r\n", "1 Other", "TC_00=3 A.grp\r\nTC_01=1 Other.zip\r\nTC_02=\r\n", {}},
      {"TC_00=3 A.grp\r\nTC_02=2 B.grp\r\n", "1 Other", "TC_00=3 A.grp\r\nTC_02=2 B.grp\r\nTC_01=1 Other.zip\r\n", {}},
      // The entry search covers as many keys as the list has rows.
      {ab + "TC_02=1 C.grp\r\nTC_03=2 Other.zip\r\n", "6 Other",
       ab + "TC_02=1 C.grp\r\nTC_03=2 Other.zip\r\nTC_04=6 Other.zip\r\n", {}},
      {"", "4 -------------", "TC_00=4 -------------\r\n", {}},  // a name of no TC is recorded as it is
      // clang-format on
  };
  for (const auto& c : cases) {
    fixture::WriteFile(path, head + c.before);
    IniFile ini(fs, path);
    Opinions got;
    if (!c.store) PackTCOpinions(ini);
    if (c.store && !*c.store)
      for (const TcRowOpinion& o : LoadTCOpinions(ini, tcs, rows)) got.emplace_back(o.row, o.code);
    if (c.store && *c.store) StoreTCOpinion(ini, tcs, rows.size(), c.store);
    EXPECT_EQ(fixture::ReadFile(path), head + c.after) << c.before << c.store;
    EXPECT_EQ(got, c.opinions) << c.before;
  }
  // A packed section is not written again; a missing file is not made.
  fixture::WriteFile(path, head + "TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n");
  fixture::SetFileTime(path, 1600000000);
  for (int i = 0; i < 2; ++i) {
    IniFile ini(fs, path);
    PackTCOpinions(ini);
    EXPECT_EQ(i ? fixture::Exists(path) : fixture::FileTime(path) == 1600000000, !i);
    std::remove(path.c_str());
  }
  EXPECT_EQ(TcOpinionKey(9) + TcOpinionKey(10) + TcOpinionKey(299), "TC_09TC_10TC_299");
}

}  // namespace
}  // namespace tv
