// Every play path's composition: from the user's choice and the program's
// state to the program's arguments, or a refusal.
#include <gtest/gtest.h>

#include <functional>

#include "fixture/Fixture.h"
#include "launch/PlayPaths.h"

namespace tv {
namespace {

using In = UserMapInputs;
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
const std::string kNoData = std::string("refused ") + kNoDataMessage,
                  kNeedsFull = std::string("refused ") + kTcNeedsFullMessage;
const std::string kShareware = std::string("refused ") + kSharewareMapsMessage;

struct Case {
  const char* name;
  std::function<void(In&)> change;
  std::string expected;
};

// A program folder with a space in its path, Foo.con beside Foo.map, two TCs.
class PlayPaths : public ::testing::Test {
 protected:
  PlayPaths() {
    fixture::WriteFile(pf + "Maps/Foo.map", "map");
    fixture::WriteFile(pf + "Maps/Foo.con", "con");
    fixture::MakeFolder(pf + "Games");
  }
  // Single player, full data, skill 3, no monsters, network names and tail known; the map as given.
  void Run(const std::vector<Case>& cases, const char* map, const std::function<PlayResult(const In&)>& compose) {
    for (const Case& c : cases) {
      In in{
          {GameEdition::Full, "Duke3dw.exe", pf, GameRole::Single, "Ann", "10.0.0.2", GameLine::OwnSwitches(kTail), {}},
          "Maps",
          map,
          "3",
          true,
          "",
          false,
          {"Foo TC", tcs, pf + "Games"}};
      c.change(in);
      EXPECT_EQ(Describe(compose(in)), c.expected) << c.name;
    }
  }
  fixture::TempFolder dir;
  std::string pf = dir.Path() + "Duke 3D/", odd = dir.Path() + "duke-maps/";
  FileSystem fs{pf};
  std::vector<TcRecord> tcs = {{"Foo TC", "Foo.grp", "Foo.con", "", "", "E1L1.map"},
                               {"Plain", "Plain.grp", "", "", "", ""}};
};

TEST_F(PlayPaths, UserMap) {
  const std::string maps = "-j" + pf + "Maps ", games = "-j" + pf + "Games ", foo = maps + " -xFoo.con -map Foo.map";
  const std::string s3 = "-map Foo.map /s3", plain = "-map Foo.map";
  fixture::MakeFolder(odd + "Maps");
  // clang-format off
  Run({
      {"single: the map's script, no monsters", [](In&) {}, Launch(foo + " /s3 -m", s3)},
      {"monsters kept", [](In& in) { in.noMonsters = false; }, Launch(foo + " /s3", s3)},
      {"music in front of the map switch", [](In& in) { in.musicFile = "/m/My Song.mid"; },
       Launch(maps + " -xFoo.con -music /m/My Song.mid -map Foo.map /s3 -m", "-music /m/My Song.mid -map Foo.map /s3")},
      {"skill as given", [](In& in) { in.skillLevel = "1"; }, Launch(foo + " /s1 -m", "-map Foo.map /s1")},
      {"smaller full data plays maps", [](In& in) { in.play.edition = GameEdition::SmallerFull; },
       Launch(foo + " /s3 -m", s3)},
      {"a row without .map", [](In& in) { in.map = "Foo"; },
       Launch(maps + " -xfoo.con -map Foo /s3 -m", "-map Foo /s3")},
      {"shareware", [](In& in) { in.play.edition = GameEdition::Shareware; }, kShareware},
      {"shareware before the map test", [](In& in) { in.play.edition = GameEdition::Shareware, in.map = ""; },
       kShareware},
      {"no data", [](In& in) { in.play.edition = GameEdition::NoData; }, kNoData},
      {"no map; the saved game is left alone", [](In& in) { in.map = "", in.play.savedGame = Saved(" /3"); },
       std::string("refused ") + kMapNotFoundMessage},
      {"host: no skill, no music, the tail instead of no monsters",
       [](In& in) { in.play.role = GameRole::Host, in.musicFile = "/m/x.mid"; }, Launch(foo + kTail, plain)},
      {"host without an address", [](In& in) { in.play.role = GameRole::Host, in.play.opponentIp = ""; },
       Launch(foo + " -m", plain)},
      {"join without a nickname", [](In& in) { in.play.role = GameRole::Join, in.play.nickname = ""; },
       Launch(foo + " -m", plain)},
      {"join before the network window closed", [](In& in) { in.play.role = GameRole::Join, in.play.networkTail = {}; },
       Launch(foo, plain)},
      {"a saved game drops map, skill and no monsters, and wins over the TC",
       [](In& in) { in.play.savedGame = Saved(" /3"), in.associate = true, in.musicFile = "/m/x.mid"; },
       Launch(maps + " /3", "", "clear min ")},
      {"an unmatched saved game drops only the extras", [](In& in) { in.play.savedGame = Saved(""); },
       Launch(maps + "-map Foo.map /s3 -m", s3)},
      {"an associated TC loses its own start map", [](In& in) { in.associate = true; },
       Launch(games + "-xFoo.con -gFoo.grp  " + maps + "-map Foo.map /s3", "", "min untick ")},
      {"an associated TC without a start map",
       [](In& in) { in.associate = true, in.tc.selectedRow = "Plain", in.musicFile = "/m/x.mid"; },
       Launch(games + "-gPlain.grp  " + maps + "-music /m/x.mid -map Foo.map /s3", "", "min untick ")},
      {"associated, no row", [](In& in) { in.associate = true, in.tc.selectedRow = ""; }, "refused "},
      {"associated, a separator row",
       [](In& in) { in.associate = true, in.tc.selectedRow = "-- " + std::string(kTcSeparatorMark); },
       "refused "},
      {"associated, not in the table", [](In& in) { in.associate = true, in.tc.selectedRow = "Nope"; }, "nothing"},
      // A "-map" inside the program folder's path belongs to the folder switch.
      {"a program folder holding -map", [&](In& in) { in.associate = true, in.play.programFolder = odd; },
       Launch("-j" + odd + "Games -xFoo.con -gFoo.grp  -j" + odd + "Maps -map Foo.map /s3", "", "min untick ")},
  }, "Foo.map", [&](const In& in) { return ComposeUserMap(fs, in); });
  // clang-format on
}

TEST_F(PlayPaths, Tc) {
  const std::string foo = "-j" + pf + "Games -xFoo.con -gFoo.grp ", own = foo + "-map E1L1.map";
  // clang-format off
  Run({
      {"its own start map", [](In&) {}, Launch(own)},
      {"a chosen level instead", [](In& in) { in.map = "E3L2.map"; }, Launch(foo + " -map E3L2.map")},
      {"not in the table, with a map", [](In& in) { in.tc.selectedRow = "Nope", in.map = "E1L1.map"; },
       Launch(" -map E1L1.map")},
      {"not in the table, no map", [](In& in) { in.tc.selectedRow = "Nope", in.play.savedGame = Saved(" /1"); },
       "nothing"},
      {"no data", [](In& in) { in.play.edition = GameEdition::NoData; }, kNoData},
      {"smaller full data", [](In& in) { in.play.edition = GameEdition::SmallerFull; }, kNeedsFull},
      {"shareware", [](In& in) { in.play.edition = GameEdition::Shareware; }, kNeedsFull},
      {"no row", [](In& in) { in.tc.selectedRow = ""; }, "refused "},
      {"a separator row", [](In& in) { in.tc.selectedRow = kTcSeparatorMark; }, "refused "},
      {"a saved game appended", [](In& in) { in.play.savedGame = Saved(" /2"); },
       Launch(own + " /2", "", "clear min ")},
      {"an unmatched saved game", [](In& in) { in.play.savedGame = Saved(""); }, Launch(own)},
      {"a host gets the tail", [](In& in) { in.play.role = GameRole::Host; }, Launch(own + kTail)},
      {"a join without an address", [](In& in) { in.play.role = GameRole::Join, in.play.opponentIp = ""; },
       Launch(own)},
  }, "", [&](const In& in) { return ComposeTc(fs, in.play, in.tc, in.map); });
  // clang-format on
}

TEST_F(PlayPaths, TitleAndStockLevel) {
  // clang-format off
  Run({
      {"plain", [](In&) {}, Launch("", "", "")},
      {"shareware plays the title", [](In& in) { in.play.edition = GameEdition::Shareware; }, Launch("", "", "")},
      {"no data", [](In& in) { in.play.edition = GameEdition::NoData; }, kNoData},
      {"a saved game", [](In& in) { in.play.savedGame = Saved(" /4"); }, Launch(" /4", "", "clear min ")},
      {"an unmatched saved game", [](In& in) { in.play.savedGame = Saved(""); }, Launch("", "", "")},
      {"a saved game before the tail", [](In& in) { in.play.role = GameRole::Host, in.play.savedGame = Saved(" /4"); },
       Launch(" /4", "", "clear min ")},
      {"host", [](In& in) { in.play.role = GameRole::Host; }, Launch(kTail, "", "")},
      {"join without a nickname", [](In& in) { in.play.role = GameRole::Join, in.play.nickname = ""; },
       Launch("", "", "")},
  }, "", [](const In& in) { return ComposeTitle(in.play); });
  // The chooser's switches (here in the map field), then skill and no monsters; cancelled: nothing.
  Run({
      {"level", [](In& in) { in.map = " -v2 -l05", in.noMonsters = false; }, Launch(" -v2 -l05 /s3", "", "")},
      {"no monsters", [](In& in) { in.map = " -v4 -l11", in.skillLevel = "1"; }, Launch(" -v4 -l11 /s1 -m", "", "")},
      {"cancelled", [](In&) {}, "nothing"},
  }, "", [](const In& in) { return ComposeLevel("Duke3dw.exe", in.map, in.skillLevel, in.noMonsters); });
  // clang-format on
}

}  // namespace
}  // namespace tv
