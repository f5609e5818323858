#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Shortcut.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

class ToolsMenuTest : public ProgramTest {
 protected:
  std::string Desktop() const { return home.Path() + "Desktop/"; }
  std::vector<std::string> DesktopFiles() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(Desktop())) names.push_back(e.path().filename());
    return names;
  }
};

TEST_F(ToolsMenuTest, AboutShowsTheVersionAndTheUsageNotesAfterTheExclamationBeep) {
  Program& p = Start();
  p.ShowAbout();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind, "message");
  EXPECT_EQ(ui.shown[0].text,
            "Tarvolin - Version 6.2\n"
            "\n"
            "Tarvolin is a basic game launcher for the Windows port of Duke Nukem 3D.\n"
            "\n"
            "To add additional TC's you need the Atomic addition.\n"
            "Just place the .Grp file with its Game.con file\n"
            "In the Games folder and Tarvolin will find them.\n"
            "\n"
            "NB. the TC's Game.con file must be the same name as the .Grp\n"
            "\n"
            "If any Grp, Con, Gam or Def files accompany any maps in any\n"
            "of the Maps folders, they will be used when selecting a user map.\n"
            "\n"
            "NB. Map folder names should be: Maps - Maps1 - Maps2 to Maps6\n"
            "Each Map folder should not exceed approx 600 maps in total.\n"
            "\n"
            "When viewing the map text file, Tarvolin will search the\n"
            "Map folders then a Help or Text folder.");
}

TEST_F(ToolsMenuTest, CommandLineTogglesAndStartsUncheckedEveryRun) {
  Program& p = Start();
  EXPECT_FALSE(p.View().commandLineChecked);
  p.Play().ToggleCommandLine();
  EXPECT_TRUE(p.View().commandLineChecked);
  p.Activate();  // not a setting: a pass keeps it
  EXPECT_TRUE(p.View().commandLineChecked);
  p.Play().ToggleCommandLine();
  EXPECT_FALSE(p.View().commandLineChecked);
  p.Play().ToggleCommandLine();
  EXPECT_FALSE(Start().View().commandLineChecked);
}

TEST_F(ToolsMenuTest, DesktopIconPutsOneLauncherOfTheProgramOnTheDesktop) {
  fixture::MakeFolder(Desktop());
  Program& p = Start();
  p.Install().AddDesktopIcon();
  p.Install().AddDesktopIcon();
  EXPECT_EQ(ui.beeps, (std::vector<BeepKind>{BeepKind::Information, BeepKind::Information}));
  EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Tarvolin.desktop"});
  EXPECT_EQ(fixture::ReadFile(Desktop() + "Tarvolin.desktop"),
            "[Desktop Entry]\nType=Application\nName=Tarvolin\nComment=Tarvolin\nExec=" + dir.Path() +
                kOwnExecutableFile + "\nPath=" + dir.Path() + "\nTerminal=false\n");
}

// A program outside the game folder (the installed one) makes shortcuts that
// open this game folder; a copy inside it keeps the plain one.
TEST_F(ToolsMenuTest, ShortcutsOfAProgramElsewhereNameTheGameFolder) {
  const struct {
    std::string executable;
    std::string exec;
  } cases[] = {
      {"/opt/tv/bin/Tarvolin", "/opt/tv/bin/Tarvolin " + dir.Path()},
      {dir.Path() + "Tarvolin", dir.Path() + "Tarvolin"},
  };
  for (const auto& c : cases) {
    fixture::TempHome fresh;
    fixture::MakeFolder(fresh.Path() + "Desktop");
    const std::string shortcut = fresh.Path() + "Desktop/Tarvolin.desktop";
    const std::string expected = "[Desktop Entry]\nType=Application\nName=Tarvolin\nComment=Tarvolin\nExec=" + c.exec +
                                 "\nPath=" + dir.Path() + "\nTerminal=false\n";
    executable = c.executable;
    Program& p = Start();
    p.Activate();
    p.Activate();  // the first pass that finds the settings file
    EXPECT_EQ(fixture::ReadFile(shortcut), expected) << c.executable;
    fs.Delete(shortcut);
    p.Install().AddDesktopIcon();
    EXPECT_EQ(fixture::ReadFile(shortcut), expected) << c.executable;
    fs.Delete(dir.Path() + "Tarvolin.ini");
  }
}

TEST_F(ToolsMenuTest, WithoutADesktopOnlyTheBeepRemains) {
  Program& p = Start();
  p.Install().AddDesktopIcon();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  EXPECT_FALSE(fixture::Exists(Desktop()));
}

TEST_F(ToolsMenuTest, TheFirstPassThatFindsTheSettingsFileMakesTheShortcutSilently) {
  fixture::MakeFolder(Desktop());
  Program& p = Start();
  p.Activate();  // makes the settings file only
  EXPECT_TRUE(DesktopFiles().empty());
  p.Activate();
  EXPECT_EQ(DesktopFiles(), std::vector<std::string>{"Tarvolin.desktop"});
  EXPECT_TRUE(ui.beeps.empty());

  fs.Delete(Desktop() + "Tarvolin.desktop");
  p.Activate();  // Initialized is set now
  EXPECT_TRUE(DesktopFiles().empty());
}

}  // namespace
}  // namespace tv::test
