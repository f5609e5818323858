// The saved-game drop-down: each entry keeps the slot of its own file, so a missing slot file or a save without a
// title never makes another saved game load.
#include "support/ProgramFixture.h"
#include "fixture/SavedGames.h"

namespace tv::test {
namespace {

using SavedGameBoxTest = ProgramTest;
constexpr std::time_t kT = 1796520000;

TEST_F(SavedGameBoxTest, EachEntryLoadsTheSlotOfItsOwnFile) {
  const struct {  // the saves as slot, title, time; the entries; the one chosen and the switch it loads
    const char* rule; std::vector<std::tuple<int, const char*, std::time_t>> saves; std::vector<std::string> entries;
    int chosen; const char* loadSwitch;
  } cases[] = {
      {"none", {}, {}, 0, ""},
      {"the newest marked", {{0, "A", kT}, {1, "B", kT + 60}, {2, "C", kT + 10}}, {"A", "B ***", "C"}, 1, " /1"},
      {"a missing slot file", {{0, "A", kT}, {2, "C", kT + 60}}, {"A", "C ***"}, 1, " /2"},
      {"a save without title", {{0, "A", kT}, {1, "", kT}, {2, "C", kT}}, {"A ***", "C"}, 1, " /2"},
      {"one title thrice", {{0, "S", kT + 60}, {1, "S", kT}, {3, "S", kT}}, {"S ***", "S", "S"}, 2, " /3"},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    for (const auto& [slot, title, time] : c.saves)
      fixture::WriteSavedGame(folder.Path() + "game" + std::to_string(slot) + ".sav", title, time);
    FileSystem fileSystem(folder.Path());
    Program p(fileSystem, ui, {folder.Path(), {}});
    p.Activate();
    EXPECT_EQ(std::pair(p.View().savedEntries, p.View().savedEnabled), std::pair(c.entries, !c.entries.empty()));
    EXPECT_EQ((p.Saves().Choose(c.chosen), p.Saves().Switch().Text()), c.loadSwitch) << c.rule;
  }
}

TEST_F(SavedGameBoxTest, AChoiceSwitchesTheModeAndHintsUntilItIsNoLongerListed) {
  fixture::WriteSavedGame(Path("game0.sav"), "Hollywood", kT);
  fixture::WriteSavedGame(Path("game1.sav"), "Red Light", kT + 10);
  Program& p = Started();
  p.Saves().Choose(1);
  EXPECT_EQ(std::tuple(p.View().savedText, p.Saves().Mode(), p.View().mapButtonHint),
            std::tuple("Red Light ***", true, "Start a user Map Saved Game"));
  p.Activate();  // a pass keeps the choice
  EXPECT_EQ(p.Saves().Switch().Text(), " /1");

  fixture::WriteSavedGame(Path("game1.sav"), "Red Light", kT);  // now the first one is the newest
  p.Saves().Fill();
  EXPECT_EQ(p.Saves().Switch().Text(), "") << "the text shown is no longer an entry";
  EXPECT_TRUE(p.Saves().Mode());
  p.Saves().Clear();
  EXPECT_EQ(std::tuple(p.View().savedText, p.Saves().Mode(), p.View().mapButtonHint),
            std::tuple("Start a saved game", false, "Start a user Map"));
  for (const char* file : {"game0.sav", "game1.sav"}) std::filesystem::remove(Path(file));
  p.Saves().Fill();
  p.Saves().Choose(0);
  EXPECT_FALSE(p.Saves().Mode()) << "no entry is left to choose";
}

}  // namespace
}  // namespace tv::test
