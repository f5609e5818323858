#include <gtest/gtest.h>

#include "fixture/Executables.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

constexpr const char* kTitle = "Tarvolin - v6.2  |  ";

class GameExecutablesTest : public ProgramTest {
 protected:
  void Executable(const std::string& name, const std::string& mark = "") {
    fixture::WriteExecutable(Path(name), fixture::kVersionBlock, {{100, mark}});
  }
  std::vector<std::string> Menu() const {
    std::vector<std::string> shown;
    for (const MenuEntry& e : program->View().duke)
      if (e.visible) shown.push_back(e.caption);
    return shown;
  }
  void UseExecutable(const std::string& dukeFilename) {
    WriteIni("[Tarvolin]\r\nInitialized=True\r\nDukeFilename=" + dukeFilename + "\r\n");
  }
};

TEST_F(GameExecutablesTest, OffersTheDukeExecutablesButTheLaunchersOwn) {
  Executable("duke3dw.exe");
  Executable("EDUKE32.EXE");
  Executable("Tarvolin.exe");
  Executable("setup.exe");
  Executable(".dukehidden.exe");
  Executable("Duke.txt");
  fixture::MakeFolder(Path("DukeFolder.exe"));
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Duke3dw", "Eduke32"}));
}

TEST_F(GameExecutablesTest, ChoosingAnEntrySwitchesTitleButtonEngineAndPattern) {
  Executable("duke3dw.exe", "Duke3dw - Version 1.4 -2003");
  Executable("EDUKE32.EXE", "EDuke32 2.0.0devel");
  Executable("TARVOLIN.EXE");
  Program& p = Start();
  p.Activate();

  p.Install().ChooseExecutable(2);
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Eduke32.exe");
  EXPECT_EQ(p.View().caption, std::string(kTitle) + "Eduke32 v2.0.0");
  EXPECT_EQ(p.View().playCaption, "Play Eduke32");
  EXPECT_EQ(p.View().playHint, "Play Eduke32");
  EXPECT_TRUE(p.Install().EDuke32Engine());
  EXPECT_EQ(p.Install().SavedGamePattern(), "egam*.sav");

  p.Install().ChooseExecutable(1);
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Duke3dw.exe");
  EXPECT_EQ(p.View().caption, std::string(kTitle) + "Duke3dw v1.4 ");
  EXPECT_EQ(p.View().playCaption, "Play Duke3dw");
  EXPECT_FALSE(p.Install().EDuke32Engine());
  EXPECT_EQ(p.Install().SavedGamePattern(), "game*.sav");
  // The choice is only in memory until the next settings save.
  EXPECT_EQ(Ini().find("Eduke32"), std::string::npos);
}

TEST_F(GameExecutablesTest, OffersOnlyTheFirstFiveAndNeverHidesAnEntryAgain) {
  for (const char* name : {"duke1.exe", "duke2.exe", "duke3.exe", "duke4.exe", "duke5.exe", "duke6.exe"})
    Executable(name);
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Duke1", "Duke2", "Duke3", "Duke4", "Duke5"}));

  for (const char* name : {"duke1.exe", "duke2.exe", "duke3.exe", "duke4.exe", "duke5.exe"}) fs.Delete(Path(name));
  p.Activate();
  EXPECT_EQ(Menu(), (std::vector<std::string>{"Duke6", "Duke2", "Duke3", "Duke4", "Duke5"}));
  p.Install().ChooseExecutable(3);  // its list entry is gone: nothing happens
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Duke3dw.exe");
  p.Install().ChooseExecutable(1);
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Duke6.exe");
}

TEST_F(GameExecutablesTest, WithNoExecutableTheFirstEntryShowsEmptyAndDoesNothing) {
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(Menu(), std::vector<std::string>{""});
  p.Install().ChooseExecutable(1);
  EXPECT_EQ(p.CurrentSettings().dukeFilename, "Duke3dw.exe");
  EXPECT_EQ(p.View().caption, std::string(kTitle) + "Duke3dw");
}

TEST_F(GameExecutablesTest, TitleAndPlayButtonNameTheExecutable) {
  Executable("Duke3dw.exe", "Duke3dw - Version 1.4 -2003");
  Executable("EDuke32.exe", "EDuke32 2.0.0devel");
  const struct {
    const char* dukeFilename;
    const char* title;
    const char* button;
    bool eduke32;
  } cases[] = {
      {"Duke3dw.exe", "Duke3dw v1.4 ", "Play Duke3dw", false},
      {"duke3dw.exe", "duke3dw v1.4 ", "Play duke3dw", false},
      {"Duke3dw_test.exe", "Duke3dw_test v1.4 ", "Play Duke3dw_test", false},
      {"EDuke32.exe", "EDuke32 v2.0.0", "Play EDuke32", true},
      {"eduke32.x.exe", "eduke32 v2.0.0", "Play eduke32", true},
      {"MyDuke.exe", "MyDuke", "Play MyDuke", false},
      {"Duke3dw", "Duke3dw v1.4 ", "Play Duke3dw", false},
      {".Duke3dw.exe", ".Duke3dw.exe", "Play ", false},
      {"EDuke3.exe", "EDuke3", "Play EDuke3", false},
  };
  for (const auto& c : cases) {
    UseExecutable(c.dukeFilename);
    Program& p = Start();
    p.Activate();
    EXPECT_EQ(p.View().caption, std::string(kTitle) + c.title) << c.dukeFilename;
    EXPECT_EQ(p.View().playCaption, c.button) << c.dukeFilename;
    EXPECT_EQ(p.View().playHint, c.button) << c.dukeFilename;
    EXPECT_EQ(p.Install().EDuke32Engine(), c.eduke32) << c.dukeFilename;
    EXPECT_EQ(p.Install().SavedGamePattern(), c.eduke32 ? "egam*.sav" : "game*.sav") << c.dukeFilename;
  }
}

TEST_F(GameExecutablesTest, AMissingExecutableShowsTheNameAlone) {
  UseExecutable("EDuke32.exe");
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(p.View().caption, std::string(kTitle) + "EDuke32");
  EXPECT_TRUE(p.Install().EDuke32Engine());
}

}  // namespace
}  // namespace tv::test
