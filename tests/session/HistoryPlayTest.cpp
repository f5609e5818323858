// The play history as the play paths fill it: only maps started by " Play
// User Map" enter it, fifteen at most, a replayed map keeping its place.
#include <functional>

#include "PlayTest.h"
#include "catalog/History.h"
#include "fixture/SavedGames.h"

namespace tv::test {
namespace {

std::vector<std::string> Slots(PlayFolder& f) {
  std::vector<std::string> slots;
  for (int i = 0; i < kHistorySlots; ++i) slots.push_back(f.Setting(kHistorySection, HistoryKey(i)));
  return slots;
}

// The maps' display texts, as the map list shows them.
std::string MapName(int n) { return "Map" + std::to_string(100 + n) + ".map"; }

// Plays the map of that row and returns what the game received.
std::vector<std::string> PlayMap(PlayFolder& f, int row) {
  f.program().SelectMaps({row});
  f.program().StartUserMap();
  return f.Received();
}

TEST(HistoryPlay, SixteenMapsLeaveTheLastFifteenOldestFirst) {
  PlayFolder f;
  for (int n = 1; n <= 16; ++n) f.Put("Maps/" + MapName(n));
  f.Start();
  for (int row = 0; row < 16; ++row) EXPECT_FALSE(PlayMap(f, row).empty());
  std::vector<std::string> expected;
  for (int n = 2; n <= 16; ++n) expected.push_back(MapName(n));
  EXPECT_EQ(Slots(f), expected);
}

TEST(HistoryPlay, AReplayedMapKeepsItsPlaceAndMusicChangesNothing) {
  PlayFolder f;
  for (int n = 1; n <= 3; ++n) f.Put("Maps/" + MapName(n));
  f.Start();
  PlayMap(f, 0);
  PlayMap(f, 1);
  f.ui.chosenFile = f.Path("Song.mid");
  f.program().ChooseMapMusic();
  EXPECT_EQ(PlayMap(f, 0), f.Expected("-j{pf}Maps -music {pf}Song.mid -map " + MapName(1) + " /s3"));
  PlayMap(f, 2);
  std::vector<std::string> expected = {MapName(1), MapName(2), MapName(3)};
  expected.resize(kHistorySlots, "");
  EXPECT_EQ(Slots(f), expected);
}

TEST(HistoryPlay, OnlyUserMapsPlayedByTheMapButtonEnterIt) {
  const struct {
    const char* name;
    std::function<void(PlayFolder&)> play;
    const char* entry;  // "" for none
  } cases[] = {
      {"single", [](PlayFolder& f) { f.program().StartUserMap(); }, "Foo.map"},
      {"with music",
       [](PlayFolder& f) {
         f.ui.chosenFile = f.Path("Song.mid");
         f.program().ChooseMapMusic();
         f.program().StartUserMap();
       },
       "Foo.map"},
      {"host",
       [](PlayFolder& f) {
         f.program().ChooseHostGame();
         f.program().StartUserMap();
       },
       "Foo.map"},
      {"a saved game from the map button",
       [](PlayFolder& f) {
         f.program().ChooseSavedGame(0);
         f.program().StartUserMap();
       },
       ""},
      {"associated with a TC",
       [](PlayFolder& f) {
         f.program().SelectTc(0);
         f.program().SetAssociation(true);
         f.program().StartUserMap();
       },
       ""},
      {"a TC",
       [](PlayFolder& f) {
         f.program().SelectTc(0);
         f.program().StartTc();
       },
       ""},
      {"the title", [](PlayFolder& f) { f.program().StartFromTitle(); }, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    f.Put("Maps/Foo.map");
    f.Put("Games/Foo.grp");
    fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
    f.Start();
    c.play(f);
    EXPECT_FALSE(f.Received().empty());
    EXPECT_EQ(f.Setting(kHistorySection, HistoryKey(0)), *c.entry ? c.entry : "<none>");
  }
}

}  // namespace
}  // namespace tv::test
