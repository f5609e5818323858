// The game's parameters (whole arguments and their text), network tail, map music, and every play path.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <tuple>

#include "fixture/Fixture.h"
#include "launch/CommandLine.h"
#include "launch/MapMusic.h"
#include "launch/Network.h"
#include "launch/PlayPaths.h"

namespace tv {
namespace {

using Args = std::vector<std::string>;
TEST(GameLine, PiecesKeepTheirSpacesInTheTextAndAreWholeArguments) {
  // clang-format off
  const struct { GameLine piece; std::string text; Args arguments; } cases[] = {
      {MapFolderSwitch("/g/Duke 3D/", "Maps3") + MapSwitch("My Foo.map"), "-j/g/Duke 3D/Maps3 -map My Foo.map",
       {"-j/g/Duke 3D/Maps3", "-map", "My Foo.map"}},
      {MusicPrefix("/m/My Song.mid") + NoMonstersSwitch(false) + SavedGameSlotSwitch(7), "-music /m/My Song.mid  /7",
       {"-music", "/m/My Song.mid", "/7"}},
      {GameLine::OwnSwitches("  -v2  -l05 "), "  -v2  -l05 ", {"-v2", "-l05"}},
      {GameLine::OwnSwitches("  "), "  ", {}},
      {GameLine::Argument("", 0, 1) + GameLine::Argument("a b", 2), "   a b", {"a b"}},
      {NoMonstersSwitch(false), "", {}}};
  for (const auto& c : cases)
    EXPECT_EQ(std::tuple(c.piece.Text(), c.piece.Arguments(), c.piece.Empty()),
              std::tuple(c.text, c.arguments, c.text.empty()));
  const char* const skills[][2] = {
      {"Skill Level 1", "1"}, {"Skill Level 4", "4"}, {"Skill Level 5", "3"}, {"skill level 1", "3"}, {"", "3"}};
  for (const auto& c : skills) EXPECT_EQ(SkillLevelFromBox(c[0]), c[1]) << c[0];
  EXPECT_EQ(SkillLevelFromBox(SkillBoxText("2")), "2");
}
TEST(MapExtras, ComeFromTheFilesBesideTheMapOnly) {
  const struct { const char* map; std::vector<std::string> beside; const char* extras; } cases[] = {
      {"Foo.map", {}, ""}, {"Foo.map", {"Foo.con"}, " -xFoo.con "}, {"FOO.MAP", {"FOO.CON"}, " -xFOO.con "},
      {"Foo", {"Foo.con"}, " -xfoo.con "},      // without ".map" the whole name, lower-cased, is the base
      {"Foo.map", {"fOO.CON"}, " -xFoo.con "},  // files found whatever their case; the map's case stays
      {"Foo.map", {"Foo.grp"}, " -gFoo.grp "},  // a group switch left last keeps the map switch apart
      {"Foo.map", {"Foo.grp", "Foo.zip"}, " -gFoo.zip "}, {"Foo.map", {"Foo_hrp.zip", "Foo.def"}, " -gFoo_hrp.zip "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.grp"}, " -gFoo_hrp.zip -gFoo.grp "},
      {"Foo.map", {"Foo.grp", "Foo.def", "Foo.con", "Foo.gam"}, " -gFoo.grp -hFoo.def  -xFoo.con  -xFoo.gam "},
      {"Foo.map", {"Foo.zip", "Foo.def", "Foo.con"}, " -gFoo.zip  -hFoo.def  -xFoo.con "},
      {"Foo.map", {"Foo.con/x"}, ""},  // a folder is no file
      {"Foo.map", {"../Foo.con", "../Maps1/Foo.grp", "../Games/Foo.def"}, ""}};
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    const std::string pf = folder.Path() + "Duke 3D/";
    for (const std::string& f : c.beside) fixture::WriteFile(pf + "Maps/" + f, "x");
    FileSystem fs(pf);
    EXPECT_EQ(BuildMapExtras(fs, pf, "Maps", c.map).Text(), c.extras) << c.map << " with " << c.beside.size();
  }
}
TEST(TcLine, IsMadeFromTheFirstNamedEntryWithAGroupFile) {
  fixture::TempFolder dir;
  const std::string pf = dir.Path() + "Duke 3D/", games = pf + "Games", j = "-j" + games + " ";
  fixture::WriteFile(games + "/Hrp_hrp.zip", "x"), fixture::WriteFile(games + "/Foo_hrp.zip/inside", "x");  // no pack
  FileSystem fs(pf);
  // Name, group file, script, high-resolution pack, definitions, start map.
  const std::vector<TcRecord> tcs = {{"Foo", "Foo.grp", "Foo.con", "", "", ""}, {"Bar", "", "Other.con", "", "", ""},
      {"Bar", "Bar.zip", "BarGame.con", "", "Bar.def", "E1L1.map"}, {"Bar", "Late.grp", "", "", "", ""},
      {"Hrp", "Hrp.grp", "", "", "Hrp.def", ""}, {"NoDot", "NODOT", "", "", "", ""}};
  const struct { const char *tc, *map; std::string line; } cases[] = {
      {"Foo", "", j + "-xFoo.con -gFoo.grp "}, {"Bar", "", j + "-xBarGame.con -hBar.def -gBar.zip -map E1L1.map"},
      {"Bar", "E2L2.map", j + "-xBarGame.con -hBar.def -gBar.zip "},  // a chosen map replaces the start map
      {"Hrp", "", j + "-gHrp_hrp.zip -gHrp.grp "},  // the pack beside the group file drops the definitions
      {"NoDot", "", j + "-gNODOT "}, {"foo", "", ""}, {"Missing", "x.map", ""}, {"", "", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(BuildTCCommandLine(fs, pf, games, tcs, c.tc, c.map).Text(), c.line) << c.tc << " " << c.map;
}
TEST(NetworkTail, EachRowComposesOrKeepsThePreviousTail) {
  const std::string old = " /name Old /net /n1 1.1.1.1", a = "10.0.0.2";
  const GameRole H = GameRole::Host, J = GameRole::Join;
  const struct { bool dedicated; GameRole role; std::string nick, addr; long players; std::string tail; } cases[] = {
      {true, H, "Ann", "", 2, " /name Ann /net /n0:2"}, {true, H, "Ann", a, 1, old}, {true, H, "", a, 4, old},
      {true, J, "Ann", a, 4, " /name Ann /net /n0 10.0.0.2"}, {true, J, "Ann", "", 4, old},
      {false, H, "Ann", a, 4, " /name Ann /net /n1 10.0.0.2"}, {false, J, "Ann", a, 2, " /name Ann /net 10.0.0.2 /n1"},
      {false, J, "Ann", "", 2, old}, {false, GameRole::Single, "Ann", a, 2, old}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(ComposeNetworkTail(GameLine::OwnSwitches(old), c.dedicated, c.role, c.nick, c.addr, c.players).Text(),
              c.tail) << c.dedicated << int(c.role) << " '" << c.nick << "' '" << c.addr << "' " << c.players;
  // The nickname is one argument, spaces and all.
  EXPECT_EQ(ComposeNetworkTail({}, false, H, "A b", a, 2).Arguments(), (Args{"/name", "A b", "/net", "/n1", a}));
}
auto Fields(const NetworkSettings& n) { return std::tuple(n.nickname, n.opponentIp, n.dedicated, n.numPlayers); }
// No settings file: memory shown, nothing written; else the file's values, Accept writes four keys.
TEST(NetworkConfig, ShowsMemoryOrTheFileAndAcceptWritesOnlyAnExistingFile) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string ini = dir.Path() + "Tarvolin.ini", server = "Server IP Address", them = "Opponents IP  Address";
  NetworkConfig w;
  w.Open(GameRole::Join, {"Bob", "10.0.0.9", true, 3}), w.Activate(fs, ini);
  EXPECT_EQ(w.heading + "|" + w.addressLabel, "Joining a Game|" + server);
  w.Open(GameRole::Host, {"Bob", "10.0.0.9", false, 3});
  w.nickname = "Ann", w.Activate(fs, ini);
  EXPECT_EQ(w.heading + "|" + w.addressLabel, "Hosting a Game|" + them);
  EXPECT_EQ(Fields(w.Values()), Fields({"Ann", "10.0.0.9", false, 3}));
  w.SetDedicated(true), w.Accept(fs, ini);
  EXPECT_TRUE(w.addressLabel == server && w.Values().dedicated && !fixture::Exists(ini));
  fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n[Network_Game]\r\nNickname=Cy\r\nNumPlayers=5\r\n");
  w.Activate(fs, ini);
  EXPECT_EQ(std::pair(Fields(w.Values()), w.addressLabel), std::pair(Fields({"Cy", "", false, 5}), them));
  w.address = "10.0.0.2", w.numPlayers = 6, w.SetDedicated(true), w.Accept(fs, ini);
  EXPECT_EQ(fixture::ReadFile(ini), "[Tarvolin]\r\nSkillLevel=2\r\n[Network_Game]\r\nNickname=Cy\r\nNumPlayers=6\r\n"
                                    "OpponentIP=10.0.0.2\r\nDedicated=1\r\n");
  // Players stay within two to eight, from memory or the file.
  const std::tuple<const char*, long, long> players[] = {
      {"", 1, 2}, {"", 9, 8}, {"", 8, 8}, {"", 2, 2}, {"NumPlayers=0", 3, 2}, {"NumPlayers=20", 3, 8}};
  for (const auto& [file, memory, shown] : players) {
    std::remove(ini.c_str()), *file ? fixture::WriteFile(ini, std::string("[Network_Game]\r\n") + file) : void();
    w.Open(GameRole::Host, {"", "", false, memory}), w.Activate(fs, ini);
    EXPECT_EQ(w.Values().numPlayers, shown) << file << " " << memory;
  }
}
TEST(MapMusic, TheDialogStartsInMusicAndAPickDeletesTheLeftoverEvenWhenItIsThePickedOne) {
  for (const char* pick : {"Music/My Song.mid", "DuroDozi.mid"}) {
    fixture::TempFolder dir;
    const std::string d = dir.Path();
    FileSystem fs(d);
    fixture::WriteFile(d + "music", "a file is no folder");
    EXPECT_EQ(MusicDialogFolder(fs, d), d);
    fs.Delete(d + "music"), fixture::WriteFile(d + "DuroDozi.mid", ""), fixture::WriteFile(d + "Music/My Song.mid", "");
    EXPECT_EQ(fs.Resolve(MusicDialogFolder(fs, d)), d + "Music");
    EXPECT_EQ(AcceptMusicChoice(fs, d, d + pick), d + pick);
    EXPECT_TRUE(!fixture::Exists(d + "DuroDozi.mid") && fixture::Exists(d + "Music/My Song.mid")) << pick;
  }
}
using In = UserMapInputs;
using E = GameEdition;
using R = GameRole;
const std::string kTail = " /name Ann /net /n1 10.0.0.2";
// The whole result as one text: what the caller does, then the parameters and the history command.
std::string Describe(const PlayResult& r) {
  std::string flags = std::string(r.clearSavedGame ? "clear " : "") + (r.minimise ? "min " : "") +
                      (r.untickAssociation ? "untick " : "") + (r.beep != BeepKind::Default ? "beep? " : "");
  if (r.kind == PlayResult::Kind::Nothing) return flags + "nothing";
  if (r.kind == PlayResult::Kind::Refused) return flags + "refused " + r.message;
  return flags + r.program + " [" + r.parameters.Text() + "] [" + r.historyCommand + "]";
}
std::string Launch(const std::string& params, const std::string& history = "", const std::string& flags = "min ") {
  return flags + "Duke3dw.exe [" + params + "] [" + history + "]";
}
std::optional<GameLine> Saved(const char* slot) { return GameLine::OwnSwitches(slot); }
const std::string kNoData = std::string("refused ") + kNoDataMessage, kNeedsFull = std::string("refused ") +
    kTcNeedsFullMessage, kShareware = std::string("refused ") + kSharewareMapsMessage;
struct Case { const char* name; std::function<void(In&)> change; std::string expected; };
// A program folder with a space in its path, Foo.con beside Foo.map, two TCs.
class PlayPaths : public ::testing::Test {
 protected:
  PlayPaths() { fixture::WriteFile(pf + "Maps/Foo.map", "map"), fixture::WriteFile(pf + "Maps/Foo.con", "con"); }
  // Single player, full data, skill 3, no monsters, network names and tail known; the map as given.
  void Run(const std::vector<Case>& cases, const char* map, const std::function<PlayResult(const In&)>& compose) {
    for (const Case& c : cases) {
      const PlayContext play{E::Full, "Duke3dw.exe", pf, R::Single, "Ann", "10.0.0.2", tail, {}};
      In in{play, "Maps", map, "3", true, "", false, {"Foo TC", tcs, pf + "Games"}};
      c.change(in);
      EXPECT_EQ(Describe(compose(in)), c.expected) << c.name;
    }
  }
  fixture::TempFolder dir;
  std::string pf = dir.Path() + "Duke 3D/", odd = dir.Path() + "duke-maps/";
  GameLine tail = GameLine::OwnSwitches(kTail);
  FileSystem fs{pf};
  std::vector<TcRecord> tcs = {{"Foo TC", "Foo.grp", "Foo.con", "", "", "E1L1.map"},
                               {"Plain", "Plain.grp", "", "", "", ""}};
};
TEST_F(PlayPaths, UserMap) {
  const std::string maps = "-j" + pf + "Maps ", games = "-j" + pf + "Games ", foo = maps + " -xFoo.con -map Foo.map";
  const std::string s3 = "-map Foo.map /s3", plain = "-map Foo.map";
  // clang-format off
  Run({
      {"single: the map's script, no monsters", [](In&) {}, Launch(foo + " /s3 -m", s3)},
      {"monsters kept", [](In& i) { i.noMonsters = false; }, Launch(foo + " /s3", s3)},
      {"music in front of the map switch", [](In& i) { i.musicFile = "/m/My Song.mid"; },
       Launch(maps + " -xFoo.con -music /m/My Song.mid -map Foo.map /s3 -m", "-music /m/My Song.mid -map Foo.map /s3")},
      {"shareware, no map", [](In& i) { i.play.edition = E::Shareware, i.map = ""; }, kShareware},
      {"no data", [](In& i) { i.play.edition = E::NoData; }, kNoData},
      {"no map; the saved game is left alone", [](In& i) { i.map = "", i.play.savedGame = Saved(" /3"); },
       std::string("refused ") + kMapNotFoundMessage},
      {"host: no skill, no music, the tail instead of no monsters",
       [](In& i) { i.play.role = R::Host, i.musicFile = "/m/x.mid"; }, Launch(foo + kTail, plain)},
      {"join, no nickname", [](In& i) { i.play.role = R::Join, i.play.nickname = ""; }, Launch(foo + " -m", plain)},
      {"join, no tail yet", [](In& i) { i.play.role = R::Join, i.play.networkTail = {}; }, Launch(foo, plain)},
      {"a saved game drops map, skill and no monsters, and wins over the TC",
       [](In& i) { i.play.savedGame = Saved(" /3"), i.associate = true, i.musicFile = "/m/x.mid"; },
       Launch(maps + " /3", "", "clear min ")},
      {"unmatched save: no extras", [](In& i) { i.play.savedGame = Saved(""); }, Launch(maps + plain + " /s3 -m", s3)},
      {"an associated TC loses its own start map", [](In& i) { i.associate = true; },
       Launch(games + "-xFoo.con -gFoo.grp  " + maps + "-map Foo.map /s3", "", "min untick ")},
      {"an associated TC without a start map",
       [](In& i) { i.associate = true, i.tc.selectedRow = "Plain", i.musicFile = "/m/x.mid"; },
       Launch(games + "-gPlain.grp  " + maps + "-music /m/x.mid -map Foo.map /s3", "", "min untick ")},
      {"associated, no row", [](In& i) { i.associate = true, i.tc.selectedRow = ""; }, "refused "},
      {"associated, a separator",
       [](In& i) { i.associate = true, i.tc.selectedRow = "-- " + std::string(kTcSeparatorMark); }, "refused "},
      {"associated, not in the table", [](In& i) { i.associate = true, i.tc.selectedRow = "Nope"; }, "nothing"},
      // A "-map" inside the program folder's path belongs to the folder switch.
      {"a program folder holding -map", [&](In& i) { i.associate = true, i.play.programFolder = odd; },
       Launch("-j" + odd + "Games -xFoo.con -gFoo.grp  -j" + odd + "Maps -map Foo.map /s3", "", "min untick ")},
  }, "Foo.map", [&](const In& i) { return ComposeUserMap(fs, i); });
}
TEST_F(PlayPaths, Tc) {
  const std::string foo = "-j" + pf + "Games -xFoo.con -gFoo.grp ", own = foo + "-map E1L1.map";
  Run({
      {"its own start map", [](In&) {}, Launch(own)},
      {"a chosen level instead", [](In& i) { i.map = "E3L2.map"; }, Launch(foo + " -map E3L2.map")},
      {"not in the table, with a map", [](In& i) { i.tc.selectedRow = "Nope", i.map = "E1L1.map"; },
       Launch(" -map E1L1.map")},
      {"not in the table, none", [](In& i) { i.tc.selectedRow = "Nope", i.play.savedGame = Saved(" /1"); }, "nothing"},
      {"no data", [](In& i) { i.play.edition = E::NoData; }, kNoData},
      {"smaller full data", [](In& i) { i.play.edition = E::SmallerFull; }, kNeedsFull},
      {"no row", [](In& i) { i.tc.selectedRow = ""; }, "refused "},
      {"a separator row", [](In& i) { i.tc.selectedRow = kTcSeparatorMark; }, "refused "},
      {"a saved game appended", [](In& i) { i.play.savedGame = Saved(" /2"); }, Launch(own + " /2", "", "clear min ")},
      {"an unmatched saved game", [](In& i) { i.play.savedGame = Saved(""); }, Launch(own)},
      {"a host gets the tail", [](In& i) { i.play.role = R::Host; }, Launch(own + kTail)},
      {"a join without an address", [](In& i) { i.play.role = R::Join, i.play.opponentIp = ""; }, Launch(own)},
  }, "", [&](const In& i) { return ComposeTc(fs, i.play, i.tc, i.map); });
}
TEST_F(PlayPaths, TitleAndStockLevel) {
  Run({
      {"plain", [](In&) {}, Launch("", "", "")},
      {"no data", [](In& i) { i.play.edition = E::NoData; }, kNoData},
      {"a saved game", [](In& i) { i.play.savedGame = Saved(" /4"); }, Launch(" /4", "", "clear min ")},
      {"an unmatched saved game", [](In& i) { i.play.savedGame = Saved(""); }, Launch("", "", "")},
      {"a saved game before the tail", [](In& i) { i.play.role = R::Host, i.play.savedGame = Saved(" /4"); },
       Launch(" /4", "", "clear min ")},
      {"host", [](In& i) { i.play.role = R::Host; }, Launch(kTail, "", "")},
  }, "", [](const In& i) { return ComposeTitle(i.play); });
  // The chooser's switches (here in the map field), then skill and no monsters; cancelled: nothing.
  Run({
      {"level", [](In& i) { i.map = " -v2 -l05", i.noMonsters = false; }, Launch(" -v2 -l05 /s3", "", "")},
      {"no monsters", [](In& i) { i.map = " -v4 -l11", i.skillLevel = "1"; }, Launch(" -v4 -l11 /s1 -m", "", "")},
      {"cancelled", [](In&) {}, "nothing"},
  }, "", [](const In& i) { return ComposeLevel("Duke3dw.exe", i.map, i.skillLevel, i.noMonsters); });
  // clang-format on
}
}  // namespace
}  // namespace tv
