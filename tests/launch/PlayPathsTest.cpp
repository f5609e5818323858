// Every play path: from the user's choice and the program's state to the arguments, or a refusal.
#include <gtest/gtest.h>

#include <functional>

#include "fixture/Fixture.h"
#include "launch/PlayPaths.h"

namespace tv {
namespace {

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
  fixture::MakeFolder(odd + "Maps");
  // clang-format off
  Run({
      {"single: the map's script, no monsters", [](In&) {}, Launch(foo + " /s3 -m", s3)},
      {"monsters kept", [](In& i) { i.noMonsters = false; }, Launch(foo + " /s3", s3)},
      {"music in front of the map switch", [](In& i) { i.musicFile = "/m/My Song.mid"; },
       Launch(maps + " -xFoo.con -music /m/My Song.mid -map Foo.map /s3 -m", "-music /m/My Song.mid -map Foo.map /s3")},
      {"skill as given", [](In& i) { i.skillLevel = "1"; }, Launch(foo + " /s1 -m", "-map Foo.map /s1")},
      {"smaller full data plays maps", [](In& i) { i.play.edition = E::SmallerFull; }, Launch(foo + " /s3 -m", s3)},
      {"a row without .map", [](In& i) { i.map = "Foo"; }, Launch(maps + " -xfoo.con -map Foo /s3 -m", "-map Foo /s3")},
      {"shareware", [](In& i) { i.play.edition = E::Shareware; }, kShareware},
      {"shareware, no map", [](In& i) { i.play.edition = E::Shareware, i.map = ""; }, kShareware},
      {"no data", [](In& i) { i.play.edition = E::NoData; }, kNoData},
      {"no map; the saved game is left alone", [](In& i) { i.map = "", i.play.savedGame = Saved(" /3"); },
       std::string("refused ") + kMapNotFoundMessage},
      {"host: no skill, no music, the tail instead of no monsters",
       [](In& i) { i.play.role = R::Host, i.musicFile = "/m/x.mid"; }, Launch(foo + kTail, plain)},
      {"host, no address", [](In& i) { i.play.role = R::Host, i.play.opponentIp = ""; }, Launch(foo + " -m", plain)},
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
  // clang-format on
}

TEST_F(PlayPaths, Tc) {
  const std::string foo = "-j" + pf + "Games -xFoo.con -gFoo.grp ", own = foo + "-map E1L1.map";
  // clang-format off
  Run({
      {"its own start map", [](In&) {}, Launch(own)},
      {"a chosen level instead", [](In& i) { i.map = "E3L2.map"; }, Launch(foo + " -map E3L2.map")},
      {"not in the table, with a map", [](In& i) { i.tc.selectedRow = "Nope", i.map = "E1L1.map"; },
       Launch(" -map E1L1.map")},
      {"not in the table, none", [](In& i) { i.tc.selectedRow = "Nope", i.play.savedGame = Saved(" /1"); }, "nothing"},
      {"no data", [](In& i) { i.play.edition = E::NoData; }, kNoData},
      {"smaller full data", [](In& i) { i.play.edition = E::SmallerFull; }, kNeedsFull},
      {"shareware", [](In& i) { i.play.edition = E::Shareware; }, kNeedsFull},
      {"no row", [](In& i) { i.tc.selectedRow = ""; }, "refused "},
      {"a separator row", [](In& i) { i.tc.selectedRow = kTcSeparatorMark; }, "refused "},
      {"a saved game appended", [](In& i) { i.play.savedGame = Saved(" /2"); }, Launch(own + " /2", "", "clear min ")},
      {"an unmatched saved game", [](In& i) { i.play.savedGame = Saved(""); }, Launch(own)},
      {"a host gets the tail", [](In& i) { i.play.role = R::Host; }, Launch(own + kTail)},
      {"a join without an address", [](In& i) { i.play.role = R::Join, i.play.opponentIp = ""; }, Launch(own)},
  }, "", [&](const In& i) { return ComposeTc(fs, i.play, i.tc, i.map); });
  // clang-format on
}

TEST_F(PlayPaths, TitleAndStockLevel) {
  // clang-format off
  Run({
      {"plain", [](In&) {}, Launch("", "", "")},
      {"shareware plays the title", [](In& i) { i.play.edition = E::Shareware; }, Launch("", "", "")},
      {"no data", [](In& i) { i.play.edition = E::NoData; }, kNoData},
      {"a saved game", [](In& i) { i.play.savedGame = Saved(" /4"); }, Launch(" /4", "", "clear min ")},
      {"an unmatched saved game", [](In& i) { i.play.savedGame = Saved(""); }, Launch("", "", "")},
      {"a saved game before the tail", [](In& i) { i.play.role = R::Host, i.play.savedGame = Saved(" /4"); },
       Launch(" /4", "", "clear min ")},
      {"host", [](In& i) { i.play.role = R::Host; }, Launch(kTail, "", "")},
      {"join without a nickname", [](In& i) { i.play.role = R::Join, i.play.nickname = ""; }, Launch("", "", "")},
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
