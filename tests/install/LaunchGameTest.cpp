// Starting the game: a program folder with spaces in its path, and stand-ins
// that record how they were started: the game itself, and Wine first on PATH
// (which programs go through Wine is the platform's rule, tested there).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "fixture/Executables.h"
#include "fixture/Home.h"
#include "launch/Network.h"
#include "launch/PlayPaths.h"
#include "session/Program.h"
#include "support/RecordingUi.h"

namespace tv::test {
namespace {

using Args = std::vector<std::string>;

class LaunchGameTest : public ::testing::Test {
 protected:
  LaunchGameTest() {
    fixture::WriteRecordingProgram(bin.Path() + "wine", bin.Path() + "wine.log");
    fixture::WriteRecordingProgram(Path("Duke3dw.exe"), Path("game.log"));
    Environment env;
    env.programFolder = folder;
    env.formats = {"dd/MM/yyyy", "HH:mm:ss"};
    program = std::make_unique<Program>(fs, ui, env);
  }
  std::string Path(const std::string& name) const { return folder + name; }
  // The line as written: a reader would trim its closing space.
  std::string CommandLine() const {
    const std::string ini = fixture::Exists(Path("Tarvolin.ini")) ? fixture::ReadFile(Path("Tarvolin.ini")) : "";
    const std::size_t at = ini.find("CommandLine=");
    return at == std::string::npos ? "<none>" : ini.substr(at + 12, ini.find("\r\n", at) - at - 12);
  }
  // What the game received: its working folder, then its arguments.
  Args Received(const Args& arguments = {}, const std::string& log = "game.log") {
    Args expected = {std::filesystem::canonical(folder).string()};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(fixture::WaitForRecord(Path(log)), expected);
    fs.Delete(Path(log));
    return expected;
  }

  fixture::TempHome home;
  fixture::TempFolder base, bin;
  fixture::ScopedEnv path{"PATH", bin.Path() + ":/usr/bin:/bin"};
  fixture::ScopedWineCandidates hideWine{{"wine"}};
  std::string folder = base.Path() + "Duke Nukem 3D/";
  FileSystem fs{folder};
  RecordingUi ui;
  std::unique_ptr<Program> program;
};

// Each switch reaches the game with its whole value, whatever the folder,
// map, TC and nickname hold, quotes and shell characters too; the recorded
// line is the text of the same list.
TEST_F(LaunchGameTest, EachSwitchReachesTheGameWholeAndTheLineIsRecorded) {
  for (const char* file : {"Maps/My Map.map", "Maps/My Map.con", "Maps/a\"b'c%d e.map", "Games/Big TC_hrp.zip"})
    fixture::WriteFile(Path(file), "x");
  const std::vector<TcRecord> tcs = {{"Big TC", "Big TC.grp", "Big TC.con", "", "", "Big Start.map"}};
  PlayContext play{GameEdition::Full, "Duke3dw.exe", folder, GameRole::Single, "", "", {}, {}};
  PlayContext host = play;
  host.role = GameRole::Host, host.nickname = "Ann $(Lee)", host.opponentIp = "10.0.0.2";
  host.networkTail = ComposeNetworkTail({}, false, GameRole::Host, host.nickname, "10.0.0.2", 2);
  const auto userMap = [&](const std::string& map, const PlayContext& p) {
    return ComposeUserMap(fs, {p, "Maps", map, "3", false, "", false, {}}).parameters;
  };
  const std::string maps = "-j" + folder + "Maps", games = "-j" + folder + "Games";
  const struct {
    GameLine parameters;
    Args received;
    std::string line;
  } cases[] = {
      {userMap("My Map.map", play),
       {maps, "-xMy Map.con", "-map", "My Map.map", "/s3"},
       maps + "  -xMy Map.con -map My Map.map /s3"},
      {userMap("a\"b'c%d e.map", play), {maps, "-map", "a\"b'c%d e.map", "/s3"}, maps + " -map a\"b'c%d e.map /s3"},
      {ComposeTc(fs, play, {"Big TC", tcs, folder + "Games"}, "").parameters,
       {games, "-gBig TC_hrp.zip", "-xBig TC.con", "-gBig TC.grp", "-map", "Big Start.map"},
       games + " -gBig TC_hrp.zip -xBig TC.con -gBig TC.grp -map Big Start.map"},
      {userMap("My Map.map", host),
       {maps, "-xMy Map.con", "-map", "My Map.map", "/name", "Ann $(Lee)", "/net", "/n1", "10.0.0.2"},
       maps + "  -xMy Map.con -map My Map.map /name Ann $(Lee) /net /n1 10.0.0.2"},
  };
  for (const auto& c : cases) {
    program->Play().LaunchGame("Duke3dw.exe", c.parameters);
    Received(c.received);
    EXPECT_EQ(CommandLine(), "Duke3dw.exe " + c.line);
  }
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(ui.beeps.empty());
}

// The settings are saved first, the chosen executable with them; the question
// shows the line, and only No stops the start (and its record).
TEST_F(LaunchGameTest, SavesTheSettingsFirstAndOnlyNoToTheConfirmationStops) {
  fixture::WriteFile(Path("Tarvolin.ini"), "[Tarvolin]\r\nInitialized=True\r\nCommandLine=before\r\n");
  fixture::WriteRecordingProgram(Path("EDuke32.exe"), Path("eduke.log"));
  program->Play().ToggleCommandLine();
  for (const int answer : {kNo, kYes, kCancel, kOk}) {
    ui.shown.clear();
    ui.answers = {answer};
    program->Play().LaunchGame("Duke3dw.exe", {});
    ASSERT_EQ(ui.shown.size(), 1u) << answer;
    EXPECT_EQ(ui.shown[0].kind + "|" + ui.shown[0].title + "|" + ui.shown[0].buttons,
              "question|Command Line|mbYes,mbNo");
    EXPECT_EQ(ui.shown[0].text, "Duke3dw.exe  \n\nContinue ?");
    if (answer == kNo) {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));  // a wrongly started game would show by now
      EXPECT_FALSE(fixture::Exists(Path("game.log")));
      EXPECT_EQ(CommandLine(), "before");
      continue;
    }
    Received();
    EXPECT_EQ(CommandLine(), "Duke3dw.exe ") << answer;
  }
  program->Play().ToggleCommandLine();
  program->Activate();
  program->Install().ChooseExecutable(2);  // Duke3dw.exe, EDuke32.exe: the second entry
  program->Play().LaunchGame("Duke3dw.exe", {});
  Received();
  EXPECT_EQ(IniFile(fs, Path("Tarvolin.ini")).ReadString("Tarvolin", "DukeFilename", ""), "Eduke32.exe");
}

TEST_F(LaunchGameTest, AProgramThatCannotStartIsExplainedAndTheWindowRestored) {
  fixture::WriteExecutable(Path("Duke3dw.exe"), 4000);
  fixture::WriteFile(Path("eduke32"), "\177ELF\2\1\1");
  const char* const cases[][2] = {
      {"Duke3dw.exe", "Wine is needed to start a Windows program,\nand it was not found on this system."},
      {"Missing.exe", "The file was not found."},
      {"eduke32", "The file is a program but is not marked as executable."},
  };
  fixture::ScopedEnv noWine("PATH", base.Path());
  for (const auto& c : cases) {
    ui.shown.clear(), ui.beeps.clear(), ui.restored = 0;
    program->Play().LaunchGame(c[0], GameLine::Argument("-x"));
    ASSERT_EQ(ui.shown.size(), 1u) << c[0];
    EXPECT_EQ(ui.shown[0].kind + ":" + ui.shown[0].text,
              "message:Unable to start " + std::string(c[0]) + "\n\n" + c[1]);
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Default}) << c[0];
    EXPECT_EQ(ui.restored, 1) << c[0];
    EXPECT_EQ(CommandLine(), std::string(c[0]) + " -x");  // the attempt is recorded all the same
  }
}

TEST_F(LaunchGameTest, AnUnwritableSettingsFileIsReportedAndTheGameStillStarts) {
  fixture::MakeFolder(Path("Tarvolin.ini"));
  program->Play().LaunchGame("Duke3dw.exe", {});
  Received();
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown[0].kind + ":" + ui.shown[0].text, "error:Unable to write to " + Path("Tarvolin.ini") + ".");
}

TEST_F(LaunchGameTest, TheSetupProgramStartsWhenPresentElseABeep) {
  program->Play().StartGameSetup();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Default});
  EXPECT_EQ(CommandLine(), "<none>");
  fixture::WriteRecordingProgram(Path("d3wsetup.exe"), Path("setup.log"));
  ui.beeps.clear();
  program->Play().StartGameSetup();
  Received({}, "setup.log");
  EXPECT_EQ(CommandLine(), "D3WSetup.exe ");
  EXPECT_TRUE(ui.beeps.empty());
}

}  // namespace
}  // namespace tv::test
