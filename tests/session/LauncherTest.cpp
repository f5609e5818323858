// Starting the game: each way of playing reaches a stand-in game with the parts' state composed in; each saved
// game entry keeps the slot of its own file, so a missing slot file or a save without a title loads no other.
#include <functional>

#include "support/ProgramFixture.h"
#include "catalog/History.h"
#include "fixture/Groups.h"
#include "fixture/SavedGames.h"
#include "launch/PlayPaths.h"

namespace tv::test {
namespace {

class LauncherTest : public ProgramTest {
 public:
  // Foo.grp holds three maps, its settings file names a script and a start map; Foo.map and its script; a save.
  void Prepare(std::uint64_t gameData = kFullData) {
    Game(gameData);
    Put("Games/Foo.grp", fixture::GroupFileBytes({{"FOO.CON", "c"}, {"ZOO.MAP", fixture::FillerBytes(600, 2)},
                                                  {"E1L1.MAP", fixture::FillerBytes(600, 3)}, {"ABC.MAP", fixture::FillerBytes(600, 4)}}));
    Put("Games/Foo.ini", "[Foo.Options]\r\nGameNAME=Foo\r\nCON_File=Foo.con\r\nMAP_File=E1L1.map\r\n");
    for (const char* file : {"Maps/Foo.map", "Maps/Foo.con"}) Put(file);
    fixture::WriteSavedGame(Path("game0.sav"), "Hollywood");
  }
  // The network window, when it opens, is given these values and closed.
  void NetworkGame(GameRole role, const std::string& nickname, const std::string& address, bool accept = true) {
    ui.onNetwork = [=](NetworkConfig& config) { return config.nickname = nickname, config.address = address, accept; };
    if (role == GameRole::Host) program->Play().ChooseHostGame();
    if (role == GameRole::Join) program->Play().ChooseJoinGame();
    program->Play().ConfigureNetwork();
  }
};

struct Play {  // history: the first history entry afterwards
  const char* name; std::function<void(LauncherTest&, Program&)> act; std::string parameters; const char* history;
  bool minimised;
};
void PrintTo(const Play& play, std::ostream* out) { *out << play.name; }

class LauncherPlay : public LauncherTest, public ::testing::WithParamInterface<Play> {};

TEST_P(LauncherPlay, ReachesTheGame) {
  const Play& c = GetParam();
  Prepare();
  Program& p = Started("SkillLevel=2\r\nNoMonsters=1\r\nLastPlayedTC=-1\r\n");
  c.act(*this, p);
  EXPECT_EQ(Received(), Expected(c.parameters));
  EXPECT_EQ(CommandLine(), Fill("Duke3dw.exe " + c.parameters));
  EXPECT_EQ(Setting(kHistorySection, HistoryKey(0)), c.history);
  EXPECT_EQ(ui.minimized > 0, c.minimised);
  EXPECT_FALSE(p.Saves().Mode()) << "a play resets the saved game";
  EXPECT_FALSE(p.View().assocChecked) << "and the association";
  EXPECT_TRUE(ui.shown.empty());
}

using F = LauncherTest;
// clang-format off
INSTANTIATE_TEST_SUITE_P(EachWay, LauncherPlay, ::testing::Values(
    Play{"UserMap", [](F&, Program& p) { p.Play().StartUserMap(); },
         "-j{pf}Maps  -xFoo.con -map Foo.map /s2 -m", "Foo.map", true},
    Play{"UserMapWithTheTc", [](F&, Program& p) { p.Catalog().Select(0); p.Play().SetAssociation(true); p.Play().StartUserMap(); },
         "-j{pf}Games -xFoo.con -gFoo.grp  -j{pf}Maps -map Foo.map /s2", "<none>", true},
    Play{"SavedGameFromTheMapButton", [](F&, Program& p) { p.Saves().Choose(0); p.Play().StartUserMap(); },
         "-j{pf}Maps  /0", "<none>", true},
    Play{"TcButton", [](F&, Program& p) { p.Catalog().Select(0); p.Play().StartTc(); },
         "-j{pf}Games -xFoo.con -gFoo.grp -map E1L1.map", "<none>", true},
    Play{"TcListDoubleClickInAJoinGame",
         [](F& f, Program& p) { f.NetworkGame(GameRole::Join, "Ann", "10.0.0.2"), p.Catalog().Select(0), p.Play().StartListedTc(); },
         "-j{pf}Games -xFoo.con -gFoo.grp -map E1L1.map /name Ann /net 10.0.0.2 /n1", "<none>", true},
    Play{"UserMapAfterTheSkillBox", [](F& f, Program& p) { p.Play().ChooseSkill("Skill Level 4");
           EXPECT_TRUE(f.Setting("Tarvolin", "SkillLevel") == "4" && p.View().dropFocus); p.Play().StartUserMap(); },
         "-j{pf}Maps  -xFoo.con -map Foo.map /s4 -m", "Foo.map", true},
    Play{"Title", [](F&, Program& p) { p.Play().StartFromTitle(); }, "", "<none>", false},
    Play{"TitleWithTheSavedGame", [](F&, Program& p) { p.Saves().Choose(0); p.Play().StartFromTitle(); },
         " /0", "<none>", true},
    Play{"StockLevel", [](F& f, Program& p) { f.ui.picks = {11, 0}, p.Play().PlayLevel(); },  // 11: a separator
         " -v1 -l01 /s2 -m", "<none>", false},
    Play{"LevelOfTheTcClickedNotYetRemembered", [](F& f, Program& p) { f.ui.picks = {2}, p.Catalog().Select(0);
           p.Play().PlayTcLevel(); EXPECT_EQ(f.ui.levelRows.at(2).level, "ZOO"); },
         "-j{pf}Games -xFoo.con -gFoo.grp  -map ZOO.map", "<none>", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });
// clang-format on

TEST_F(LauncherTest, ARefusalStartsNothingAndChangesNothing) {
  const struct {  // message: nullptr for none
    const char* name; std::uint64_t gameData; std::function<void(Program&)> play; std::vector<BeepKind> beeps;
    const char* message; bool pickLevel = false;
  } cases[] = {
      // clang-format off
      {"title without game data", 0, [](Program& p) { p.Play().StartFromTitle(); }, {BeepKind::Default}, kNoDataMessage},
      {"user map with shareware data", kSharewareData, [](Program& p) { p.Play().StartUserMap(); }, {BeepKind::Default},
       kSharewareMapsMessage},
      {"no map in the list", kFullData, [](Program& p) { p.Maps().OpenFolder(1); p.Play().StartUserMap(); },
       {BeepKind::Information, BeepKind::Default}, kMapNotFoundMessage},
      {"user map with the TC, none selected", kFullData,
       [](Program& p) { p.Play().SetAssociation(true); p.Play().StartUserMap(); }, {BeepKind::Default}, nullptr},
      {"TC with the smaller full data", kSmallerFullData, [](Program& p) { p.Catalog().Select(0); p.Play().StartTc(); },
       {BeepKind::Default}, kTcNeedsFullMessage},
      {"TC on a separator row", kFullData, [](Program& p) { p.Catalog().Select(1); p.Play().StartListedTc(); },
       {BeepKind::Default}, nullptr},
      {"TC level without a TC selected", kFullData, [](Program& p) { p.Play().PlayTcLevel(); }, {BeepKind::Default}, nullptr},
      {"TC level with shareware data", kSharewareData, [](Program& p) { p.Catalog().Select(0); p.Play().PlayTcLevel(); },
       {BeepKind::Exclamation, BeepKind::Default}, kTcNeedsFullMessage, true},
      {"stock level cancelled", kFullData, [](Program& p) { p.Play().PlayLevel(); }, {BeepKind::Exclamation}, nullptr},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fixture::TempFolder folder;
    const std::string f = folder.Path();
    FileSystem folderFs(f);
    RecordingUi caseUi;
    if (c.gameData > 0) fixture::WriteSparseFile(f + "Duke3d.grp", c.gameData);
    for (const char* file : {"Maps/Foo.map", "Games/Sep.grp"}) fixture::WriteFile(f + file, "x");
    fixture::MakeFolder(f + "Maps1");
    fixture::WriteFile(f + "Games/Foo.grp", fixture::GroupFileBytes({{"ZOO.MAP", fixture::FillerBytes(600)}}));
    fixture::WriteFile(f + "Games/Sep.ini", "[Sep.Options]\r\nGameNAME=-------------\r\n");
    fixture::WriteSavedGame(f + "game0.sav", "Hollywood");
    Program p(folderFs, caseUi, {f, {}});
    p.Activate();
    if (c.pickLevel) caseUi.picks = {0};
    c.play(p);
    EXPECT_EQ(caseUi.beeps, c.beeps);
    ASSERT_EQ(caseUi.shown.size(), c.message ? 1u : 0u);
    EXPECT_EQ(c.message ? caseUi.shown[0].text : "", c.message ? c.message : "");
    EXPECT_EQ(fixture::ReadFile(f + "Tarvolin.ini").find("CommandLine"), std::string::npos);
    EXPECT_EQ(caseUi.minimized, 0);
  }
}

TEST_F(LauncherTest, TheMusicLastsForOneStartAndSurvivesADeclinedOne) {
  Prepare();
  Program& p = Started();
  ui.chosenFile = Path("Song.mid");
  p.Play().ChooseMapMusic(), p.Play().ToggleCommandLine();
  ui.answers = {kNo};
  p.Play().StartUserMap();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, Fill("Duke3dw.exe  -j{pf}Maps  -xFoo.con -music {pf}Song.mid -map Foo.map /s3\n\nContinue ?"));
  EXPECT_EQ(CommandLine(), "<none>");
  p.Play().ToggleCommandLine(), p.Play().StartUserMap();
  EXPECT_EQ(Received(), Expected("-j{pf}Maps  -xFoo.con -music {pf}Song.mid -map Foo.map /s3"));
  p.Play().StartUserMap();
  EXPECT_EQ(Received(), Expected("-j{pf}Maps  -xFoo.con -map Foo.map /s3"));
}

TEST_F(LauncherTest, TheNetworkWindowKeepsItsValuesForTheRunAndTheTailUntilItClosesAgain) {
  Prepare();
  Program& p = Started();
  p.Play().ConfigureNetwork();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Default}) << "a single game only beeps";
  EXPECT_TRUE(ui.windows.empty());
  NetworkGame(GameRole::Host, "Ann", "10.0.0.2");
  NetworkGame(GameRole::Host, "Bob", "", false);  // cancelled: memory takes it, the file keeps the first
  EXPECT_EQ(p.View().nicknameHeading, "Bob");
  EXPECT_EQ(Setting("Network_Game", "Nickname"), "Ann");
  p.Play().StartFromTitle();
  EXPECT_EQ(Received(), Expected(""));
  p.Activate();  // reads the file's values back; the tail was not recomposed
  p.Play().ChooseJoinGame();
  p.Play().StartFromTitle();
  EXPECT_EQ(Received(), Expected(" /name Ann /net /n1 10.0.0.2"));
}

TEST_F(LauncherTest, EachGameTypeSetsTheControlsThatDependOnIt) {
  Prepare();
  Program& p = Started();
  for (const GameRole role : {GameRole::Host, GameRole::Join, GameRole::Single}) {
    p.Play().ChooseSingleGame();
    p.Saves().Choose(0);
    p.Play().SetAssociation(true);
    if (role == GameRole::Host) p.Play().ChooseHostGame();
    if (role == GameRole::Join) p.Play().ChooseJoinGame();
    const bool single = role == GameRole::Single;
    const MainView& v = p.View();
    EXPECT_EQ(v.tcButtonEnabled, single);
    p.Activate();  // the pass keeps the rest; a network game resets the saved game
    EXPECT_EQ(v.gameType, role);
    const std::vector<bool> shown = {v.savedBoxAllowed, v.assocVisible, v.assocChecked, p.Saves().Mode()};
    EXPECT_EQ(shown, std::vector<bool>(4, single));
  }
}

TEST_F(LauncherTest, TheChosenBatchFileStartsThroughWinesCommandInterpreter) {
  fixture::TempFolder bin;
  fixture::WriteRecordingProgram(bin.Path() + "wine", bin.Path() + "wine.log");
  fixture::ScopedEnv path("PATH", bin.Path() + ":/usr/bin:/bin");
  for (const char* file : {"Alpha.bat", "Setup.bat", "Readme.txt"}) Put(file, "@echo off\r\n");
  Program& p = Started();
  for (const int row : {-1, 1}) ui.picks = {row}, p.Play().PlayBatchFile();
  EXPECT_EQ(ui.batchFiles, (std::vector<std::string>{"Alpha.bat", "Setup.bat"}));
  const std::vector<std::string> expected = {Expected("").front(), "cmd", "/c", "Setup.bat"};
  EXPECT_EQ(fixture::WaitForRecord(bin.Path() + "wine.log", 3000), expected);
  EXPECT_EQ(CommandLine(), Path("Setup.bat") + " ");
}

using SavedGameBoxTest = ProgramTest;
constexpr std::time_t kT = 1796520000;

TEST_F(SavedGameBoxTest, EachEntryLoadsTheSlotOfItsOwnFile) {
  const struct {  // the saves as slot, title, time; the entries; the one chosen and the switch it loads
    const char* rule; std::vector<std::tuple<int, const char*, std::time_t>> saves; std::vector<std::string> entries;
    int chosen; const char* loadSwitch;
  } cases[] = {
      {"none", {}, {}, 0, ""},
      {"the newest marked", {{0, "A", kT}, {1, "B", kT + 60}, {2, "C", kT + 10}}, {"A", "B ***", "C"}, 1, " /1"},
      {"a missing slot file", {{0, "A", kT}, {2, "C", kT + 60}}, {"A", "C ***"}, 1, " /2"},
      {"a save without title", {{0, "A", kT}, {1, "", kT}, {2, "C", kT}}, {"A ***", "C"}, 1, " /2"},
      {"one title thrice", {{0, "S", kT + 60}, {1, "S", kT}, {3, "S", kT}}, {"S ***", "S", "S"}, 2, " /3"},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    for (const auto& [slot, title, time] : c.saves)
      fixture::WriteSavedGame(folder.Path() + "game" + std::to_string(slot) + ".sav", title, time);
    FileSystem fileSystem(folder.Path());
    Program p(fileSystem, ui, {folder.Path(), {}});
    p.Activate();
    EXPECT_EQ(std::pair(p.View().savedEntries, p.View().savedEnabled), std::pair(c.entries, !c.entries.empty()));
    EXPECT_EQ((p.Saves().Choose(c.chosen), p.Saves().Switch().Text()), c.loadSwitch) << c.rule;
  }
}

TEST_F(SavedGameBoxTest, AChoiceSwitchesTheModeAndHintsUntilItIsNoLongerListed) {
  fixture::WriteSavedGame(Path("game0.sav"), "Hollywood", kT);
  fixture::WriteSavedGame(Path("game1.sav"), "Red Light", kT + 10);
  Program& p = Started();
  p.Saves().Choose(1);
  EXPECT_EQ(std::tuple(p.View().savedText, p.Saves().Mode(), p.View().mapButtonHint),
            std::tuple("Red Light ***", true, "Start a user Map Saved Game"));
  p.Activate();  // a pass keeps the choice
  EXPECT_EQ(p.Saves().Switch().Text(), " /1");

  fixture::WriteSavedGame(Path("game1.sav"), "Red Light", kT);  // now the first one is the newest
  p.Saves().Fill();
  EXPECT_EQ(p.Saves().Switch().Text(), "") << "the text shown is no longer an entry";
  EXPECT_TRUE(p.Saves().Mode());
  p.Saves().Clear();
  EXPECT_EQ(std::tuple(p.View().savedText, p.Saves().Mode(), p.View().mapButtonHint),
            std::tuple("Start a saved game", false, "Start a user Map"));
  for (const char* file : {"game0.sav", "game1.sav"}) std::filesystem::remove(Path(file));
  p.Saves().Fill();
  p.Saves().Choose(0);
  EXPECT_TRUE(!p.Saves().Mode() && p.View().savedSelected == -1) << "no entry is left to choose";
}

}  // namespace
}  // namespace tv::test
