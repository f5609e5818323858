// The last fifteen user maps played, in [History] of the settings file.
#include <gtest/gtest.h>

#include "catalog/History.h"
#include "fixture/Fixture.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;

TEST(MapNameFromCommand, TakesTheMapFileNameOutOfTheMapPart) {
  // Names holding "-map" or more dots stay whole.
  const char* const cases[][2] = {
      // clang-format off
      {"-map Foo.map /s3", "Foo.map"}, {"-map Foo.map", "Foo.map"}, {"-MAP Foo.map /s3", "Foo.map"},
      {"-music /home/ann/My Music/song.mid -map Foo.map /s3", "Foo.map"}, {"Foo.map", "Foo.map"},
      {"FOO.MAP", "FOO.MAP"},
      {"readme.txt and more", "readme.txt"}, {"Foobar", "Foo"}, {"-map Foobar /s3", "Foo"}, {"", ""}, {"-map ", ""},
      {"Re-Mapped.map", "Re-Mapped.map"}, {"-map Re-Mapped.map /s3", "Re-Mapped.map"},
      {"-map V1.2.map /s3", "V1.2.map"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(MapNameFromCommand(c[0]), c[1]) << c[0];
}

// Each case plays its maps on a settings file holding the given [History]
// lines (keys by slot), and finds the fifteen slots as given ("-" for none).
TEST(History, KeepsEachNameOnceInItsSlotAndDropsTheOldestWhenFull) {
  Names full, fullAfter, sixteen;
  std::string fullWithGap;
  for (int i = 0; i < kHistorySlots; ++i) {
    full.push_back("M" + std::to_string(i) + ".map");
    if (i != 5) fullWithGap += HistoryKey(i) + "=M" + std::to_string(i) + ".map\r\n";
  }
  for (int i = 1; i <= 16; ++i) sixteen.push_back("Map" + std::to_string(i) + ".map");
  const struct {
    const char* rule;
    std::string file;
    Names played, slots;
  } cases[] = {
      {"sixteen maps leave the last fifteen, oldest first", "", sixteen, Names(sixteen.begin() + 1, sixteen.end())},
      {"names are compared exactly", "", {"Foo.map", "FOO.MAP"}, {"Foo.map", "FOO.MAP"}},
      {"a replayed map keeps its place",
       "",
       {"A.map", "B.map", "C.map", "B.map", "A.map"},
       {"A.map", "B.map", "C.map"}},
      {"a full history replaying its oldest keeps everything", "",
       [&] {
         Names n = full;
         n.push_back("M0.map");
         return n;
       }(),
       full},
      {"a gap is filled first; a stored command reads as its map",
       "PlayedMaps[0]=A.map\r\nPlayedMaps[2]=-map C.map /s3\r\nPlayedMaps[4]=E.map\r\n",
       {"C.map", "F.map"},
       {"A.map", "F.map", "C.map", "", "E.map"}},
      // A replay rewrites only its own key ("-": none), a stored command as its map's name.
      {"a replay",
       "PlayedMaps[1]=-map C.map /s3\r\n",
       {"C.map"},
       {"-", "C.map", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}},
      {"a full history with a gap drops the oldest and fills the gap",
       fullWithGap,
       {"New.map"},
       {"M1.map", "M2.map", "M3.map", "M4.map", "New.map", "M6.map", "M7.map", "M8.map", "M9.map", "M10.map", "M11.map",
        "M12.map", "M13.map", "M14.map", ""}},
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    FileSystem fs(dir.Path());
    const std::string ini = dir.Path() + "Tarvolin.ini";
    fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n[History]\r\n" + c.file);
    for (std::size_t i = 0; i < c.played.size(); ++i)  // a host or join game carries no skill, a single one music
      AddToHistory(fs, ini, (i % 2 ? "-map " : "-music /m/My Song.mid -map ") + c.played[i] + (i % 3 ? " /s3" : ""));
    Names slots = c.slots, read;
    slots.resize(kHistorySlots);
    const IniFile file(fs, ini);
    for (int i = 0; i < kHistorySlots; ++i) read.push_back(file.ReadString("History", HistoryKey(i), "-"));
    EXPECT_EQ(read, slots) << c.rule;  // every addition writes all fifteen keys
    Names listed;
    for (const std::string& s : slots)
      if (!s.empty() && s != "-") listed.push_back(s);
    EXPECT_EQ(ReadHistory(fs, ini), listed) << c.rule;
    EXPECT_EQ(file.ReadString("Tarvolin", "SkillLevel", ""), "2") << c.rule;
  }
}

TEST(History, AnEmptyCommandChangesNothing) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  AddToHistory(fs, dir.Path() + "Tarvolin.ini", "");
  EXPECT_FALSE(fixture::Exists(dir.Path() + "Tarvolin.ini"));
}

}  // namespace
}  // namespace tv
