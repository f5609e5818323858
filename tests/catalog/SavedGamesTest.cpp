// Saved games read from the game's files: titles, slots, the newest mark;
// files cut short or empty give what their bytes hold and are not listed.
#include <gtest/gtest.h>

#include "catalog/SavedGames.h"
#include "fixture/Fixture.h"
#include "fixture/SavedGames.h"

namespace tv {
namespace {

TEST(SavedGames, TheTitleIsUpToThirtyTwoBytesAtTheEnginesOffset) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string at49 = fixture::SavedGameBytes("Hollywood", 49);
  const struct {
    std::string bytes;
    std::uint64_t offset;
    std::string title;
  } cases[] = {
      {fixture::SavedGameBytes("Hollywood", 26), 26, "Hollywood"},
      {at49, 49, "Hollywood"},
      {at49, 26, std::string(23, 'H') + "Hollywood"},  // the wrong offset
      {fixture::SavedGameBytes(std::string(32, 'T'), 26), 26, std::string(32, 'T')},
      {fixture::SavedGameBytes("", 26), 26, ""},
      {std::string(30, 'H'), 26, "HHHH"},  // a file cut inside its title gives what it has
      {at49.substr(0, 53), 49, "Holl"},
      {at49.substr(0, 49), 49, ""},
      {at49.substr(0, 20), 26, ""},
      {"", 26, ""},
  };
  for (const auto& c : cases) {
    fixture::WriteFile(dir.Path() + "game0.sav", c.bytes);
    EXPECT_EQ(SavedGameTitle(fs, dir.Path() + "game0.sav", c.offset), c.title) << c.bytes.size();
  }
  EXPECT_EQ(SavedGameTitle(fs, dir.Path() + "missing.sav", 26), "");
}

TEST(SavedGames, TheSlotIsTheNumberInTheFileName) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"game0.sav", 0}, {"game9.sav", 9},  {"egam3.sav", 3},           {"GAME7.SAV", 7},   {"game12.sav", 12},
      {"game.sav", {}}, {"gamex.sav", {}}, {"game01.sav", {}},         {"game-1.sav", {}}, {"game1a.sav", {}},
      {"game1.sa", {}}, {"gam.sav", {}},   {"game9999999999.sav", {}},
  };
  for (const auto& [name, slot] : cases) EXPECT_EQ(SavedGameSlot(name), slot) << name;
}

TEST(SavedGames, PackedTimesHaveTwoSecondSteps) {
  const std::time_t t = 1796520000;  // an even second
  EXPECT_EQ(PackedFileTime(t), PackedFileTime(t + 1));
  EXPECT_LT(PackedFileTime(t + 1), PackedFileTime(t + 2));
  EXPECT_LT(PackedFileTime(t), PackedFileTime(t + 86400 * 40));
  EXPECT_EQ(PackedFileTime(0), 0u);  // before 1980
}

TEST(SavedGames, TheNewestListedFileIsMarked) {
  using Entries = std::vector<std::pair<std::string, int>>;  // text, slot
  const std::time_t t = 1796520000;
  const struct {
    const char* rule;
    std::vector<std::tuple<const char*, const char*, std::time_t>> files;  // name, title, time
    Entries entries;
  } cases[] = {
      // clang-format off
      {"the last written",
       {{"game0.sav", "A", t}, {"game1.sav", "B", t + 10}, {"game2.sav", "C", t + 60}, {"game3.sav", "D", t + 20}},
       {{"A", 0}, {"B", 1}, {"C ***", 2}, {"D", 3}}},
      {"of equal times the lower slot", {{"game0.sav", "A", t}, {"game1.sav", "B", t + 9}, {"game2.sav", "C", t + 9}},
       {{"A", 0}, {"B ***", 1}, {"C", 2}}},
      {"times within two seconds are equal", {{"game1.sav", "B", t + 1}, {"game2.sav", "C", t}},
       {{"B ***", 1}, {"C", 2}}},
      {"a gap keeps each file's slot", {{"game0.sav", "A", t}, {"game2.sav", "C", t + 60}}, {{"A", 0}, {"C ***", 2}}},
      {"a save without title has no entry", {{"game0.sav", "A", t}, {"game1.sav", "", t}, {"game2.sav", "C", t}},
       {{"A ***", 0}, {"C", 2}}},
      {"a newest save without title marks nothing", {{"game0.sav", "A", t}, {"game1.sav", "", t + 60}}, {{"A", 0}}},
      {"names the game never writes are no saves", {{"game0.sav", "A", t}, {"gamebak.sav", "X", t + 60}},
       {{"A ***", 0}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    std::vector<std::string> listing;
    for (const auto& [name, title, time] : c.files) {
      fixture::WriteSavedGame(dir.Path() + name, title, time);
      listing.push_back(name);
    }
    fixture::WriteFile(dir.Path() + "game7.sav", "cut before its title");  // never listed
    fixture::SetFileTime(dir.Path() + "game7.sav", t - 60);
    listing.push_back("game7.sav");
    FileSystem fs(dir.Path());
    Entries got;
    for (const SavedGameEntry& e : ReadSavedGames(fs, dir.Path(), listing, 26)) got.emplace_back(e.text, e.slot);
    EXPECT_EQ(got, c.entries) << c.rule;
  }
}

}  // namespace
}  // namespace tv
