#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "fixture/Fixture.h"
#include "launch/PlayPaths.h"

namespace tv {
namespace {

using Kind = PlayResult::Kind;

const char* const kTail = " /name Ann /net /n1 10.0.0.2";

// Designated initialisers name only what a case cares about.
struct Expected {
  Kind kind = Kind::Launch;
  std::string message{};
  std::string parameters{};
  bool minimise = true;
  bool untick = false;
  std::string history{};
  bool clearSaved = false;
};

void ExpectResult(const PlayResult& r, const Expected& e, const std::string& name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(r.kind, e.kind);
  EXPECT_EQ(r.clearSavedGame, e.clearSaved);
  if (e.kind == Kind::Refused) {
    EXPECT_EQ(r.beep, BeepKind::Default);
    EXPECT_EQ(r.message, e.message);
  }
  if (e.kind != Kind::Launch) return;
  EXPECT_EQ(r.program, "Duke3dw.exe");
  EXPECT_EQ(r.parameters.Text(), e.parameters);
  EXPECT_EQ(r.minimise, e.minimise);
  EXPECT_EQ(r.untickAssociation, e.untick);
  EXPECT_EQ(r.historyCommand, e.history);
}

// A program folder with a space in its path, a Foo.con beside Foo.map and two TCs.
class PlayPathsTest : public ::testing::Test {
 protected:
  PlayPathsTest() : pf(dir.Path() + "Duke 3D/"), fs(pf) {
    fixture::WriteFile(pf + "Maps/Foo.map", "map");
    fixture::WriteFile(pf + "Maps/Foo.con", "con");
    fixture::MakeFolder(pf + "Games");
  }

  PlayContext Context() {
    PlayContext c;
    c.edition = GameEdition::Full;
    c.dukeFilename = "Duke3dw.exe";
    c.programFolder = pf;
    c.nickname = "Ann";
    c.opponentIp = "10.0.0.2";
    c.networkTail = GameLine::OwnSwitches(kTail);
    return c;
  }
  TcChoice Tcs() { return {"Foo TC", tcs, pf + "Games"}; }
  // The chosen saved game's switch, "" when it is no longer listed.
  static std::optional<GameLine> Saved(const char* slot) { return GameLine::OwnSwitches(slot); }

  fixture::TempFolder dir;
  std::string pf;
  FileSystem fs;
  std::vector<TcRecord> tcs = {
      {"Foo TC", "Foo.grp", "Foo.con", "", "", "E1L1.map"},
      {"Plain", "Plain.grp", "", "", "", ""},
  };
};

TEST_F(PlayPathsTest, UserMap) {
  const std::string maps = "-j" + pf + "Maps ";
  const std::string games = "-j" + pf + "Games ";
  const struct {
    const char* name;
    std::function<void(UserMapInputs&)> change;
    Expected expected;
  } cases[] = {
      {"single with the map's script and no monsters",
       [](UserMapInputs&) {},
       {.parameters = maps + " -xFoo.con -map Foo.map /s3 -m", .history = "-map Foo.map /s3"}},
      {"monsters kept",
       [](UserMapInputs& in) { in.noMonsters = false; },
       {.parameters = maps + " -xFoo.con -map Foo.map /s3", .history = "-map Foo.map /s3"}},
      {"music in front of the map switch",
       [](UserMapInputs& in) { in.musicFile = "/m/My Song.mid"; },
       {.parameters = maps + " -xFoo.con -music /m/My Song.mid -map Foo.map /s3 -m",
        .history = "-music /m/My Song.mid -map Foo.map /s3"}},
      {"skill as given",
       [](UserMapInputs& in) { in.skillLevel = "1"; },
       {.parameters = maps + " -xFoo.con -map Foo.map /s1 -m", .history = "-map Foo.map /s1"}},
      {"smaller full data plays maps",
       [](UserMapInputs& in) { in.play.edition = GameEdition::SmallerFull; },
       {.parameters = maps + " -xFoo.con -map Foo.map /s3 -m", .history = "-map Foo.map /s3"}},
      {"a row without .map",
       [](UserMapInputs& in) { in.map = "Foo"; },
       {.parameters = maps + " -xfoo.con -map Foo /s3 -m", .history = "-map Foo /s3"}},
      {"shareware",
       [](UserMapInputs& in) { in.play.edition = GameEdition::Shareware; },
       {.kind = Kind::Refused, .message = "Maps cannot be played using the\nShareware Version of Duke3D."}},
      {"shareware before the map test",
       [](UserMapInputs& in) {
         in.play.edition = GameEdition::Shareware;
         in.map = "";
       },
       {.kind = Kind::Refused, .message = "Maps cannot be played using the\nShareware Version of Duke3D."}},
      {"no data",
       [](UserMapInputs& in) { in.play.edition = GameEdition::NoData; },
       {.kind = Kind::Refused, .message = "Duke3d files not found!"}},
      {"no map, and the saved game is left alone",
       [](UserMapInputs& in) {
         in.map = "";
         in.play.savedGame = Saved(" /3");
       },
       {.kind = Kind::Refused, .message = "Map not found!"}},
      {"host: no skill, no music, the tail instead of no monsters",
       [](UserMapInputs& in) {
         in.play.role = GameRole::Host;
         in.musicFile = "/m/x.mid";
       },
       {.parameters = maps + " -xFoo.con -map Foo.map" + kTail, .history = "-map Foo.map"}},
      {"host without an address ends with no monsters",
       [](UserMapInputs& in) {
         in.play.role = GameRole::Host;
         in.play.opponentIp = "";
       },
       {.parameters = maps + " -xFoo.con -map Foo.map -m", .history = "-map Foo.map"}},
      {"join without a nickname ends with no monsters",
       [](UserMapInputs& in) {
         in.play.role = GameRole::Join;
         in.play.nickname = "";
       },
       {.parameters = maps + " -xFoo.con -map Foo.map -m", .history = "-map Foo.map"}},
      {"join before the network window was closed: neither tail nor no monsters",
       [](UserMapInputs& in) {
         in.play.role = GameRole::Join;
         in.play.networkTail = {};
       },
       {.parameters = maps + " -xFoo.con -map Foo.map", .history = "-map Foo.map"}},
      {"saved game drops map, skill and no monsters, and wins over the TC",
       [](UserMapInputs& in) {
         in.play.savedGame = Saved(" /3");
         in.associate = true;
         in.musicFile = "/m/x.mid";
       },
       {.parameters = maps + " /3", .clearSaved = true}},
      {"unmatched saved game drops only the extras",
       [](UserMapInputs& in) { in.play.savedGame = Saved(""); },
       {.parameters = maps + "-map Foo.map /s3 -m", .history = "-map Foo.map /s3"}},
      {"associated TC loses its own start map",
       [](UserMapInputs& in) { in.associate = true; },
       {.parameters = games + "-xFoo.con -gFoo.grp  " + maps + "-map Foo.map /s3", .untick = true}},
      {"associated TC without a start map",
       [](UserMapInputs& in) {
         in.associate = true;
         in.tc.selectedRow = "Plain";
         in.musicFile = "/m/x.mid";
       },
       {.parameters = games + "-gPlain.grp  " + maps + "-music /m/x.mid -map Foo.map /s3", .untick = true}},
      {"associated TC with no row selected",
       [](UserMapInputs& in) {
         in.associate = true;
         in.tc.selectedRow = "";
       },
       {.kind = Kind::Refused}},
      {"associated TC on a separator row",
       [](UserMapInputs& in) {
         in.associate = true;
         in.tc.selectedRow = "------------- Games -------------";
       },
       {.kind = Kind::Refused}},
      {"associated TC not in the table",
       [](UserMapInputs& in) {
         in.associate = true;
         in.tc.selectedRow = "Nope";
       },
       {.kind = Kind::Nothing}},
  };
  for (const auto& c : cases) {
    UserMapInputs in{Context(), "Maps", "Foo.map", "3", true, "", false, Tcs()};
    c.change(in);
    const PlayResult r = ComposeUserMap(fs, in);
    ExpectResult(r, c.expected, c.name);
  }
}

// A "-map" inside the program folder's path is part of the folder switch, not
// the TC's start map: cutting there would leave a broken folder switch.
TEST_F(PlayPathsTest, AssociatedTcKeepsAProgramFolderThatContainsDashMap) {
  const std::string odd = dir.Path() + "duke-maps/";
  fixture::MakeFolder(odd + "Maps");
  UserMapInputs in{Context(), "Maps", "Foo.map", "3", false, "", true, Tcs()};
  in.play.programFolder = odd;
  const PlayResult r = ComposeUserMap(fs, in);
  EXPECT_EQ(r.parameters.Text(), "-j" + odd + "Games -xFoo.con -gFoo.grp  -j" + odd + "Maps -map Foo.map /s3");
}

TEST_F(PlayPathsTest, Tc) {
  const std::string games = "-j" + pf + "Games ";
  const struct {
    const char* name;
    std::function<void(PlayContext&, TcChoice&)> change;
    const char* map;
    Expected expected;
  } cases[] = {
      {"its own start map",
       [](PlayContext&, TcChoice&) {},
       "",
       {.parameters = games + "-xFoo.con -gFoo.grp -map E1L1.map"}},
      {"a chosen level instead of its own start map",
       [](PlayContext&, TcChoice&) {},
       "E3L2.map",
       {.parameters = games + "-xFoo.con -gFoo.grp  -map E3L2.map"}},
      {"not in the table with a map still launches",
       [](PlayContext&, TcChoice& tc) { tc.selectedRow = "Nope"; },
       "E1L1.map",
       {.parameters = " -map E1L1.map"}},
      {"not in the table without a map: nothing, and no saved game taken",
       [](PlayContext& p, TcChoice& tc) {
         tc.selectedRow = "Nope";
         p.savedGame = Saved(" /1");
       },
       "",
       {.kind = Kind::Nothing}},
      {"no data",
       [](PlayContext& p, TcChoice&) { p.edition = GameEdition::NoData; },
       "",
       {.kind = Kind::Refused, .message = "Duke3d files not found!"}},
      {"smaller full data",
       [](PlayContext& p, TcChoice&) { p.edition = GameEdition::SmallerFull; },
       "",
       {.kind = Kind::Refused,
        .message = "Total Conversions can only be played when\nusing the full version of Duke3D."}},
      {"shareware",
       [](PlayContext& p, TcChoice&) { p.edition = GameEdition::Shareware; },
       "",
       {.kind = Kind::Refused,
        .message = "Total Conversions can only be played when\nusing the full version of Duke3D."}},
      {"no row", [](PlayContext&, TcChoice& tc) { tc.selectedRow = ""; }, "", {.kind = Kind::Refused}},
      {"separator row",
       [](PlayContext&, TcChoice& tc) { tc.selectedRow = "-------------"; },
       "",
       {.kind = Kind::Refused}},
      {"saved game appended",
       [](PlayContext& p, TcChoice&) { p.savedGame = Saved(" /2"); },
       "",
       {.parameters = games + "-xFoo.con -gFoo.grp -map E1L1.map /2", .clearSaved = true}},
      {"unmatched saved game",
       [](PlayContext& p, TcChoice&) { p.savedGame = Saved(""); },
       "",
       {.parameters = games + "-xFoo.con -gFoo.grp -map E1L1.map"}},
      {"host gets the tail",
       [](PlayContext& p, TcChoice&) { p.role = GameRole::Host; },
       "",
       {.parameters = games + "-xFoo.con -gFoo.grp -map E1L1.map" + kTail}},
      {"join without an address gets no tail",
       [](PlayContext& p, TcChoice&) {
         p.role = GameRole::Join;
         p.opponentIp = "";
       },
       "",
       {.parameters = games + "-xFoo.con -gFoo.grp -map E1L1.map"}},
      {"single never gets the tail",
       [](PlayContext&, TcChoice&) {},
       "E1L2.map",
       {.parameters = games + "-xFoo.con -gFoo.grp  -map E1L2.map"}},
  };
  for (const auto& c : cases) {
    PlayContext play = Context();
    TcChoice tc = Tcs();
    c.change(play, tc);
    const PlayResult r = ComposeTc(fs, play, tc, c.map);
    ExpectResult(r, c.expected, c.name);
  }
}

TEST_F(PlayPathsTest, Title) {
  const struct {
    const char* name;
    std::function<void(PlayContext&)> change;
    Expected expected;
  } cases[] = {
      {"plain", [](PlayContext&) {}, {.parameters = "", .minimise = false}},
      {"shareware plays the title",
       [](PlayContext& p) { p.edition = GameEdition::Shareware; },
       {.parameters = "", .minimise = false}},
      {"no data",
       [](PlayContext& p) { p.edition = GameEdition::NoData; },
       {.kind = Kind::Refused, .message = "Duke3d files not found!"}},
      {"saved game",
       [](PlayContext& p) { p.savedGame = Saved(" /4"); },
       {.parameters = " /4", .clearSaved = true}},
      {"unmatched saved game",
       [](PlayContext& p) { p.savedGame = Saved(""); },
       {.parameters = "", .minimise = false}},
      {"saved game before the tail",
       [](PlayContext& p) {
         p.role = GameRole::Host;
         p.savedGame = Saved(" /4");
       },
       {.parameters = " /4", .clearSaved = true}},
      {"host", [](PlayContext& p) { p.role = GameRole::Host; }, {.parameters = kTail, .minimise = false}},
      {"join without a nickname",
       [](PlayContext& p) {
         p.role = GameRole::Join;
         p.nickname = "";
       },
       {.parameters = "", .minimise = false}},
  };
  for (const auto& c : cases) {
    PlayContext play = Context();
    c.change(play);
    const PlayResult r = ComposeTitle(play);
    ExpectResult(r, c.expected, c.name);
  }
}

TEST_F(PlayPathsTest, StockLevel) {
  const struct {
    const char* switches;
    const char* skill;
    bool noMonsters;
    Expected expected;
  } cases[] = {
      {" -v2 -l05", "3", false, {.parameters = " -v2 -l05 /s3", .minimise = false}},
      {" -v4 -l11", "1", true, {.parameters = " -v4 -l11 /s1 -m", .minimise = false}},
      {"", "3", false, {.kind = Kind::Nothing}},
  };
  for (const auto& c : cases)
    ExpectResult(ComposeLevel("Duke3dw.exe", c.switches, c.skill, c.noMonsters), c.expected, c.switches);
}

}  // namespace
}  // namespace tv
