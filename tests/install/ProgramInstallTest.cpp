// The installation and the game's start as the running program shows them, one case per control.
#include <chrono>
#include <thread>

#include "launch/CommandLine.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

constexpr const char* kTitle = "Tarvolin - v6.2  |  ";
using ProgramInstall = ProgramTest;
TEST_F(ProgramInstall, TheMenuOffersTheFirstFiveExecutablesNeverHidesOneAndAChoiceSwitchesTheEngine) {
  Program& p = Start();
  const auto Menu = [&] {
    std::vector<std::string> shown;
    for (const MenuEntry& e : p.View().duke) e.visible ? shown.push_back(e.caption) : void();
    return shown;
  };
  p.Activate();
  EXPECT_EQ(Menu(), std::vector<std::string>{""});  // no executable: an empty entry that does nothing
  p.Install().ChooseExecutable(1);
  EXPECT_EQ(p.View().caption, std::string(kTitle) + "Duke3dw");
  for (const char* name : {"duke1.exe", "duke2.exe", "duke3.exe", "duke4.exe", "duke5.exe", "EDuke32.exe"})
    fixture::WriteExecutable(Path(name), fixture::kVersionBlock, {{100, "EDuke32 2.0.0devel"}});
  p.Activate();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Duke1", "Duke2", "Duke3", "Duke4", "Duke5"}));
  for (const char* name : {"duke1.exe", "duke2.exe", "duke3.exe", "duke4.exe", "duke5.exe"}) fs.Delete(Path(name));
  p.Activate();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Eduke32", "Duke2", "Duke3", "Duke4", "Duke5"}));
  p.Install().ChooseExecutable(3);  // its file is gone: nothing happens
  EXPECT_EQ(p.CurrentSettings().dukeFilename + p.Install().SavedGamePattern(), "Duke3dw.exegame*.sav");
  p.Install().ChooseExecutable(1);
  EXPECT_EQ(p.CurrentSettings().dukeFilename + p.Install().SavedGamePattern(), "Eduke32.exeegam*.sav");
  EXPECT_EQ(p.View().caption + "|" + p.View().playCaption + "|" + p.View().playHint,
            std::string(kTitle) + "Eduke32 v2.0.0|Play Eduke32|Play Eduke32");
  EXPECT_TRUE(p.Install().EDuke32Engine());
  EXPECT_EQ(Ini().find("Eduke32"), std::string::npos);  // in memory until the next settings save
}
TEST_F(ProgramInstall, WithoutFullDataTheSkillBoxIsDisabledForTheRun) {
  Program& p = Started();
  EXPECT_TRUE(p.Install().Edition() == GameEdition::NoData && !p.View().skillEnabled);
  fixture::WriteSparseFile(Path("Duke3d.grp"), kFullData);
  Put("Duke3d.def", "d"), Put("Duke3d_hrp.zip", "z"), p.Activate();
  EXPECT_TRUE(p.Install().Edition() == GameEdition::Full && !p.View().skillEnabled);
  // A pass sets aside a definition file while a pack is there; nothing brings it back.
  Put("Duke3d.def", "again"), fs.Delete(Path("Duke3d_hrp.zip")), p.Activate();
  EXPECT_EQ(fixture::ReadFile(Path("Duke3d.def")) + fixture::ReadFile(Path("Duke3d.def.bak")), "againd");
  EXPECT_TRUE((Start().Activate(), program->View().skillEnabled));  // the next run
}
// The first pass finding the settings file makes the shortcut silently; the icon command again, with a beep.
TEST_F(ProgramInstall, TheDesktopShortcutIsMadeOnceByThePassesAndAgainOnRequest) {
  const std::string shortcut = home.Path() + "Desktop/Tarvolin.desktop";
  fixture::MakeFolder(home.Path() + "Desktop");
  Program& p = Start();
  for (const bool made : {false, true, false}) {  // the first pass makes the settings file; the third finds Initialized
    p.Activate();
    EXPECT_EQ(fixture::Exists(shortcut), made);
    fs.Delete(shortcut);
  }
  EXPECT_TRUE(ui.beeps.empty());
  p.Install().AddDesktopIcon();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  EXPECT_NE(fixture::ReadFile(shortcut).find("\nExec=" + dir.Path() + "Tarvolin\n"), std::string::npos);
  executable = "/opt/tv/bin/Tarvolin";  // one installed program for many game folders: it names this one
  Start().Install().AddDesktopIcon();
  EXPECT_NE(fixture::ReadFile(shortcut).find("\nExec=/opt/tv/bin/Tarvolin " + dir.Path() + "\n"), std::string::npos);
}
class LaunchGameTest : public ProgramTest {
 protected:
  LaunchGameTest() { fixture::WriteRecordingProgram(Path("Duke3dw.exe"), Path("game.log")), Start(); }
  void Received(const std::vector<std::string>& arguments = {}, const std::string& log = "game.log") {
    std::vector<std::string> expected = {std::filesystem::canonical(dir.Path()).string()};  // the working folder
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(fixture::WaitForRecord(Path(log)), expected);
    fs.Delete(Path(log));
  }
};
// The settings, with the chosen executable, are saved first; only No to the question stops the start.
TEST_F(LaunchGameTest, SavesTheSettingsFirstAndOnlyNoToTheConfirmationStops) {
  fixture::WriteFile(Path("Tarvolin.ini"), "[Tarvolin]\r\nInitialized=True\r\nCommandLine=before\r\n");
  fixture::WriteRecordingProgram(Path("EDuke32.exe"), Path("eduke.log"));
  program->Play().ToggleCommandLine();
  for (const int answer : {kNo, kYes, kCancel, kOk}) {
    ui.shown.clear(), ui.answers = {answer};
    program->Play().LaunchGame("Duke3dw.exe", {});
    ASSERT_EQ(ui.shown.size(), 1u) << answer;
    EXPECT_EQ(ui.shown[0].kind + "|" + ui.shown[0].title + "|" + ui.shown[0].buttons + "|" + ui.shown[0].text,
              "question|Command Line|mbYes,mbNo|Duke3dw.exe  \n\nContinue ?");
    if (answer == kNo)
      std::this_thread::sleep_for(std::chrono::milliseconds(300));  // a wrongly started game would show by now
    else
      Received();
    EXPECT_FALSE(fixture::Exists(Path("game.log"))) << answer;
    EXPECT_EQ(CommandLine(), answer == kNo ? "before" : "Duke3dw.exe ") << answer;
  }
  program->Play().ToggleCommandLine(), program->Activate();
  program->Install().ChooseExecutable(2);  // Duke3dw.exe, EDuke32.exe: the second entry
  program->Play().LaunchGame("Duke3dw.exe", MapSwitch("a\"b'c%d e.map"));  // whole arguments, no shell
  Received({"-map", "a\"b'c%d e.map"});
  EXPECT_EQ(IniFile(fs, Path("Tarvolin.ini")).ReadString("Tarvolin", "DukeFilename", ""), "Eduke32.exe");
  EXPECT_EQ(CommandLine(), "Duke3dw.exe -map a\"b'c%d e.map");
}
TEST_F(LaunchGameTest, AProgramThatCannotStartIsExplainedAndTheWindowRestored) {
  fixture::WriteExecutable(Path("Duke3dw.exe"), 4000), fixture::WriteFile(Path("eduke32"), "\177ELF\2\1\1");
  const char* const cases[][2] = {
      {"Duke3dw.exe", "Wine is needed to start a Windows program,\nand it was not found on this system."},
      {"Missing.exe", "The file was not found."},
      {"eduke32", "The file is a program but is not marked as executable."}};
  const fixture::ScopedEnv noWine("PATH", dir.Path());
  const fixture::ScopedWineCandidates hideWine{{"wine"}};
  for (const auto& c : cases) {
    ui.shown.clear(), ui.beeps.clear(), ui.restored = 0;
    program->Play().LaunchGame(c[0], GameLine::Argument("-x"));
    ASSERT_EQ(ui.shown.size(), 1u) << c[0];
    EXPECT_EQ(ui.shown[0].kind + ":" + ui.shown[0].text,
              "message:Unable to start " + std::string(c[0]) + "\n\n" + c[1]);
    EXPECT_TRUE(ui.beeps == std::vector<BeepKind>{BeepKind::Default} && ui.restored == 1) << c[0];
    EXPECT_EQ(CommandLine(), std::string(c[0]) + " -x");  // the attempt is recorded all the same
  }
}
TEST_F(LaunchGameTest, TheSetupProgramStartsWhenPresentElseABeepAndAnUnwritableSettingsFileIsReported) {
  program->Play().StartGameSetup();
  EXPECT_TRUE(ui.beeps == std::vector<BeepKind>{BeepKind::Default} && CommandLine() == "<none>");
  fixture::WriteRecordingProgram(Path("d3wsetup.exe"), Path("setup.log"));
  program->Play().StartGameSetup(), Received({}, "setup.log");
  EXPECT_TRUE(CommandLine() == "D3WSetup.exe " && ui.beeps.size() == 1);
  fs.Delete(Path("Tarvolin.ini")), ui.shown.clear();
  fixture::MakeFolder(Path("Tarvolin.ini"));  // an unwritable settings file is reported; the game still starts
  program->Play().LaunchGame("Duke3dw.exe", {}), Received();
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown[0].kind + ":" + ui.shown[0].text, "error:Unable to write to " + Path("Tarvolin.ini") + ".");
}
}  // namespace
}  // namespace tv::test
