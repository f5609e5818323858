// " Play User Map" end to end: the parameters the started game receives for
// each way of playing a map, and the refusals that start nothing.
#include <functional>

#include "PlayTest.h"
#include "fixture/SavedGames.h"
#include "launch/PlayPaths.h"

namespace tv::test {
namespace {

const char* const kFooTc = "[Foo.Options]\r\nGameNAME=Foo\r\nCON_File=Foo.con\r\nMAP_File=E1L1.map\r\n";

TEST(PlayUserMap, TheGameGetsTheComposedParameters) {
  using Network = PlayFolder::Network;
  const struct {
    const char* name;
    std::vector<std::string> files;
    std::string settings;
    std::function<void(PlayFolder&)> act;
    std::string parameters;
  } cases[] = {
      {"the map's script, no monsters, two spaces after the folder switch",
       {"Maps/Foo.map", "Maps/Foo.con"},
       "SkillLevel=3\r\nNoMonsters=1\r\n",
       {},
       "-j{pf}Maps  -xFoo.con -map Foo.map /s3 -m"},
      {"an upper-case file plays under its display text, the files beside it found whatever their case",
       {"Maps/FOO.MAP", "Maps/foo.CON"},
       "SkillLevel=2\r\n",
       {},
       "-j{pf}Maps  -xFoo.con -map Foo.map /s2"},
      {"a zip replaces the group",
       {"Maps/Foo.map", "Maps/Foo.grp", "Maps/Foo.zip"},
       "",
       {},
       "-j{pf}Maps  -gFoo.zip -map Foo.map /s3"},
      {"a high-resolution pack drops the definitions; its switch stays apart from the map switch",
       {"Maps/Foo.map", "Maps/Foo_hrp.zip", "Maps/Foo.def"},
       "",
       {},
       "-j{pf}Maps  -gFoo_hrp.zip -map Foo.map /s3"},
      {"the current map folder",
       {"Maps/Foo.map", "Maps1/Bar.map"},
       "LastMapFolder=1\r\n",
       {},
       "-j{pf}Maps1 -map Bar.map /s3"},
      {"the map music in front of the map switch, its path unquoted",
       {"Maps/Foo.map", "Maps/Foo.con"},
       "",
       [](PlayFolder& f) {
         f.ui.chosenFile = f.Path("Music/My Song.mid");
         f.program().ChooseMapMusic();
       },
       "-j{pf}Maps  -xFoo.con -music {pf}Music/My{_}Song.mid -map Foo.map /s3"},
      {"host with an empty address: no skill, no tail, the no-monsters switch",
       {"Maps/Foo.map", "Maps/Foo.con"},
       "NoMonsters=1\r\n",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Host, Network{"Ann", "", true, 4});
       },
       "-j{pf}Maps  -xFoo.con -map Foo.map -m"},
      {"host before the network window was closed: an empty tail in place of the no-monsters switch",
       {"Maps/Foo.map", "Maps/Foo.con"},
       "NoMonsters=1\r\n[Network_Game]\r\nNickname=Ann\r\nOpponentIP=10.0.0.2\r\n",
       [](PlayFolder& f) { f.program().ChooseHostGame(); },
       "-j{pf}Maps  -xFoo.con -map Foo.map"},
      {"host with the network tail",
       {"Maps/Foo.map", "Maps/Foo.con"},
       "NoMonsters=1\r\n",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Host, Network{"Ann", "10.0.0.2"});
       },
       "-j{pf}Maps  -xFoo.con -map Foo.map /name Ann /net /n1 10.0.0.2"},
      {"join with the network tail",
       {"Maps/Foo.map"},
       "",
       [](PlayFolder& f) {
         f.NetworkGame(GameRole::Join, Network{"Ann", "10.0.0.2"});
       },
       "-j{pf}Maps -map Foo.map /name Ann /net 10.0.0.2 /n1"},
      {"a chosen saved game replaces the map, skill and no-monsters switch",
       {"Maps/Foo.map", "Maps/Foo.con"},
       "NoMonsters=1\r\n",
       [](PlayFolder& f) {
         fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
         f.program().RefillSavedGames();
         f.program().ChooseSavedGame(0);
       },
       "-j{pf}Maps  /0"},
      {"associated with the selected TC, whose own start map is cut",
       {"Maps/Foo.map", "Maps/Foo.con", "Games/Foo.grp"},
       "NoMonsters=1\r\n",
       [](PlayFolder& f) {
         f.program().SelectTc(0);
         f.program().SetAssociation(true);
       },
       "-j{pf}Games -xFoo.con -gFoo.grp  -j{pf}Maps -map Foo.map /s3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    for (const std::string& file : c.files) f.Put(file);
    f.Put("Games/Foo.ini", kFooTc);
    Program& p = f.Start(c.settings);
    if (c.act) c.act(f);
    p.StartUserMap();
    EXPECT_EQ(f.Received(), f.Expected(c.parameters));
    EXPECT_EQ(f.CommandLine(), f.Fill("Duke3dw.exe " + c.parameters));
    EXPECT_GT(f.ui.minimized, 0);
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_TRUE(f.ui.beeps.empty() || f.Beeps(BeepKind::Information) == long(f.ui.beeps.size()));
  }
}

TEST(PlayUserMap, APlayLeavesTheSavedGameAndTheAssociationReset) {
  PlayFolder f;
  f.Put("Maps/Foo.map");
  fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
  Program& p = f.Start();
  p.ChooseSavedGame(0);
  p.StartUserMap();
  EXPECT_EQ(f.Received(), f.Expected("-j{pf}Maps  /0"));
  EXPECT_FALSE(p.SavedGameMode());
  EXPECT_EQ(p.View().savedText, "Start a saved game");

  f.Put("Games/Foo.grp");
  p.Activate();
  p.SelectTc(0);
  p.SetAssociation(true);
  p.StartUserMap();
  EXPECT_EQ(f.Received(), f.Expected("-j{pf}Games -gFoo.grp  -j{pf}Maps -map Foo.map /s3"));
  EXPECT_FALSE(p.View().assocChecked);
}

TEST(PlayUserMap, ARefusalStartsNothingAndChangesNothing) {
  const struct {
    const char* name;
    std::uint64_t gameData;
    std::vector<std::string> files;
    std::function<void(PlayFolder&)> act;
    const char* message;  // nullptr: the beep alone
  } cases[] = {
      {"shareware data", kSharewareData, {"Maps/Foo.map"}, {}, kSharewareMapsMessage},
      {"shareware data, even with no map", kSharewareData, {}, {}, kSharewareMapsMessage},
      {"no game data", kNoData, {"Maps/Foo.map"}, {}, kNoDataMessage},
      {"no map in the list", kFullData, {}, {}, kMapNotFoundMessage},
      {"associated, with no TC selected",
       kFullData,
       {"Maps/Foo.map", "Games/Foo.grp"},
       [](PlayFolder& f) {
         f.program().SelectTc(-1);
         f.program().SetAssociation(true);
       },
       nullptr},
      {"associated, with a separator row selected",
       kFullData,
       {"Maps/Foo.map", "Games/Sep.grp"},
       [](PlayFolder& f) {
         f.Put("Games/Sep.ini", "[Sep.Options]\r\nGameNAME=-------------\r\n");
         f.program().Activate();
         f.program().SelectTc(0);
         f.program().SetAssociation(true);
       },
       nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f(c.gameData);
    for (const std::string& file : c.files) f.Put(file);
    fixture::WriteSavedGame(f.Path("game0.sav"), "Hollywood");
    Program& p = f.Start();
    if (c.act) c.act(f);
    const bool associated = p.View().assocChecked;
    if (!associated) p.ChooseSavedGame(0);
    p.StartUserMap();
    EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Default});
    if (c.message) {
      ASSERT_EQ(f.ui.shown.size(), 1u);
      EXPECT_EQ(f.ui.shown[0].kind, "message");
      EXPECT_EQ(f.ui.shown[0].text, c.message);
    } else {
      EXPECT_TRUE(f.ui.shown.empty());
    }
    EXPECT_EQ(f.CommandLine(), "<none>");
    EXPECT_EQ(f.ui.minimized, 0);
    EXPECT_EQ(p.View().assocChecked, associated);
    EXPECT_EQ(p.SavedGameMode(), !associated);
  }
}

}  // namespace
}  // namespace tv::test
