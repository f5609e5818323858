// A folder's maps: folders offered, list orders, opinions (map file times, [TarvolinTC]), export, history.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <tuple>

#include "catalog/History.h"
#include "catalog/MapExport.h"
#include "catalog/MapFolders.h"
#include "catalog/MapTables.h"
#include "catalog/OpinionTime.h"
#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;
Names NamesOf(const std::vector<MapEntry>& entries) {
  Names names;
  for (const MapEntry& e : entries) names.push_back(e.name);
  return names;
}
TEST(MapFolderSlots, NumberedFoldersUpToTheFirstGapThenMapsdmInTheNextFreeSlot) {
  // clang-format off
  const struct { Names folders; MapFolderTable slots; } cases[] = {  // a name ending in "!" is a file
      {{"Maps", "Maps1", "Maps2", "Maps4", "Mapsdm"}, {"Maps", "Maps1", "Maps2", "Mapsdm"}},
      {{"Maps1", "Maps3"}, {"Maps", "Maps1"}}, {{"Maps2", "Mapsdm"}, {"Maps", "Mapsdm"}},
      {{"Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"}, {"Maps", "Maps1", "Maps2", "Maps3", "Maps4", "Maps5",
       "Mapsdm"}},
      {{"MAPS1", "mapsDM"}, {"Maps", "Maps1", "Mapsdm"}},  // found whatever their case
      {{"Maps1!", "Mapsdm"}, {"Maps", "Mapsdm"}}};         // a file named like a folder is none
  // clang-format on
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    for (const std::string& f : c.folders)
      f.ends_with('!') ? fixture::WriteFile(dir.Path() + f.substr(0, f.size() - 1), "")
                       : fixture::MakeFolder(dir.Path() + f);
    FileSystem fs(dir.Path());
    EXPECT_EQ(MapFolderSlots(fs, dir.Path()), c.slots) << c.folders.back();
  }
}
// Maps as name, opinion hour, sprites (the size).
struct MapOrders : ::testing::Test {
  void Load(const std::vector<std::tuple<std::string, int, int>>& maps) {
    for (const auto& [n, hour, sprites] : maps) fixture::WriteMap(dir.Path() + "Maps/" + n, hour, {1, 4, sprites});
    tables.Load(fs, dir.Path() + "Maps/", fs.List(dir.Path() + "Maps", "*.map"), {"dd/MM/yyyy", "HH:mm:ss"});
  }
  fixture::TempFolder dir;
  FileSystem fs{dir.Path()};
  MapTables tables;
};
TEST_F(MapOrders, ColourOrderGroupsByTheSequence512384760) {
  Load({{"a.map", 12, 1}, {"B.MAP", 6, 1}, {"c.map", 5, 1}, {"d.map", 8, 1}, {"e.map", 1, 1}, {"f.map", 3, 1},
        {"g.map", 2, 1}, {"h.map", 7, 1}, {"i.map", 4, 1}, {"j.map", 5, 1}, {"k.map", 23, 1}});
  EXPECT_EQ(NamesOf(tables.Base()),
            (Names{"A.map", "B.map", "C.map", "D.map", "E.map", "F.map", "G.map", "H.map", "I.map", "J.map", "K.map"}));
  EXPECT_EQ(tables.Base()[10].code, 0);  // hour 23 is no opinion
  EXPECT_EQ(NamesOf(tables.ColorOrder()),
            (Names{"C.map", "J.map", "E.map", "G.map", "F.map", "D.map", "I.map", "H.map", "B.map", "A.map", "K.map"}));
}
// Worked by hand: each later smaller map is swapped into place i; of equal sizes b c f end as B F C.
TEST_F(MapOrders, SizeOrderExchangesInPlaceMeasuresOnceAndCountsAMissingFileAsEmpty) {
  Load({{"a.map", 1, 3}, {"b.map", 2, 2}, {"c.map", 3, 2}, {"d.map", 4, 1}, {"e.map", 5, 3}, {"f.map", 6, 2},
        {"g.map", 7, 9}});
  std::remove((dir.Path() + "Maps/g.map").c_str());
  const std::vector<MapEntry> bySize = tables.SizeOrder(fs, dir.Path() + "Maps/");
  EXPECT_EQ(NamesOf(bySize), (Names{"G.map", "D.map", "B.map", "F.map", "C.map", "A.map", "E.map"}));
  EXPECT_EQ(bySize[0].code, 7);
  fixture::WriteMap(dir.Path() + "Maps/g.map", 7, {1, 4, 9});
  EXPECT_EQ(tables.SizeOrder(fs, dir.Path() + "Maps/"), bySize);  // kept until the next load
}
TEST(MapExport, OneLinePerMapRatedOneToSevenInListOrderInAFileNumberedByTheFolder) {
  const char* const files[][2] = {{"Maps", "TarvolinMaps0.txt"}, {"Maps1", "TarvolinMaps1.txt"},
      {"Maps6", "TarvolinMaps6.txt"}, {"Mapsdm", "TarvolinMaps7.txt"}, {"MAPSDM", "TarvolinMaps7.txt"}};
  for (const auto& f : files) EXPECT_EQ(MapExportFileName(f[0]), f[1]) << f[0];
  const std::vector<MapEntry> rows = {{"Zeta.map", 5}, {"Unrated.map", 0}, {"A.map", 1}, {"Olive.map", 8},
      {"Exactly16chars.m", 3}, {"Longer_than_16.map", 7}, {"Fair.map", 2}, {"Stuck.map", 4}, {"Dm.map", 6},
      {"Odd.map", 9}};
  EXPECT_EQ(MapExportText(rows),
            "Zeta.map        \t[Yellow] - Map was Excellent.\r\nA.map           \t[Green]  - Map was Good.\r\n"
            "Exactly16chars.m\t[Red]    - Map was Bad.\r\nLonger_than_16.map\t[Aqua]   - Map crashes or hangs.\r\n"
            "Fair.map        \t[Blue]   - Map was Fair.\r\nStuck.map       \t[Violet] - Confused or Stuck.\r\n"
            "Dm.map          \t[Teal]   - Map is Multiplayer.\r\n");
  EXPECT_EQ(MapExportText({{"Unrated.map", 0}, {"Olive.map", 8}}), "");
}
std::time_t At(int year, int month, int day, int hour, int minute = 0) {
  std::tm t{};
  t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = hour, t.tm_min = minute, t.tm_isdst = -1;
  return std::mktime(&t);
}
void ExpectRoundTrips(std::time_t now, const char* where) {
  const DateTimeFormats formats[] = {{"dd/MM/yyyy", "HH:mm:ss t"}, {"M/d/yy", "h:mm:ss AP t"},
      {"dd.MM.yy", "HH:mm:ss t"}, {"dd.MM.yyyy", "HH.mm.ss t"}, {"yyyy/MM/dd", "H時mm分ss秒 t"},
      {"yy. M. d.", "AP h시 m분 s초 t"}, {"yyyy-MM-dd", "hh:mm:ss ap"}};
  for (const DateTimeFormats& f : formats)
    for (int code = 0; code <= 8; ++code) {
      const std::time_t t = OpinionFileTime(code, now, f);
      const std::tm local = LocalTime(t);
      const int hour = code >= 1 ? code : 9;
      EXPECT_EQ(std::pair(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec, OpinionFromFileTime(t, f)),
                std::pair(hour * 3600, hour)) << where << " " << f.longTime << " code " << code;
    }
}
TEST(OpinionFileTime, EveryCodeReadsBackAsItsHourAlsoAcrossDaylightSaving) {
  ExpectRoundTrips(At(2026, 12, 6, 2, 40), "UTC");
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1), ::tzset();
  ExpectRoundTrips(At(2026, 7, 1, 12), "summer");
  ExpectRoundTrips(At(2026, 10, 25, 12), "the day the clocks go back");
  // 02:00 does not exist the day the clocks go forward: the hour still reads back, a day earlier.
  ExpectRoundTrips(At(2026, 3, 29, 12), "the day the clocks go forward");
  EXPECT_EQ(LocalTime(OpinionFileTime(2, At(2026, 3, 29, 12), {"dd/MM/yyyy", "HH:mm"})).tm_mday, 28);
  old ? ::setenv("TZ", saved.c_str(), 1) : ::unsetenv("TZ");
  ::tzset();
}
TEST(OpinionFileTime, TheDateIsTodayUnlessTheShortDateHasEightCharacters) {
  // On 6 December 2026 these print 06.12.26, 06/12/26, 20261206, 12/6/26, 06/12/2026, 6 Dec 2026.
  const std::pair<const char*, int> cases[] = {{"dd.MM.yy", 20010101}, {"dd/MM/yy", 20010101},
      {"yyyyMMdd", 20010101}, {"M/d/yy", 20261206}, {"dd/MM/yyyy", 20261206}, {"d MMM yyyy", 20261206}};
  for (const auto& [shortDate, date] : cases) {
    const std::tm t = LocalTime(OpinionFileTime(3, At(2026, 12, 6, 22, 15), {shortDate, "HH:mm:ss"}));
    EXPECT_EQ((t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday, date) << shortDate;
  }
}
TEST(OpinionFromFileTime, ReadsTheHourOnTheClockTheLongTimeFormatShows) {  // which clock: DateTime's test
  for (const auto& [hour, longTime, read] : std::initializer_list<std::tuple<int, const char*, int>>{
           {14, "h:mm:ss AP t", 2}, {0, "h:mm AP", 12}, {12, "AP h:mm:ss", 12}, {14, "HH:mm t", 14}, {0, "HH:mm", 0}})
    EXPECT_EQ(OpinionFromFileTime(At(2020, 6, 15, hour, 30), {"dd/MM/yyyy", longTime}), read) << hour << longTime;
}
TEST(HistoryOpinion, LooksTheNameUpInTheMapListUpToItsFirstEmptyNameAndColoursOneToFour) {
  const std::vector<std::string> maps = {"Foo.map", "Bar.map", "", "Late.map"};
  const auto opinionOf = [](const std::string& map) { return map == "Foo.map" ? 13L : 2L; };
  const std::pair<const char*, long> cases[] = {
      {"Foo.map", 13}, {"FOO.MAP", 13}, {"Bar.map", 2}, {"Late.map", 0}, {"Nope.map", 0}};
  for (const auto& [name, opinion] : cases) EXPECT_EQ(HistoryOpinion(maps, name, opinionOf), opinion) << name;
  const Rgb silver{192, 192, 192};
  const std::pair<long, Rgb> colours[] = {{0, silver}, {1, {0, 255, 0}}, {2, {0, 0, 255}}, {3, {255, 0, 0}},
      {4, {255, 0, 255}}, {5, silver}, {-1, silver}};
  for (const auto& [opinion, colour] : colours) EXPECT_EQ(HistoryColour(opinion), colour) << opinion;
}
// Each case packs [TarvolinTC] (store nullptr), reads it (store "") or records the text.
TEST(TcOpinions, PackReadAndRecord) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string path = dir.Path() + "Tarvolin.ini", head = "[TarvolinTC]\r\n";
  const std::string ab = "TC_00=3 A.grp\r\nTC_01=1 B.grp\r\n";
  const std::vector<TcRecord> tcs = {{"Alpha", "A.grp", "", "", "", ""}, {"My Great TC", "Mytc.grp", "", "", "", ""},
                                     {"Other", "Other.zip", "", "", "", ""}};
  const std::vector<std::string> rows = {"Alpha", "My Great TC", "Other"};
  using Opinions = std::vector<std::pair<std::size_t, char>>;
  const struct { std::string before; const char* store; std::string after; Opinions opinions; } cases[] = {
      // clang-format off
      // Packing drops the no-opinions and closes the gaps, up to the first empty value.
      {ab.substr(0, 15) + "TC_01=0 B.grp\r\nTC_02=0 C.grp\r\nTC_03=5 D.grp\r\n", nullptr,
       "TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n", {}},
      {"TC_00=0 A.grp\r\n", nullptr, "", {}}, {"TC_00=3 A.grp\r\n", nullptr, "TC_00=3 A.grp\r\n", {}},
      {"TC_00=0 A.grp\r\nTC_01=2 B.grp\r\nTC_03=0 D.grp\r\n", nullptr, "TC_03=0 D.grp\r\nTC_00=2 B.grp\r\n", {}},
      // Reading colours the rows the entries name, and rewrites the older form (the display name).
      {"TC_00=3 a.GRP\r\nTC_01=7 Other.zip\r\n", "", "TC_00=3 a.GRP\r\nTC_01=7 Other.zip\r\n", {{0, '3'}, {2, '7'}}},
      {"TC_00=4 my great tc\r\n", "", "TC_00=4 Mytc.grp\r\n", {{1, '4'}}},
      {"TC_00=2 Alpha.zip\r\nTC_01=2 Gone.grp\r\nTC_05=6 Nobody\r\n", "",  // a group file of no TC: its name's row
       "TC_00=2 Alpha.zip\r\nTC_01=2 Gone.grp\r\nTC_05=6 Nobody\r\n", {{0, '2'}}},
      // Recording updates the TC's entry or takes the first free key, searching as many keys as rows.
      {"", "5 My Great TC", "TC_00=5 Mytc.grp\r\n", {}},
      {"TC_00=3 A.grp\r\nTC_01=2 Mytc.grp\r\n", "5 my great tc", "TC_00=3 A.grp\r\nTC_01=5 Mytc.grp\r\n", {}},
      {"TC_00=3 A.grp\r\n", "5 Alpha", "TC_00=5 A.grp\r\n", {}},
      {"TC_00=3 A.grp\r\nTC_01=0\r\nTC_02=\r\n", "1 Other", "TC_00=3 A.grp\r\nTC_01=1 Other.zip\r\nTC_02=\r\n", {}},
      {"TC_00=3 A.grp\r\nTC_02=2 B.grp\r\n", "1 Other", "TC_00=3 A.grp\r\nTC_02=2 B.grp\r\nTC_01=1 Other.zip\r\n", {}},
      {ab + "TC_02=1 C.grp\r\nTC_03=2 Other.zip\r\n", "6 Other",
       ab + "TC_02=1 C.grp\r\nTC_03=2 Other.zip\r\nTC_04=6 Other.zip\r\n", {}},
      {"", "4 -------------", "TC_00=4 -------------\r\n", {}}};  // a name of no TC is recorded as it is
  for (const auto& c : cases) {  // a file left as it was is not written
    fixture::WriteFile(path, head + c.before), fixture::SetFileTime(path, 1600000000);
    IniFile ini(fs, path);
    Opinions got;
    if (!c.store) PackTCOpinions(ini);
    if (c.store && !*c.store)
      for (const TcRowOpinion& o : LoadTCOpinions(ini, tcs, rows)) got.emplace_back(o.row, o.code);
    if (c.store && *c.store) StoreTCOpinion(ini, tcs, rows.size(), c.store);
    EXPECT_EQ(fixture::ReadFile(path), head + c.after) << c.before << c.store;
    EXPECT_EQ(got, c.opinions) << c.before;
    EXPECT_EQ(fixture::FileTime(path) == 1600000000, c.before == c.after) << c.before << c.store;
  }
  IniFile missing(fs, dir.Path() + "None.ini");
  EXPECT_FALSE((PackTCOpinions(missing), fixture::Exists(dir.Path() + "None.ini"))) << "a missing file is not made";
  EXPECT_EQ(TcOpinionKey(9) + TcOpinionKey(10) + TcOpinionKey(299), "TC_09TC_10TC_299");
}
TEST(MapNameFromCommand, TakesTheMapFileNameOutOfTheMapPart) {
  const char* const cases[][2] = {  // names holding "-map" or more dots stay whole
      {"-map Foo.map /s3", "Foo.map"}, {"-MAP Foo.map /s3", "Foo.map"}, {"FOO.MAP", "FOO.MAP"},
      {"-music /h/My Music/song.mid -map Foo.map /s3", "Foo.map"}, {"readme.txt and more", "readme.txt"},
      {"-map Foobar /s3", "Foo"}, {"", ""}, {"-map ", ""}, {"Re-Mapped.map", "Re-Mapped.map"},
      {"-map Re-Mapped.map /s3", "Re-Mapped.map"}, {"-map V1.2.map /s3", "V1.2.map"}};
  for (const auto& c : cases) EXPECT_EQ(MapNameFromCommand(c[0]), c[1]) << c[0];
}
// Each case plays its maps on the [History] lines given; then the fifteen slots ("-": no key).
TEST(History, KeepsEachNameOnceInItsSlotAndDropsTheOldestWhenFull) {
  Names full, sixteen;
  std::string fullWithGap;
  for (int i = 0; i < kHistorySlots; ++i) {
    full.push_back("M" + std::to_string(i) + ".map");
    if (i != 5) fullWithGap += HistoryKey(i) + "=M" + std::to_string(i) + ".map\r\n";
  }
  for (int i = 1; i <= 16; ++i) sixteen.push_back("Map" + std::to_string(i) + ".map");
  Names fullAgain = full, afterGap(full.begin() + 1, full.end());
  fullAgain.push_back("M0.map"), afterGap[4] = "New.map", afterGap.push_back("");
  const Names replay = {"-", "C.map", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};
  const struct { const char* rule; std::string file; Names played, slots; } cases[] = {
      {"sixteen maps leave the last fifteen, oldest first", "", sixteen, Names(sixteen.begin() + 1, sixteen.end())},
      {"names are compared exactly", "", {"Foo.map", "FOO.MAP"}, {"Foo.map", "FOO.MAP"}},
      {"a replay keeps its place", "", {"A.map", "B.map", "C.map", "B.map", "A.map"}, {"A.map", "B.map", "C.map"}},
      {"a full history replaying its oldest keeps everything", "", fullAgain, full},
      {"a gap is filled first; a stored command reads as its map",
       "PlayedMaps[0]=A.map\r\nPlayedMaps[2]=-map C.map /s3\r\nPlayedMaps[4]=E.map\r\n", {"C.map", "F.map"},
       {"A.map", "F.map", "C.map", "", "E.map"}},
      {"a replay rewrites only its own key, as its map's name", "PlayedMaps[1]=-map C.map /s3\r\n", {"C.map"}, replay},
      {"a full history with a gap drops the oldest and fills the gap", fullWithGap, {"New.map"}, afterGap},
      {"an empty name changes nothing", "", {""}, Names(kHistorySlots, "-")}};
  // clang-format on
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    FileSystem fs(dir.Path());
    const std::string ini = dir.Path() + "Tarvolin.ini";
    fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n[History]\r\n" + c.file);
    for (std::size_t i = 0; i < c.played.size(); ++i)  // a host or join game carries no skill, a single one music
      AddToHistory(fs, ini, (i % 2 ? "-map " : "-music /m/My Song.mid -map ") + c.played[i] + (i % 3 ? " /s3" : ""));
    Names slots = c.slots, read, listed;
    slots.resize(kHistorySlots);
    const IniFile file(fs, ini);
    for (int i = 0; i < kHistorySlots; ++i) read.push_back(file.ReadString("History", HistoryKey(i), "-"));
    EXPECT_EQ(read, slots) << c.rule;  // every addition writes all fifteen keys
    std::copy_if(slots.begin(), slots.end(), std::back_inserter(listed), [](auto& s) { return s != "" && s != "-"; });
    EXPECT_EQ(ReadHistory(fs, ini), listed) << c.rule;
    EXPECT_EQ(file.ReadString("Tarvolin", "SkillLevel", ""), "2") << c.rule;
  }
}
}  // namespace
}  // namespace tv
