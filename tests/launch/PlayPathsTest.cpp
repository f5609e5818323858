// Every play path's composition: from the user's choice and the program's
// state to the program's arguments, or a refusal.
#include <gtest/gtest.h>

#include <functional>
#include <span>

#include "fixture/Fixture.h"
#include "launch/PlayPaths.h"

namespace tv {
namespace {

using Kind = PlayResult::Kind;
using In = UserMapInputs;
const std::string kTail = " /name Ann /net /n1 10.0.0.2";

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
struct Case {
  const char* name;
  std::function<void(In&)> change;
  Expected e;
};
const Expected kRefusedPlain{.kind = Kind::Refused};
const Expected kNoData{.kind = Kind::Refused, .message = kNoDataMessage};
const Expected kNeedsFull{.kind = Kind::Refused, .message = kTcNeedsFullMessage};
const Expected kShareware{.kind = Kind::Refused, .message = kSharewareMapsMessage};

std::optional<GameLine> Saved(const char* slot) { return GameLine::OwnSwitches(slot); }

// A program folder with a space in its path, Foo.con beside Foo.map, two TCs.
class PlayPaths : public ::testing::Test {
 protected:
  PlayPaths() {
    fixture::WriteFile(pf + "Maps/Foo.map", "map");
    fixture::WriteFile(pf + "Maps/Foo.con", "con");
    fixture::MakeFolder(pf + "Games");
  }
  // Single player, full data, skill 3, no monsters, network names and tail known.
  In Inputs(const char* map) {
    In in{{GameEdition::Full, "Duke3dw.exe", pf, GameRole::Single, "Ann", "10.0.0.2", GameLine::OwnSwitches(kTail), {}},
          "Maps",
          map,
          "3",
          true,
          "",
          false,
          {"Foo TC", tcs, pf + "Games"}};
    return in;
  }
  void Run(std::span<const Case> cases, const char* map, std::function<PlayResult(const In&)> compose) {
    for (const Case& c : cases) {
      In in = Inputs(map);
      c.change(in);
      const PlayResult r = compose(in);
      SCOPED_TRACE(c.name);
      EXPECT_EQ(r.kind, c.e.kind);
      EXPECT_EQ(r.clearSavedGame, c.e.clearSaved);
      if (c.e.kind == Kind::Refused) {
        EXPECT_EQ(r.beep, BeepKind::Default);
      }
      EXPECT_EQ(r.message, c.e.message);
      if (c.e.kind != Kind::Launch) continue;
      EXPECT_EQ(r.program, "Duke3dw.exe");
      EXPECT_EQ(r.parameters.Text(), c.e.parameters);
      EXPECT_EQ(r.minimise, c.e.minimise);
      EXPECT_EQ(r.untickAssociation, c.e.untick);
      EXPECT_EQ(r.historyCommand, c.e.history);
    }
  }

  fixture::TempFolder dir;
  std::string pf = dir.Path() + "Duke 3D/";
  FileSystem fs{pf};
  std::vector<TcRecord> tcs = {{"Foo TC", "Foo.grp", "Foo.con", "", "", "E1L1.map"},
                               {"Plain", "Plain.grp", "", "", "", ""}};
};

TEST_F(PlayPaths, UserMap) {
  const std::string maps = "-j" + pf + "Maps ", games = "-j" + pf + "Games ";
  const std::string plain = maps + " -xFoo.con -map Foo.map";
  const Case cases[] = {
      {"single: the map's script, no monsters",
       [](In&) {},
       {.parameters = plain + " /s3 -m", .history = "-map Foo.map /s3"}},
      {"monsters kept",
       [](In& in) { in.noMonsters = false; },
       {.parameters = plain + " /s3", .history = "-map Foo.map /s3"}},
      {"music in front of the map switch",
       [](In& in) { in.musicFile = "/m/My Song.mid"; },
       {.parameters = maps + " -xFoo.con -music /m/My Song.mid -map Foo.map /s3 -m",
        .history = "-music /m/My Song.mid -map Foo.map /s3"}},
      {"skill as given",
       [](In& in) { in.skillLevel = "1"; },
       {.parameters = plain + " /s1 -m", .history = "-map Foo.map /s1"}},
      {"smaller full data plays maps",
       [](In& in) { in.play.edition = GameEdition::SmallerFull; },
       {.parameters = plain + " /s3 -m", .history = "-map Foo.map /s3"}},
      {"a row without .map",
       [](In& in) { in.map = "Foo"; },
       {.parameters = maps + " -xfoo.con -map Foo /s3 -m", .history = "-map Foo /s3"}},
      {"shareware", [](In& in) { in.play.edition = GameEdition::Shareware; }, kShareware},
      {"shareware before the map test", [](In& in) { in.play.edition = GameEdition::Shareware, in.map = ""; },
       kShareware},
      {"no data", [](In& in) { in.play.edition = GameEdition::NoData; }, kNoData},
      {"no map; the saved game is left alone",
       [](In& in) { in.map = "", in.play.savedGame = Saved(" /3"); },
       {.kind = Kind::Refused, .message = kMapNotFoundMessage}},
      {"host: no skill, no music, the tail instead of no monsters",
       [](In& in) { in.play.role = GameRole::Host, in.musicFile = "/m/x.mid"; },
       {.parameters = plain + kTail, .history = "-map Foo.map"}},
      {"host without an address ends with no monsters",
       [](In& in) { in.play.role = GameRole::Host, in.play.opponentIp = ""; },
       {.parameters = plain + " -m", .history = "-map Foo.map"}},
      {"join without a nickname ends with no monsters",
       [](In& in) { in.play.role = GameRole::Join, in.play.nickname = ""; },
       {.parameters = plain + " -m", .history = "-map Foo.map"}},
      {"join before the network window closed: no tail",
       [](In& in) { in.play.role = GameRole::Join, in.play.networkTail = {}; },
       {.parameters = plain, .history = "-map Foo.map"}},
      {"a saved game drops map, skill and no monsters, and wins over the TC",
       [](In& in) { in.play.savedGame = Saved(" /3"), in.associate = true, in.musicFile = "/m/x.mid"; },
       {.parameters = maps + " /3", .clearSaved = true}},
      {"an unmatched saved game drops only the extras",
       [](In& in) { in.play.savedGame = Saved(""); },
       {.parameters = maps + "-map Foo.map /s3 -m", .history = "-map Foo.map /s3"}},
      {"an associated TC loses its own start map",
       [](In& in) { in.associate = true; },
       {.parameters = games + "-xFoo.con -gFoo.grp  " + maps + "-map Foo.map /s3", .untick = true}},
      {"an associated TC without a start map",
       [](In& in) { in.associate = true, in.tc.selectedRow = "Plain", in.musicFile = "/m/x.mid"; },
       {.parameters = games + "-gPlain.grp  " + maps + "-music /m/x.mid -map Foo.map /s3", .untick = true}},
      {"associated, no row selected", [](In& in) { in.associate = true, in.tc.selectedRow = ""; }, kRefusedPlain},
      {"associated, a separator row",
       [](In& in) { in.associate = true, in.tc.selectedRow = "---- " + std::string(kTcSeparatorMark); }, kRefusedPlain},
      {"associated, not in the table",
       [](In& in) { in.associate = true, in.tc.selectedRow = "Nope"; },
       {.kind = Kind::Nothing}},
      // A "-map" inside the program folder's path belongs to the folder switch.
      {"a program folder holding -map",
       [this](In& in) {
         in.associate = true, in.play.programFolder = dir.Path() + "duke-maps/";
         fixture::MakeFolder(in.play.programFolder + "Maps");
       },
       {.parameters = "-j" + dir.Path() + "duke-maps/Games -xFoo.con -gFoo.grp  -j" + dir.Path() +
                      "duke-maps/Maps -map Foo.map /s3",
        .untick = true}},
  };
  Run(cases, "Foo.map", [&](const In& in) { return ComposeUserMap(fs, in); });
}

TEST_F(PlayPaths, Tc) {
  const std::string foo = "-j" + pf + "Games -xFoo.con -gFoo.grp ";
  const Case cases[] = {
      {"its own start map", [](In&) {}, {.parameters = foo + "-map E1L1.map"}},
      {"a chosen level instead of its start map",
       [](In& in) { in.map = "E3L2.map"; },
       {.parameters = foo + " -map E3L2.map"}},
      {"not in the table with a map still launches",
       [](In& in) { in.tc.selectedRow = "Nope", in.map = "E1L1.map"; },
       {.parameters = " -map E1L1.map"}},
      {"not in the table without a map: nothing",
       [](In& in) { in.tc.selectedRow = "Nope", in.play.savedGame = Saved(" /1"); },
       {.kind = Kind::Nothing}},
      {"no data", [](In& in) { in.play.edition = GameEdition::NoData; }, kNoData},
      {"smaller full data", [](In& in) { in.play.edition = GameEdition::SmallerFull; }, kNeedsFull},
      {"shareware", [](In& in) { in.play.edition = GameEdition::Shareware; }, kNeedsFull},
      {"no row", [](In& in) { in.tc.selectedRow = ""; }, kRefusedPlain},
      {"a separator row", [](In& in) { in.tc.selectedRow = kTcSeparatorMark; }, kRefusedPlain},
      {"a saved game appended",
       [](In& in) { in.play.savedGame = Saved(" /2"); },
       {.parameters = foo + "-map E1L1.map /2", .clearSaved = true}},
      {"an unmatched saved game", [](In& in) { in.play.savedGame = Saved(""); }, {.parameters = foo + "-map E1L1.map"}},
      {"a host gets the tail",
       [](In& in) { in.play.role = GameRole::Host; },
       {.parameters = foo + "-map E1L1.map" + kTail}},
      {"a join without an address gets none",
       [](In& in) { in.play.role = GameRole::Join, in.play.opponentIp = ""; },
       {.parameters = foo + "-map E1L1.map"}},
  };
  Run(cases, "", [&](const In& in) { return ComposeTc(fs, in.play, in.tc, in.map); });
}

TEST_F(PlayPaths, TitleAndStockLevel) {
  const Case title[] = {
      {"plain", [](In&) {}, {.minimise = false}},
      {"shareware plays the title", [](In& in) { in.play.edition = GameEdition::Shareware; }, {.minimise = false}},
      {"no data", [](In& in) { in.play.edition = GameEdition::NoData; }, kNoData},
      {"a saved game", [](In& in) { in.play.savedGame = Saved(" /4"); }, {.parameters = " /4", .clearSaved = true}},
      {"an unmatched saved game", [](In& in) { in.play.savedGame = Saved(""); }, {.minimise = false}},
      {"a saved game before the tail",
       [](In& in) { in.play.role = GameRole::Host, in.play.savedGame = Saved(" /4"); },
       {.parameters = " /4", .clearSaved = true}},
      {"host", [](In& in) { in.play.role = GameRole::Host; }, {.parameters = kTail, .minimise = false}},
      {"join without a nickname",
       [](In& in) { in.play.role = GameRole::Join, in.play.nickname = ""; },
       {.minimise = false}},
  };
  Run(title, "", [](const In& in) { return ComposeTitle(in.play); });
  // The chooser's switches, then skill and no monsters; cancelled: nothing.
  const Case level[] = {
      {" -v2 -l05",
       [](In& in) { in.map = " -v2 -l05", in.noMonsters = false; },
       {.parameters = " -v2 -l05 /s3", .minimise = false}},
      {" -v4 -l11",
       [](In& in) { in.map = " -v4 -l11", in.skillLevel = "1"; },
       {.parameters = " -v4 -l11 /s1 -m", .minimise = false}},
      {"cancelled", [](In&) {}, {.kind = Kind::Nothing}},
  };
  Run(level, "", [](const In& in) { return ComposeLevel("Duke3dw.exe", in.map, in.skillLevel, in.noMonsters); });
}

}  // namespace
}  // namespace tv
