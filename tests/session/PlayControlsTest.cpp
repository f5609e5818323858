// The controls that shape the next play: the skill box and the three
// game-type radio buttons.
#include "PlayTest.h"
#include "fixture/SavedGames.h"
#include "launch/CommandLine.h"

namespace tv::test {
namespace {

TEST(PlaySkill, TheBoxTextSetsTheSkillAndSavesTheSettings) {
  const struct {
    const char* text;
    const char* skill;
  } cases[] = {
      {"Skill Level 1", "1"}, {"Skill Level 2", "2"}, {"Skill Level 4", "4"},
      {"Skill Level 5", "3"}, {"skill level 1", "3"}, {"", "3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    PlayFolder f;
    f.Put("Maps/Foo.map");
    Program& p = f.Start("SkillLevel=2\r\nLastPlayedTC=0\r\n");
    p.SelectTc(-1);
    p.RememberTc();  // unsaved until some save
    p.ChooseSkill(c.text);
    EXPECT_EQ(p.View().skillText, c.text);
    EXPECT_EQ(f.Setting("Tarvolin", "SkillLevel"), c.skill);
    EXPECT_EQ(f.Setting("Tarvolin", "LastPlayedTC"), "-1");
    EXPECT_TRUE(p.View().dropFocus);
    p.StartUserMap();
    EXPECT_EQ(f.Received(), f.Expected(std::string("-j{pf}Maps -map Foo.map /s") + c.skill));
  }
}

TEST(PlaySkill, TheFirstStartShowsTheSkillTheGameIsStartedWith) {
  PlayFolder f;
  f.Put("Maps/Foo.map");
  Program& p = f.Start(std::nullopt);
  ASSERT_EQ(f.Setting("Tarvolin", "Initialized"), "<none>") << "a first start";
  const std::string shown = p.View().skillText;
  p.SelectTc(-1);
  p.StartUserMap();
  EXPECT_EQ(f.Received(), f.Expected("-j{pf}Maps -map Foo.map /s" + SkillLevelFromBox(shown)));
  EXPECT_EQ(shown, "Skill Level 3");
}

struct Controls {
  GameRole gameType;
  bool tcButtonEnabled, savedBoxAllowed, assocVisible, assocChecked, savedGameMode;
  bool operator==(const Controls&) const = default;
};

Controls Of(const Program& p) {
  const MainView& v = p.View();
  return {v.gameType, v.tcButtonEnabled, v.savedBoxAllowed, v.assocVisible, v.assocChecked, p.SavedGameMode()};
}

TEST(PlayGameType, EachButtonSetsTheControlsThatDependOnIt) {
  const struct {
    const char* name;
    void (Program::*press)();
    Controls after;
  } cases[] = {
      {"host", &Program::ChooseHostGame, {GameRole::Host, false, false, false, false, false}},
      {"join", &Program::ChooseJoinGame, {GameRole::Join, false, false, false, false, false}},
      {"single", &Program::ChooseSingleGame, {GameRole::Single, true, true, true, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
    Program& p = f.Start();
    p.SetAssociation(true);
    (p.*c.press)();
    EXPECT_TRUE(Of(p) == c.after);

    // A chosen saved game is reset by the network types and kept by single.
    p.ChooseSingleGame();
    p.ChooseSavedGame(0);
    (p.*c.press)();
    EXPECT_EQ(p.SavedGameMode(), c.after.gameType == GameRole::Single);
    EXPECT_EQ(p.View().savedText, p.SavedGameMode() ? "Hollywood ***" : "Start a saved game");
    EXPECT_EQ(p.View().mapButtonHint, p.SavedGameMode() ? "Start a user Map Saved Game" : "Start a user Map");
  }
}

TEST(PlayGameType, ThePassKeepsTheSavedGameBoxOfANetworkGameDisabled) {
  PlayFolder f;
  fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
  Program& p = f.Start();
  p.ChooseJoinGame();
  p.Activate();
  EXPECT_TRUE(p.View().savedEnabled);  // there are saved games
  EXPECT_FALSE(p.View().savedBoxAllowed);
  EXPECT_FALSE(p.View().assocVisible);
  EXPECT_EQ(p.View().gameType, GameRole::Join);
  p.ChooseSingleGame();
  EXPECT_TRUE(p.View().savedBoxAllowed);
  EXPECT_TRUE(p.View().assocVisible);
}

}  // namespace
}  // namespace tv::test
