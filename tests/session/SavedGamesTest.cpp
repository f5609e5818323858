// The saved-game drop-down through the program: entries, the newest mark,
// saved-game mode, the load switch and deletion. Each entry keeps the slot
// of its own file, so a missing slot file or a save without a title never
// makes another saved game load or go.
#include <gtest/gtest.h>

#include "fixture/SavedGames.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

constexpr std::time_t kT = 1796520000;

class SavedGames : public ProgramTest {
 protected:
  void Save(int slot, const std::string& title, std::time_t time) {
    fixture::WriteSavedGame(Path("game" + std::to_string(slot) + ".sav"), title, time);
  }
  Program& Started() {
    Program& p = Start();
    p.Activate();
    return p;
  }
};

TEST_F(SavedGames, EntriesShowTheTitlesAndMarkTheNewest) {
  Save(0, "Hollywood", kT);
  Save(1, "Red Light", kT + 10);
  Save(2, "Death Row", kT + 60);
  Save(3, "Toxic Dump", kT + 20);
  Program& p = Started();
  EXPECT_EQ(p.View().savedEntries, (std::vector<std::string>{"Hollywood", "Red Light", "Death Row ***", "Toxic Dump"}));
  EXPECT_TRUE(p.View().savedEnabled);
  p.ChooseSavedGame(2);
  EXPECT_EQ(p.SavedGameSwitch().Text(), " /2");
}

TEST_F(SavedGames, EachEntryLoadsTheSlotOfItsOwnFile) {
  const struct {
    const char* rule;
    std::vector<std::tuple<int, const char*, std::time_t>> saves;  // slot, title, time
    std::vector<std::string> entries;
    int chosen;
    const char* loadSwitch;
  } cases[] = {
      {"without gaps", {{0, "A", kT}, {1, "B", kT}}, {"A ***", "B"}, 1, " /1"},
      {"a missing slot file", {{0, "A", kT}, {2, "C", kT + 60}}, {"A", "C ***"}, 1, " /2"},
      {"a save without title", {{0, "A", kT}, {1, "", kT}, {2, "C", kT}}, {"A ***", "C"}, 1, " /2"},
      {"two saves of one title",
       {{0, "Same", kT + 60}, {1, "Same", kT}, {3, "Same", kT}},
       {"Same ***", "Same", "Same"},
       2,
       " /3"},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    for (const auto& [slot, title, time] : c.saves)
      fixture::WriteSavedGame(folder.Path() + "game" + std::to_string(slot) + ".sav", title, time);
    FileSystem fileSystem(folder.Path());
    Environment env;
    env.programFolder = folder.Path();
    Program p(fileSystem, ui, env);
    p.Activate();
    EXPECT_EQ(p.View().savedEntries, c.entries) << c.rule;
    p.ChooseSavedGame(c.chosen);
    EXPECT_EQ(p.SavedGameSwitch().Text(), c.loadSwitch) << c.rule;
  }
}

TEST_F(SavedGames, ChoosingSwitchesTheModeAndTheHints) {
  Save(0, "Hollywood", kT);
  Program& p = Started();
  const struct {
    int entry;
    const char* text;
    bool mode;
    const char* start;
    const char* maps;
    const char* play;
  } cases[] = {
      {0, "Hollywood ***", true, "Start a Total Converstion Saved Game", "Start a user Map Saved Game",
       "Start Duke3d Saved Game"},
      {-1, "Start a saved game", false, "Start a Total Converstion", "Start a user Map", "Start Duke3d from Title"},
  };
  for (const auto& c : cases) {
    p.ChooseSavedGame(c.entry);
    EXPECT_EQ(p.View().savedText, c.text);
    EXPECT_EQ(p.SavedGameMode(), c.mode);
    EXPECT_EQ(p.View().tcButtonHint, c.start);
    EXPECT_EQ(p.View().mapButtonHint, c.maps);
    EXPECT_EQ(p.View().playHint, c.play);
  }
}

// Reading the switch changes nothing: only a play that loads the saved game
// resets the box and minimises (see the play tests).
TEST_F(SavedGames, TheSwitchIsReadWithoutTouchingTheChoice) {
  Save(0, "Hollywood", kT);
  Program& p = Started();
  p.ChooseSavedGame(0);
  p.Activate();  // a refill keeps the text and the choice
  EXPECT_EQ(p.View().savedText, "Hollywood ***");
  EXPECT_EQ(p.SavedGameSwitch().Text(), " /0");
  EXPECT_EQ(ui.minimized, 0);
  EXPECT_EQ(p.View().savedText, "Hollywood ***");
  EXPECT_TRUE(p.SavedGameMode());
}

TEST_F(SavedGames, AChoiceNoLongerListedGivesNoSwitch) {
  Save(0, "Hollywood", kT);
  Save(1, "Red Light", kT + 10);
  Program& p = Started();
  p.ChooseSavedGame(1);
  Save(1, "Red Light", kT);  // now the first one is the newest
  p.RefillSavedGames();
  EXPECT_EQ(p.View().savedEntries, (std::vector<std::string>{"Hollywood ***", "Red Light"}));
  EXPECT_EQ(p.SavedGameSwitch().Text(), "");
  EXPECT_EQ(ui.minimized, 0);
  EXPECT_TRUE(p.SavedGameMode());
}

TEST_F(SavedGames, WithoutSavesTheBoxIsDisabledUntilAFillFindsOne) {
  Program& p = Started();
  EXPECT_FALSE(p.View().savedEnabled);
  EXPECT_TRUE(p.View().savedEntries.empty());
  Save(0, "Hollywood", kT);
  p.RefillSavedGames();
  EXPECT_TRUE(p.View().savedEnabled);
  EXPECT_EQ(p.View().savedEntries, std::vector<std::string>{"Hollywood ***"});
}

TEST_F(SavedGames, DeletingRemovesExactlyTheChosenFile) {
  const struct {
    const char* rule;
    int answer;
    bool deleted;
  } cases[] = {{"no", kNo, false}, {"yes", kYes, true}};
  for (const auto& c : cases) {
    Save(0, "Hollywood", kT);
    Save(1, "", kT);  // no title, no entry: the next entry is slot 2
    Save(2, "Death Row", kT + 60);
    ui = RecordingUi();
    ui.answers = {c.answer};
    Program& p = Started();
    p.ChooseSavedGame(1);
    p.DeleteSavedGame();
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation}) << c.rule;
    ASSERT_EQ(ui.shown.size(), 1u) << c.rule;
    EXPECT_EQ(ui.shown[0].text, "Delete the saved game: Death Row *** ?\nGame Filename: game2.sav") << c.rule;
    EXPECT_EQ(ui.shown[0].title, "Warning");
    EXPECT_EQ(ui.shown[0].buttons, "mbYes,mbNo");
    EXPECT_EQ(fixture::Exists(Path("game2.sav")), !c.deleted) << c.rule;
    EXPECT_TRUE(fixture::Exists(Path("game0.sav")));
    EXPECT_TRUE(fixture::Exists(Path("game1.sav")));
    if (c.deleted) {
      EXPECT_EQ(p.View().savedEntries, std::vector<std::string>{"Hollywood ***"});
      EXPECT_EQ(p.View().savedText, "Start a saved game");
      EXPECT_FALSE(p.SavedGameMode());
    }
  }
}

TEST_F(SavedGames, DeletingWithNoEntryChosenDoesNothing) {
  Save(0, "Hollywood", kT);
  Program& p = Started();
  p.DeleteSavedGame();
  p.ChooseSavedGame(0);
  p.RefillSavedGames();  // the refill leaves no entry selected
  p.DeleteSavedGame();
  EXPECT_TRUE(ui.beeps.empty());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(fixture::Exists(Path("game0.sav")));
}

TEST_F(SavedGames, APassEndsInTheProgramFolder) {
  // The pass lists the saved games last, so the next pass removes a stray
  // game10.sav of the program folder even when the program started elsewhere.
  fixture::TempFolder elsewhere;
  fixture::WriteFile(Path("game10.sav"), "x");
  FileSystem startedElsewhere(elsewhere.Path());
  Environment env;
  env.programFolder = dir.Path();
  Program p(startedElsewhere, ui, env);
  p.Activate();
  EXPECT_TRUE(fixture::Exists(Path("game10.sav")));
  p.Activate();
  EXPECT_FALSE(fixture::Exists(Path("game10.sav")));
}

}  // namespace
}  // namespace tv::test
