#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "session/Program.h"
#include "fixture/Executables.h"
#include "fixture/Home.h"
#include "launch/Network.h"
#include "launch/PlayPaths.h"
#include "settings/IniFile.h"
#include "support/RecordingUi.h"

namespace tv::test {
namespace {

// A program folder with spaces in its path, and stand-ins that record how
// they were started: the game itself, and Wine first on the PATH.
class LaunchGameTest : public ::testing::Test {
 protected:
  LaunchGameTest() {
    fixture::MakeFolder(folder);
    fixture::MakeFolder(bin.Path());
    fixture::WriteRecordingProgram(bin.Path() + "wine", bin.Path() + "wine.log");
    Environment env;
    env.programFolder = folder;
    env.formats = {"dd/MM/yyyy", "HH:mm:ss"};
    program = std::make_unique<Program>(fs, ui, env);
  }
  std::string Path(const std::string& name) const { return folder + name; }
  // The line as written: a reader would trim its closing space.
  std::string CommandLine() const {
    const std::string ini = fixture::ReadFile(Path("Tarvolin.ini"));
    const std::size_t at = ini.find("CommandLine=");
    if (at == std::string::npos) return "<none>";
    const std::size_t start = at + std::string("CommandLine=").size();
    return ini.substr(start, ini.find("\r\n", start) - start);
  }
  std::string Here() const { return std::filesystem::canonical(folder).string(); }
  // Nothing should come; give a wrongly started program time to show itself.
  static bool NothingWritten(const std::string& log) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return !fixture::Exists(log);
  }

  fixture::TempHome home;
  fixture::TempFolder base;
  fixture::TempFolder bin;
  fixture::ScopedEnv path{"PATH", bin.Path() + ":/usr/bin:/bin"};
  fixture::ScopedWineCandidates hideWine{{"wine"}};
  std::string folder = base.Path() + "Duke Nukem 3D/";
  FileSystem fs{folder};
  RecordingUi ui;
  std::unique_ptr<Program> program;
};

// Each switch reaches the game with its whole value, whatever the folder,
// map and TC names hold; the recorded line is the text of the same list.
TEST_F(LaunchGameTest, EachSwitchReachesTheGameWholeAndTheLineIsRecorded) {
  fixture::WriteRecordingProgram(Path("Duke3dw.exe"), Path("game.log"));
  for (const char* file : {"Maps/My Map.map", "Maps/My Map.con", "Maps/a\"b'c%d e.map", "Games/Big TC_hrp.zip"})
    fixture::WriteFile(Path(file), "x");
  const std::vector<TcRecord> tcs = {{"Big TC", "Big TC.grp", "Big TC.con", "", "", "Big Start.map"}};
  PlayContext play;
  play.edition = GameEdition::Full;
  play.dukeFilename = "Duke3dw.exe";
  play.programFolder = folder;
  const auto userMap = [&](const std::string& map, const PlayContext& p) {
    return ComposeUserMap(fs, {p, "Maps", map, "3", false, "", false, {}}).parameters;
  };
  PlayContext host = play;
  host.role = GameRole::Host;
  host.nickname = "Ann Lee";
  host.opponentIp = "10.0.0.2";
  host.networkTail = ComposeNetworkTail({}, false, GameRole::Host, "Ann Lee", "10.0.0.2", 2);
  const std::string maps = "-j" + folder + "Maps";
  const struct {
    GameLine parameters;
    std::vector<std::string> received;
    std::string line;
  } cases[] = {
      {userMap("My Map.map", play),
       {maps, "-xMy Map.con", "-map", "My Map.map", "/s3"},
       maps + "  -xMy Map.con -map My Map.map /s3"},
      {userMap("a\"b'c%d e.map", play), {maps, "-map", "a\"b'c%d e.map", "/s3"}, maps + " -map a\"b'c%d e.map /s3"},
      {ComposeTc(fs, play, {"Big TC", tcs, folder + "Games"}, "").parameters,
       {"-j" + folder + "Games", "-gBig TC_hrp.zip", "-xBig TC.con", "-gBig TC.grp", "-map", "Big Start.map"},
       "-j" + folder + "Games -gBig TC_hrp.zip -xBig TC.con -gBig TC.grp -map Big Start.map"},
      {userMap("My Map.map", host),
       {maps, "-xMy Map.con", "-map", "My Map.map", "/name", "Ann Lee", "/net", "/n1", "10.0.0.2"},
       maps + "  -xMy Map.con -map My Map.map /name Ann Lee /net /n1 10.0.0.2"},
  };
  for (const auto& c : cases) {
    fs.Delete(Path("game.log"));
    program->Play().LaunchGame("Duke3dw.exe", c.parameters);
    std::vector<std::string> expected = {Here()};
    expected.insert(expected.end(), c.received.begin(), c.received.end());
    EXPECT_EQ(fixture::WaitForRecord(Path("game.log")), expected) << c.line;
    EXPECT_EQ(CommandLine(), "Duke3dw.exe " + c.line);
  }
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(ui.beeps.empty());
}

TEST_F(LaunchGameTest, SavesTheSettingsBeforeTheStart) {
  fixture::WriteRecordingProgram(Path("Duke3dw.exe"), Path("game.log"));
  fixture::WriteFile(Path("Tarvolin.ini"), "[Tarvolin]\r\nInitialized=True\r\nSkillLevel=3\r\n");
  fixture::WriteRecordingProgram(Path("EDuke32.exe"), Path("eduke.log"));
  program->Activate();
  program->Install().ChooseExecutable(2);  // Duke3dw.exe, EDuke32.exe: the second entry
  program->Play().LaunchGame("Duke3dw.exe", {});
  EXPECT_EQ(IniFile(fs, Path("Tarvolin.ini")).ReadString("Tarvolin", "DukeFilename", ""), "Eduke32.exe");
  EXPECT_EQ(CommandLine(), "Duke3dw.exe ");
  EXPECT_EQ(fixture::WaitForRecord(Path("game.log")), std::vector<std::string>{Here()});
}

TEST_F(LaunchGameTest, TheConfirmationShowsTheLineAndOnlyNoStops) {
  const struct {
    int answer;
    bool started;
  } cases[] = {{kYes, true}, {kNo, false}, {kCancel, true}, {kOk, true}};
  fixture::WriteRecordingProgram(Path("Duke3dw.exe"), Path("game.log"));
  program->Play().ToggleCommandLine();
  for (const auto& c : cases) {
    fixture::WriteFile(Path("Tarvolin.ini"), "[Tarvolin]\r\nInitialized=True\r\nCommandLine=before\r\n");
    fs.Delete(Path("game.log"));
    ui.shown.clear();
    ui.answers = {c.answer};
    program->Play().LaunchGame("Duke3dw.exe", {});
    ASSERT_EQ(ui.shown.size(), 1u) << c.answer;
    EXPECT_EQ(ui.shown[0].kind, "question");
    EXPECT_EQ(ui.shown[0].text, "Duke3dw.exe  \n\nContinue ?");
    EXPECT_EQ(ui.shown[0].title, "Command Line");
    EXPECT_EQ(ui.shown[0].buttons, "mbYes,mbNo");
    if (c.started) {
      EXPECT_EQ(fixture::WaitForRecord(Path("game.log")), std::vector<std::string>{Here()}) << c.answer;
      EXPECT_EQ(CommandLine(), "Duke3dw.exe ") << c.answer;
    } else {
      EXPECT_TRUE(NothingWritten(Path("game.log")));
      EXPECT_EQ(CommandLine(), "before");
    }
  }
}

TEST_F(LaunchGameTest, WindowsProgramsAndBatchFilesGoThroughWine) {
  fixture::WriteExecutable(Path("Duke3dw.exe"), 4000);
  fixture::WriteFile(Path("Setup.bat"), "@echo off\r\n");
  program->Play().LaunchGame("Duke3dw.exe", TcMapSwitch("My Map.map") + SkillSwitch("2"));
  EXPECT_EQ(fixture::WaitForRecord(bin.Path() + "wine.log"),
            (std::vector<std::string>{Here(), Path("Duke3dw.exe"), "-map", "My Map.map", "/s2"}));
  fs.Delete(bin.Path() + "wine.log");
  program->Play().LaunchGame(Path("setup.bat"), {});
  EXPECT_EQ(fixture::WaitForRecord(bin.Path() + "wine.log"),
            (std::vector<std::string>{Here(), "cmd", "/c", "Setup.bat"}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LaunchGameTest, AProgramThatCannotStartIsExplainedAndTheWindowRestored) {
  fixture::WriteExecutable(Path("Duke3dw.exe"), 4000);
  fixture::WriteFile(Path("eduke32"), "\177ELF\2\1\1");
  const struct {
    const char* program;
    const char* message;
  } cases[] = {
      {"Duke3dw.exe",
       "Unable to start Duke3dw.exe\n\nWine is needed to start a Windows program,\nand it was not found on this "
       "system."},
      {"Missing.exe", "Unable to start Missing.exe\n\nThe file was not found."},
      {"eduke32", "Unable to start eduke32\n\nThe file is a program but is not marked as executable."},
  };
  fixture::ScopedEnv noWine("PATH", base.Path());
  for (const auto& c : cases) {
    ui.shown.clear();
    ui.beeps.clear();
    ui.restored = 0;
    program->Play().LaunchGame(c.program, GameLine::Argument("-x"));
    ASSERT_EQ(ui.shown.size(), 1u) << c.program;
    EXPECT_EQ(ui.shown[0].kind, "message");
    EXPECT_EQ(ui.shown[0].text, c.message);
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Default}) << c.program;
    EXPECT_EQ(ui.restored, 1) << c.program;
    // The attempt is recorded all the same.
    EXPECT_EQ(CommandLine(), std::string(c.program) + " -x");
  }
}

TEST_F(LaunchGameTest, AnUnwritableSettingsFileIsReportedAndTheGameStillStarts) {
  fixture::WriteRecordingProgram(Path("Duke3dw.exe"), Path("game.log"));
  fixture::MakeFolder(Path("Tarvolin.ini"));
  program->Play().LaunchGame("Duke3dw.exe", {});
  EXPECT_EQ(fixture::WaitForRecord(Path("game.log")), std::vector<std::string>{Here()});
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown[0].kind, "error");
  EXPECT_EQ(ui.shown[0].text, "Unable to write to " + Path("Tarvolin.ini") + ".");
}

TEST_F(LaunchGameTest, TheSetupProgramStartsWhenPresentElseABeep) {
  program->Play().StartGameSetup();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Default});
  EXPECT_EQ(CommandLine(), "<none>");

  fixture::WriteRecordingProgram(Path("d3wsetup.exe"), Path("setup.log"));
  ui.beeps.clear();
  program->Play().StartGameSetup();
  EXPECT_EQ(fixture::WaitForRecord(Path("setup.log")), std::vector<std::string>{Here()});
  EXPECT_EQ(CommandLine(), "D3WSetup.exe ");
  EXPECT_TRUE(ui.beeps.empty());
}

}  // namespace
}  // namespace tv::test
