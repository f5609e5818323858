// " Play User Addon ", the TC list's double click and the large play button
// end to end: what the started game receives, and the refusals.
#include <functional>

#include "PlayTest.h"
#include "fixture/SavedGames.h"
#include "launch/PlayPaths.h"

namespace tv::test {
namespace {

// A TC whose settings file names its script and, when given, its start map
// and definitions.
void Tc(PlayFolder& f, const std::string& name, const std::string& options = "CON_File=Foo.con\r\n") {
  f.Put("Games/" + name + ".grp");
  f.Put("Games/" + name + ".ini", "[" + name + ".Options]\r\nGameNAME=" + name + "\r\n" + options);
}

void ChooseSavedGame(PlayFolder& f) {
  fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
  f.program().RefillSavedGames();
  f.program().ChooseSavedGame(0);
}

TEST(PlayTC, TheGameGetsTheTcLine) {
  using Network = PlayFolder::Network;
  const struct {
    const char* name;
    std::string options;
    std::function<void(PlayFolder&)> act;
    std::function<void(Program&)> play;
    std::string parameters;
  } cases[] = {
      {"script and group, one closing space",
       "CON_File=Foo.con\r\n",
       {},
       &Program::StartTc,
       "-j{pf}Games -xFoo.con -gFoo.grp "},
      {"the same by the TC list's double click",
       "CON_File=Foo.con\r\n",
       {},
       &Program::StartListedTc,
       "-j{pf}Games -xFoo.con -gFoo.grp "},
      {"the TC's own start map",
       "CON_File=Foo.con\r\nMAP_File=E1L1.map\r\n",
       {},
       &Program::StartTc,
       "-j{pf}Games -xFoo.con -gFoo.grp -map E1L1.map"},
      {"definitions without a pack",
       "CON_File=Foo.con\r\nDEF_File=Foo.def\r\n",
       {},
       &Program::StartTc,
       "-j{pf}Games -xFoo.con -hFoo.def -gFoo.grp "},
      {"a pack found beside the group drops the definitions", "CON_File=Foo.con\r\nDEF_File=Foo.def\r\n",
       [](PlayFolder& f) { f.Put("Games/Foo_hrp.zip"); }, &Program::StartTc,
       "-j{pf}Games -gFoo_hrp.zip -xFoo.con -gFoo.grp "},
      {"a chosen saved game", "CON_File=Foo.con\r\n", ChooseSavedGame, &Program::StartTc,
       "-j{pf}Games -xFoo.con -gFoo.grp  /0"},
      {"join with the network tail: the button is off, the double click plays", "CON_File=Foo.con\r\n",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Join, Network{"Ann", "10.0.0.2"});
       },
       &Program::StartListedTc, "-j{pf}Games -xFoo.con -gFoo.grp  /name Ann /net 10.0.0.2 /n1"},
      {"host without an address: no tail", "CON_File=Foo.con\r\n",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Host, Network{"Ann", "", true, 4});
       },
       &Program::StartListedTc, "-j{pf}Games -xFoo.con -gFoo.grp "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    Tc(f, "Foo", c.options);
    Program& p = f.Start("SkillLevel=4\r\nNoMonsters=1\r\n");
    if (c.act) c.act(f);
    p.SelectTc(0);  // after the act: the pass its window starts selects LastPlayedTC's row
    c.play(p);
    EXPECT_EQ(f.Received(), f.Expected(c.parameters));
    EXPECT_EQ(f.CommandLine(), f.Fill("Duke3dw.exe " + c.parameters));
    EXPECT_GT(f.ui.minimized, 0);
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_FALSE(p.SavedGameMode());
  }
}

TEST(PlayTC, ARefusalStartsNothing) {
  const struct {
    const char* name;
    std::uint64_t gameData;
    int row;
    const char* message;  // nullptr: the beep alone
  } cases[] = {
      {"no game data", kNoData, 0, kNoDataMessage},
      {"shareware data", kSharewareData, 0, kTcNeedsFullMessage},
      {"the smaller full data", kSmallerFullData, 0, kTcNeedsFullMessage},
      {"no row selected", kFullData, -1, nullptr},
      {"a separator row", kFullData, 1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f(c.gameData);
    Tc(f, "Foo");
    f.Put("Games/Sep.grp");
    f.Put("Games/Sep.ini", "[Sep.Options]\r\nGameNAME=-------------\r\n");
    Program& p = f.Start();
    p.SelectTc(c.row);
    p.StartTc();
    EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Default});
    if (c.message) {
      ASSERT_EQ(f.ui.shown.size(), 1u);
      EXPECT_EQ(f.ui.shown[0].text, c.message);
    } else {
      EXPECT_TRUE(f.ui.shown.empty());
    }
    EXPECT_EQ(f.CommandLine(), "<none>");
    EXPECT_EQ(f.ui.minimized, 0);
  }
}

TEST(PlayTitle, TheGameStartsAtItsTitleOrTheChosenSavedGame) {
  using Network = PlayFolder::Network;
  const struct {
    const char* name;
    std::function<void(PlayFolder&)> act;
    std::string parameters;
    int minimized;
  } cases[] = {
      {"no skill, no map", {}, "", 0},
      {"the chosen saved game, minimised by taking its switch", ChooseSavedGame, " /0", 1},
      {"host with the network tail",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Host, Network{"Ann", "10.0.0.2"});
       },
       " /name Ann /net /n1 10.0.0.2", 0},
      {"host with a dedicated tail but no address",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Host, Network{"Ann", "", true, 4});
       },
       "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    Program& p = f.Start("SkillLevel=4\r\nNoMonsters=1\r\n");
    if (c.act) c.act(f);
    p.StartFromTitle();
    EXPECT_EQ(f.Received(), f.Expected(c.parameters));
    EXPECT_EQ(f.CommandLine(), "Duke3dw.exe " + c.parameters);
    EXPECT_EQ(f.ui.minimized, c.minimized);
    EXPECT_FALSE(p.SavedGameMode());
  }
}

TEST(PlayTitle, NoGameDataStartsNothing) {
  PlayFolder f(kNoData);
  Program& p = f.Start();
  p.StartFromTitle();
  EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Default});
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Duke3d files not found!");
  EXPECT_EQ(f.CommandLine(), "<none>");
}

}  // namespace
}  // namespace tv::test
