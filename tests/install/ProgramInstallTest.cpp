// The installation as the running program shows it: one case per control.
#include <gtest/gtest.h>

#include "fixture/Executables.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

constexpr const char* kTitle = "Tarvolin - v6.2  |  ";

class ProgramInstall : public ProgramTest {
 protected:
  std::vector<std::string> Menu() const {
    std::vector<std::string> shown;
    for (const MenuEntry& e : program->View().duke)
      if (e.visible) shown.push_back(e.caption);
    return shown;
  }
  std::string Desktop() const { return home.Path() + "Desktop/"; }
};

TEST_F(ProgramInstall, TheMenuOffersTheFirstFiveExecutablesNeverHidesOneAndAChoiceSwitchesTheEngine) {
  Program& p = Start();
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
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Duke3dw.exe");
  EXPECT_EQ(p.Install().SavedGamePattern(), "game*.sav");
  p.Install().ChooseExecutable(1);
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Eduke32.exe");
  EXPECT_EQ(p.View().caption, std::string(kTitle) + "Eduke32 v2.0.0");
  EXPECT_EQ(p.View().playCaption + "|" + p.View().playHint, "Play Eduke32|Play Eduke32");
  EXPECT_TRUE(p.Install().EDuke32Engine());
  EXPECT_EQ(p.Install().SavedGamePattern(), "egam*.sav");
  EXPECT_EQ(Ini().find("Eduke32"), std::string::npos);  // in memory until the next settings save
}

TEST_F(ProgramInstall, WithoutFullDataTheSkillBoxIsDisabledForTheRun) {
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(p.Install().Edition(), GameEdition::NoData);
  EXPECT_FALSE(p.View().skillEnabled);
  fixture::WriteSparseFile(Path("Duke3d.grp"), 44'000'000);
  fixture::WriteFile(Path("Duke3d.def"), "d");
  fixture::WriteFile(Path("Duke3d_hrp.zip"), "z");
  p.Activate();
  EXPECT_EQ(p.Install().Edition(), GameEdition::Full);
  EXPECT_FALSE(p.View().skillEnabled);
  // Every pass sets aside a definition file put back; nothing brings it back.
  EXPECT_EQ(fixture::ReadFile(Path("Duke3d.def.bak")), "d");
  fixture::WriteFile(Path("Duke3d.def"), "again");
  fs.Delete(Path("Duke3d_hrp.zip"));
  p.Activate();
  EXPECT_EQ(fixture::ReadFile(Path("Duke3d.def")), "again");
  EXPECT_EQ(fixture::ReadFile(Path("Duke3d.def.bak")), "d");
  Program& next = Start();
  next.Activate();
  EXPECT_TRUE(next.View().skillEnabled);  // the next run
}

// The first pass that finds the settings file makes the desktop shortcut
// once, silently; the icon command makes it again with a beep. (How the
// shortcut is written is the platform's rule.)
TEST_F(ProgramInstall, TheDesktopShortcutIsMadeOnceByThePassesAndAgainOnRequest) {
  const std::string shortcut = Desktop() + "Tarvolin.desktop";
  fixture::MakeFolder(Desktop());
  Program& p = Start();
  for (const bool made : {false, true, false}) {  // the first pass makes the settings file; the third finds Initialized
    p.Activate();
    EXPECT_EQ(fixture::Exists(shortcut), made);
    fs.Delete(shortcut);
  }
  EXPECT_TRUE(ui.beeps.empty());
  p.Install().AddDesktopIcon();
  EXPECT_TRUE(fixture::Exists(shortcut));
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  EXPECT_NE(fixture::ReadFile(shortcut).find("\nExec=" + dir.Path() + "Tarvolin\n"), std::string::npos);
  executable = "/opt/tv/bin/Tarvolin";  // one installed program for many game folders: it names this one
  Start().Install().AddDesktopIcon();
  EXPECT_NE(fixture::ReadFile(shortcut).find("\nExec=/opt/tv/bin/Tarvolin " + dir.Path() + "\n"), std::string::npos);
}

}  // namespace
}  // namespace tv::test
