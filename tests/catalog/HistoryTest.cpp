#include <gtest/gtest.h>

#include "catalog/History.h"
#include "fixture/Fixture.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

TEST(MapNameFromCommand, TakesTheMapFileNameOutOfTheMapPart) {
  const struct {
    const char* text;
    const char* name;
  } cases[] = {
      {"-map Foo.map /s3", "Foo.map"},
      {"-map Foo.map", "Foo.map"},
      {"-MAP Foo.map /s3", "Foo.map"},
      {"-music /home/ann/My Music/song.mid -map Foo.map /s3", "Foo.map"},
      {"Foo.map", "Foo.map"},
      {"FOO.MAP", "FOO.MAP"},
      {"readme.txt and more", "readme.txt"},
      {"Foobar", "Foo"},
      {"-map Foobar /s3", "Foo"},
      {"", ""},
      {"-map ", ""},
      // Names that hold "-map" or more dots stay whole.
      {"Re-Mapped.map", "Re-Mapped.map"},
      {"-map Re-Mapped.map /s3", "Re-Mapped.map"},
      {"-map V1.2.map /s3", "V1.2.map"},
  };
  for (const auto& c : cases) EXPECT_EQ(MapNameFromCommand(c.text), c.name) << c.text;
}

class HistoryTest : public ::testing::Test {
 protected:
  HistoryTest() : fs(dir.Path()), ini(dir.Path() + "Tarvolin.ini") {}

  std::vector<std::string> Slots() {
    const IniFile file(fs, ini);
    std::vector<std::string> slots;
    for (int i = 0; i < kHistorySlots; ++i) slots.push_back(file.ReadString("History", HistoryKey(i), "<none>"));
    return slots;
  }
  static std::vector<std::string> Padded(std::vector<std::string> names) {
    names.resize(kHistorySlots);
    return names;
  }
  void Play(const std::string& map) { AddToHistory(fs, ini, "-map " + map + " /s3"); }

  fixture::TempFolder dir;
  FileSystem fs;
  std::string ini;
};

TEST_F(HistoryTest, SixteenMapsLeaveTheLastFifteenOldestFirst) {
  std::vector<std::string> expected;
  for (int i = 1; i <= 16; ++i) {
    Play("Map" + std::to_string(i) + ".map");
    if (i > 1) expected.push_back("Map" + std::to_string(i) + ".map");
  }
  EXPECT_EQ(Slots(), expected);
  EXPECT_EQ(ReadHistory(fs, ini), expected);
}

TEST_F(HistoryTest, EachAdditionWritesAllFifteenKeys) {
  fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n");
  Play("Foo.map");
  EXPECT_EQ(Slots(), Padded({"Foo.map"}));
  const std::string text = fixture::ReadFile(ini);
  std::size_t keys = 0;
  for (std::size_t at = text.find("PlayedMaps["); at != std::string::npos; at = text.find("PlayedMaps[", at + 1))
    ++keys;
  EXPECT_EQ(keys, 15u);
  EXPECT_EQ(IniFile(fs, ini).ReadString("Tarvolin", "SkillLevel", ""), "2");
}

TEST_F(HistoryTest, NamesAreComparedExactlyAndAReplayedMapKeepsItsPlace) {
  const struct {
    std::vector<std::string> played;
    std::vector<std::string> slots;
  } cases[] = {
      {{"Foo.map", "FOO.MAP"}, {"Foo.map", "FOO.MAP"}},
      {{"A.map", "B.map", "C.map", "B.map"}, {"A.map", "B.map", "C.map"}},
      {{"A.map", "A.map"}, {"A.map"}},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    const std::string path = folder.Path() + "Tarvolin.ini";
    for (const std::string& map : c.played) AddToHistory(fs, path, "-map " + map + " /s3");
    EXPECT_EQ(ReadHistory(fs, path), c.slots);
  }
}

TEST_F(HistoryTest, FullHistoryReplayingItsOldestKeepsEverything) {
  for (int i = 1; i <= 15; ++i) Play("Map" + std::to_string(i) + ".map");
  Play("Map1.map");
  EXPECT_EQ(Slots().front(), "Map1.map");
  EXPECT_EQ(Slots().back(), "Map15.map");
}

TEST_F(HistoryTest, MusicPrefixStillRecordsTheMapName) {
  AddToHistory(fs, ini, "-music /home/ann/Music/song.mid -map Foo.map /s3");
  AddToHistory(fs, ini, "-map Bar.map");  // a host or join game carries no skill
  EXPECT_EQ(ReadHistory(fs, ini), (std::vector<std::string>{"Foo.map", "Bar.map"}));
}

TEST_F(HistoryTest, AnEmptyCommandChangesNothing) {
  AddToHistory(fs, ini, "");
  EXPECT_FALSE(fixture::Exists(ini));
}

TEST_F(HistoryTest, AHandEditedFileWithGapsFillsTheFirstGap) {
  fixture::WriteFile(ini,
                     "[History]\r\nPlayedMaps[0]=A.map\r\nPlayedMaps[2]=-map C.map /s3\r\nPlayedMaps[4]=E.map\r\n");
  EXPECT_EQ(ReadHistory(fs, ini), (std::vector<std::string>{"A.map", "C.map", "E.map"}));
  // A stored command is read as its map name; a replay rewrites only its own key.
  Play("C.map");
  EXPECT_EQ(Slots()[1], "<none>");
  EXPECT_EQ(Slots()[2], "C.map");
  Play("F.map");
  EXPECT_EQ(Slots(), Padded({"A.map", "F.map", "C.map", "", "E.map"}));
}

TEST_F(HistoryTest, AFullHistoryWithAGapDropsTheOldestAndFillsTheGap) {
  std::string text = "[History]\r\n";
  for (int i = 0; i < kHistorySlots; ++i)
    if (i != 5) text += HistoryKey(i) + "=M" + std::to_string(i) + ".map\r\n";
  fixture::WriteFile(ini, text);
  Play("New.map");
  const std::vector<std::string> slots = Slots();
  EXPECT_EQ(slots[0], "M1.map");
  EXPECT_EQ(slots[4], "New.map");
  EXPECT_EQ(slots[13], "M14.map");
  EXPECT_EQ(slots[14], "");
}

TEST(HistoryOpinion, LooksTheNameUpInTheMapListUpToItsFirstEmptyName) {
  const std::vector<std::string> maps = {"Foo.map", "Bar.map", "", "Late.map"};
  const auto opinionOf = [](const std::string& map) { return map == "Foo.map" ? 13L : 2L; };
  const struct {
    const char* name;
    long opinion;
  } cases[] = {{"Foo.map", 13}, {"FOO.MAP", 13}, {"Bar.map", 2}, {"Late.map", 0}, {"Nope.map", 0}};
  for (const auto& c : cases) EXPECT_EQ(HistoryOpinion(maps, c.name, opinionOf), c.opinion) << c.name;
}

TEST(HistoryColour, OpinionsOneToFourHaveTheirColoursAndTheRestSilver) {
  const Rgb silver{192, 192, 192};
  const struct {
    long opinion;
    Rgb colour;
  } cases[] = {
      {0, silver}, {1, {0, 255, 0}}, {2, {0, 0, 255}}, {3, {255, 0, 0}}, {4, {255, 0, 255}},
      {5, silver}, {6, silver},      {8, silver},      {13, silver},     {-1, silver},
  };
  for (const auto& c : cases) EXPECT_EQ(HistoryColour(c.opinion), c.colour) << c.opinion;
}

}  // namespace
}  // namespace tv
