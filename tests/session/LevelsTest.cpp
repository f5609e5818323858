// "Play Level" and "Play TC Level" end to end: the level window played by the
// user, and what the started game receives.
#include "PlayTest.h"
#include "fixture/Groups.h"

namespace tv::test {
namespace {

// Plays the user's part in the level window: the rows it shows are kept, the
// rows in picks are selected one after the other, and Cancel closes it when
// none of them does.
void AnswerLevels(PlayFolder& f, std::vector<int> picks, std::vector<LevelRow>* shown = nullptr) {
  f.ui.onModal = [&f, picks, shown](Window window) {
    if (window != Window::Levels) return;
    LevelChooser& levels = f.program().Levels();
    levels.Prepare();
    if (shown) *shown = levels.Rows();
    for (const int row : picks)
      if (levels.Select(row)) return;
    levels.Cancel();
  };
}

TEST(PlayLevel, TheChosenStockLevelStartsAtTheSkill) {
  const struct {
    const char* name;
    std::uint64_t gameData;
    std::string settings;
    std::vector<int> picks;
    const char* parameters;  // nullptr: nothing starts
  } cases[] = {
      {"E2L5 at skill 3", kFullData, "SkillLevel=3\r\n", {16}, " -v2 -l05 /s3"},
      {"E1L9 without game data: no edition test", kNoData, "SkillLevel=1\r\n", {8}, " -v1 -l09 /s1"},
      {"E4L11 with no monsters", kSharewareData, "SkillLevel=4\r\nNoMonsters=1\r\n", {46}, " -v4 -l11 /s4 -m"},
      {"a separator keeps the window open", kFullData, "", {23, 24}, " -v3 -l01 /s3"},
      {"cancelled", kFullData, "", {}, nullptr},
      {"a separator, then cancelled", kFullData, "", {11}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f(c.gameData);
    Program& p = f.Start(c.settings);
    std::vector<LevelRow> rows;
    AnswerLevels(f, c.picks, &rows);
    p.PlayLevel();
    EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_EQ(f.ui.modals, std::vector<Window>{Window::Levels});
    EXPECT_EQ(rows.size(), 47u);
    if (c.parameters) {
      EXPECT_EQ(f.Received(), f.Expected(c.parameters));
      EXPECT_EQ(f.CommandLine(), std::string("Duke3dw.exe ") + c.parameters);
    } else {
      EXPECT_EQ(f.CommandLine(), "<none>");
    }
    EXPECT_EQ(f.ui.minimized, 0);
    EXPECT_TRUE(f.ui.shown.empty());
  }
}

// Bar.grp before Foo.grp in the TC list; Foo's group holds three maps and
// names E1L1.map as its own start map.
class PlayTCLevel : public ::testing::Test {
 protected:
  PlayTCLevel() {
    f.Put("Games/Bar.grp", fixture::GroupFileBytes({{"BAR.CON", "c"}, {"B1.MAP", fixture::FillerBytes(600)}}));
    f.Put("Games/Foo.grp", fixture::GroupFileBytes({{"FOO.CON", "c"},
                                                    {"ZOO.MAP", fixture::FillerBytes(600, 2)},
                                                    {"E1L1.MAP", fixture::FillerBytes(600, 3)},
                                                    {"ABC.MAP", fixture::FillerBytes(600, 4)}}));
    f.Put("Games/Foo.ini", "[Foo.Options]\r\nGameNAME=Foo\r\nCON_File=Foo.con\r\nMAP_File=E1L1.map\r\n");
  }
  PlayFolder f;
};

TEST_F(PlayTCLevel, TheChosenMapReplacesTheTcsOwnStartMap) {
  Program& p = f.Start("LastPlayedTC=0\r\n");
  p.SelectTc(1);
  p.RememberTc();
  std::vector<LevelRow> rows;
  AnswerLevels(f, {2}, &rows);
  p.PlayTcLevel();
  EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].level, "ABC");
  EXPECT_EQ(rows[1].level, "E1L1");
  EXPECT_EQ(rows[2].level, "ZOO");
  EXPECT_TRUE(p.Levels().TcMode());
  // Row 1 was clicked but not yet saved as LastPlayedTC: the TC whose maps
  // were listed is still the one played.
  const std::string parameters = "-j{pf}Games -xFoo.con -gFoo.grp  -map ZOO.map";
  EXPECT_EQ(f.Received(), f.Expected(parameters));
  EXPECT_EQ(f.CommandLine(), f.Fill("Duke3dw.exe " + parameters));
  EXPECT_GT(f.ui.minimized, 0);
}

// Listed after Foo's maps, a TC without maps of its own shows the stock
// levels and starts on the one chosen.
TEST_F(PlayTCLevel, ATcWithoutMapsOffersTheStockLevels) {
  f.Put("Games/Plain.grp", fixture::GroupFileBytes({{"PLAIN.CON", "c"}}));
  Program& p = f.Start();
  p.SelectTc(1);
  AnswerLevels(f, {});
  p.PlayTcLevel();
  p.SelectTc(2);
  std::vector<LevelRow> rows;
  AnswerLevels(f, {3}, &rows);
  p.PlayTcLevel();
  ASSERT_EQ(rows.size(), 47u);
  EXPECT_EQ(rows[3].level, "E1L1");
  EXPECT_EQ(rows[3].title, "Hollywood Holocaust");
  EXPECT_EQ(f.CommandLine(), f.Fill("Duke3dw.exe -j{pf}Games -xPlain.con -gPlain.grp  -map E1L1.map"));
}

TEST_F(PlayTCLevel, NothingStartsWithoutAChoice) {
  const struct {
    const char* name;
    int tcRow;
    std::vector<int> picks;
    std::vector<BeepKind> beeps;
    std::vector<Window> modals;
  } cases[] = {
      {"no TC selected", -1, {0}, {BeepKind::Default}, {}},
      {"cancelled", 1, {}, {BeepKind::Exclamation}, {Window::Levels}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    f.ui = {};
    Program& p = f.Start();
    p.SelectTc(c.tcRow);
    AnswerLevels(f, c.picks);
    p.PlayTcLevel();
    EXPECT_EQ(f.ui.beeps, c.beeps);
    EXPECT_EQ(f.ui.modals, c.modals);
    EXPECT_EQ(f.CommandLine(), "<none>");
  }
}

TEST(PlayTCLevelEdition, OnlyTheFullDataPlaysATcLevel) {
  PlayFolder shareware(kSharewareData);
  shareware.Put("Games/Foo.grp", fixture::GroupFileBytes({{"ZOO.MAP", fixture::FillerBytes(600)}}));
  Program& p = shareware.Start();
  p.SelectTc(0);
  AnswerLevels(shareware, {0});
  p.PlayTcLevel();
  EXPECT_EQ(shareware.ui.beeps, (std::vector<BeepKind>{BeepKind::Exclamation, BeepKind::Default}));
  ASSERT_EQ(shareware.ui.shown.size(), 1u);
  EXPECT_EQ(shareware.ui.shown[0].text, "Total Conversions can only be played when\nusing the full version of Duke3D.");
  EXPECT_EQ(shareware.CommandLine(), "<none>");
}

}  // namespace
}  // namespace tv::test
