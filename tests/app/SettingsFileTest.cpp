#include <gtest/gtest.h>

#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

using SettingsFile = ProgramTest;

constexpr const char* kFirstStartFile =
    "[Tarvolin]\r\n"
    "DukeFilename=Duke3dw.exe\r\n"
    "LastPlayedTC=\r\n"
    "LastPlayedMap=\r\n"
    "LastMapFolder=0\r\n"
    "SkillLevel=3\r\n"
    "NoMonsters=0\r\n"
    "MapSetupDone=0\r\n"
    "SkinColor=Black\r\n"
    "SortedMaps=0\r\n"
    "FolderMap0=\r\n"
    "FolderMap1=\r\n"
    "FolderMap2=\r\n"
    "FolderMap3=\r\n"
    "FolderMap4=\r\n"
    "FolderMap5=\r\n"
    "FolderMap6=\r\n";

TEST_F(SettingsFile, FirstStartWritesTheDefaultsAndTheNextPassMarksTheRun) {
  Program& p = Start();
  p.FormActivate();
  EXPECT_EQ(Ini(), kFirstStartFile);
  EXPECT_EQ(p.View().skillText, "Skill Level 3") << "the skill held, which the file now holds too";

  p.FormActivate();
  EXPECT_EQ(Ini(), std::string(kFirstStartFile) + "Initialized=True\r\n");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SettingsFile, InitializedIsRewrittenOnlyWhenItIsNotTrue) {
  const struct {
    const char* stored;
    const char* after;
  } cases[] = {{"true", "true"}, {"TRUE", "TRUE"}, {"True", "True"}, {"yes", "True"}, {"", "True"}};
  for (const auto& c : cases) {
    WriteIni(std::string("[Tarvolin]\r\nInitialized=") + c.stored + "\r\n");
    Start().FormActivate();
    IniFile ini(fs, Path("Tarvolin.ini"));
    EXPECT_EQ(ini.ReadString("Tarvolin", "Initialized", "?"), c.after) << c.stored;
  }
}

TEST_F(SettingsFile, ValuesAreReadByTheProgramsRules) {
  WriteIni(
      "[tarvolin]\r\n"
      "dukefilename=EDuke32.exe\r\n"
      "SortedMaps=0x2\r\n"
      "LastMapFolder=\r\n"
      "SkillLevel=\r\n"
      "NoMonsters=yes\r\n"
      "SkinColor=gray\r\n"
      "Initialized=True\r\n"
      "FolderMap3=E1l1.map\r\n"
      "[Network_Game]\r\n"
      "NumPlayers=9\r\n"
      "Nickname=Ann\r\n");
  Program& p = Start();
  p.FormActivate();
  const Settings& s = p.CurrentSettings();
  EXPECT_EQ(s.dukeFilename, "EDuke32.exe");
  EXPECT_EQ(s.sortedMaps, 2);
  EXPECT_EQ(s.lastMapFolder, 0);
  EXPECT_EQ(s.skillLevel, "");
  EXPECT_EQ(p.View().skillText, "Skill Level ");
  EXPECT_FALSE(s.noMonsters);
  EXPECT_EQ(s.folderMap[3], "E1l1.map");
  EXPECT_EQ(s.network.numPlayers, 9);
  EXPECT_EQ(p.View().labelNick, "Ann");
  EXPECT_STREQ(p.View().skin->name, "Silver");
  EXPECT_NE(Ini().find("SkinColor=Silver\r\n"), std::string::npos);
}

TEST_F(SettingsFile, SkinNamesAreMatchedInAnyCaseAndUnknownOnesBecomeBlack) {
  const struct {
    const char* stored;
    const char* applied;
  } cases[] = {{"GRAY", "Silver"}, {"silver", "Silver"}, {"teal", "Teal"}, {"NONE", "None"},
               {"Pink", "Black"},  {"", "Black"},         {"Gold", "Gold"}};
  for (const auto& c : cases) {
    WriteIni(std::string("[Tarvolin]\r\nInitialized=True\r\nSkinColor=") + c.stored + "\r\n");
    Program& p = Start();
    p.FormActivate();
    EXPECT_STREQ(p.View().skin->name, c.applied) << c.stored;
    EXPECT_NE(Ini().find(std::string("SkinColor=") + c.applied + "\r\n"), std::string::npos) << c.stored;
  }
}

TEST_F(SettingsFile, NonNumbersReadAsTheirDefaults) {
  WriteIni("[Tarvolin]\r\nInitialized=True\r\nSortedMaps=two\r\nLastMapFolder=x\r\n[Network_Game]\r\nNumPlayers=abc\r\n");
  Program& p = Start();
  p.FormActivate();
  EXPECT_EQ(p.CurrentSettings().sortedMaps, 0);
  EXPECT_EQ(p.CurrentSettings().lastMapFolder, 0);
  EXPECT_EQ(p.CurrentSettings().network.numPlayers, 2);
}

TEST_F(SettingsFile, SaveKeepsOtherSectionsAndKeysAndNeverWritesReadOnlyKeys) {
  WriteIni("; mine\r\n[Tarvolin]\r\nOpinionPath=/other/\r\nInitialized=True\r\nCustom=1\r\n[History]\r\nPlayedMaps[0]=A.map\r\n");
  Program& p = Start();
  p.FormActivate();
  p.btnQuitClick();
  const std::string ini = Ini();
  EXPECT_EQ(ini.rfind("; mine\r\n[Tarvolin]\r\nOpinionPath=/other/\r\nInitialized=True\r\nCustom=1\r\n", 0), 0u);
  EXPECT_NE(ini.find("[History]\r\nPlayedMaps[0]=A.map\r\n"), std::string::npos);
  EXPECT_EQ(ini.find("CommandLine"), std::string::npos);
  EXPECT_TRUE(ui.quit);
}

TEST_F(SettingsFile, CommandLineIsRecordedInTheMainSection) {
  Program& p = Start();
  p.FormActivate();
  p.SaveCommandLine("Duke3dw.exe ");
  EXPECT_NE(Ini().find("[Tarvolin]\r\n"), std::string::npos);
  EXPECT_NE(Ini().find("CommandLine=Duke3dw.exe \r\n"), std::string::npos) << "the space is kept in the file";
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenStopsThePassWithTheErrorShown) {
  fixture::MakeFolder(Path("Tarvolin.ini"));  // a folder where the file should be
  Program& p = Start();
  p.FormActivate();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind, "error");
  EXPECT_EQ(ui.shown[0].text, "Unable to write to " + Path("Tarvolin.ini") + ".");
  EXPECT_FALSE(p.View().listsVisible);
  EXPECT_EQ(p.View().caption, "Tarvolin - vx.x");

  // The program stays up, and Quit does not end it while the save fails.
  p.btnQuitClick();
  EXPECT_FALSE(ui.quit);
  EXPECT_EQ(ui.shown.size(), 2u);
}

}  // namespace
}  // namespace tv::test
