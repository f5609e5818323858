// Total conversions through the program: the TC list after a start-up pass,
// its selection and opinions, the right click and the maps of a TC.
#include <gtest/gtest.h>

#include <filesystem>

#include "fixture/Groups.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

class Tcs : public ProgramTest {
 protected:
  void Game(const std::string& name, const std::string& bytes = "") {
    fixture::WriteFile(Path("Games/" + name), bytes);
  }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (const ListRow& r : program->View().tcRows) rows.push_back(r.text);
    return rows;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const ListRow& r : program->View().tcRows) codes.push_back(r.code);
    return codes;
  }
};

TEST_F(Tcs, ThePassListsTheTCsOfTheGamesFolder) {
  Game("DUKE3D.GRP");
  Game("Mytc.grp", fixture::GroupFileBytes({{"MYTC.CON", "c"}}));
  Game("Mytc_hrp.zip");
  Game("Other.zip");
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Mytc", "Other"}));
  EXPECT_EQ(p.GamesFolder(), Path("Games"));
  ASSERT_EQ(p.Tcs().size(), 2u);
  EXPECT_EQ(p.Tcs()[0].scriptFile, "Mytc.con");
  EXPECT_EQ(p.Tcs()[0].hrpFile, "Mytc_hrp.zip");
  EXPECT_TRUE(fixture::Exists(Path("Games/Mytc.ini")));
  EXPECT_TRUE(fixture::Exists(Path("Games/Other.ini")));
}

TEST_F(Tcs, LastPlayedTCSelectsItsRow) {
  Game("A.grp");
  Game("B.grp");
  const struct {
    const char* value;
    int selected;
  } cases[] = {{"0", 0}, {"1", 1}, {"2", -1}, {"-1", -1}, {"", -1}, {"+1", 1}};
  for (const auto& c : cases) {
    WriteIni(std::string("[Tarvolin]\r\nLastPlayedTC=") + c.value + "\r\n");
    Program& p = Start();
    p.Activate();
    EXPECT_EQ(p.View().tcSelected, c.selected) << c.value;
    EXPECT_TRUE(ui.shown.empty()) << c.value;
  }
}

TEST_F(Tcs, ALastPlayedTCThatIsNoNumberStopsThePass) {
  Game("A.grp");
  for (const char* value : {"abc", "1x", "0x1", "$1", "1.0"}) {
    WriteIni(std::string("[Tarvolin]\r\nLastPlayedTC=") + value + "\r\n");
    ui.shown.clear();
    Program& p = Start();
    p.Activate();
    ASSERT_EQ(ui.shown.size(), 1u) << value;
    EXPECT_EQ(ui.shown[0].kind, "error");
    EXPECT_EQ(ui.shown[0].text, std::string("'") + value + "' is not a valid integer value.");
    EXPECT_FALSE(p.View().listsVisible);
    EXPECT_EQ(p.View().caption, "Tarvolin - vx.x");
  }
}

TEST_F(Tcs, TheMouseReleaseRemembersTheSelectedRow) {
  Game("A.grp");
  Game("B.grp");
  Program& p = Start();
  p.Activate();
  const struct {
    int click;
    const char* remembered;
  } cases[] = {{1, "1"}, {0, "0"}, {-1, "-1"}, {7, "-1"}};
  for (const auto& c : cases) {
    p.SelectTc(c.click);
    p.RememberTc();
    EXPECT_EQ(p.CurrentSettings().lastPlayedTC, c.remembered) << c.click;
  }
}

TEST_F(Tcs, ThePassPacksAndReadsTheOpinions) {
  for (const char* g : {"A.grp", "B.grp", "C.grp", "D.grp"}) Game(g);
  WriteIni("[TarvolinTC]\r\nTC_00=3 A.grp\r\nTC_01=0 B.grp\r\nTC_02=0 C.grp\r\nTC_03=5 D.grp\r\n");
  Program& p = Start();
  p.Activate();
  const std::string ini = Ini();
  EXPECT_NE(ini.find("[TarvolinTC]\r\nTC_00=3 A.grp\r\nTC_01=5 D.grp\r\n"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("TC_02"), std::string::npos);
  EXPECT_EQ(Codes(), (std::vector<int>{3, 0, 0, 5}));

  // Every pass starts from no opinions: an entry taken away takes its colour.
  std::string edited = ini;
  edited.erase(edited.find("TC_01=5 D.grp\r\n"), 15);
  WriteIni(edited);
  p.Activate();
  EXPECT_EQ(Codes(), (std::vector<int>{3, 0, 0, 0}));
}

TEST_F(Tcs, AnOpinionOfTheOlderFormIsConvertedAndStillColours) {
  Game("Mytc.grp");
  Game("Mytc.ini", "[Mytc.Options]\r\nGameNAME=My Great TC\r\n");
  WriteIni("[TarvolinTC]\r\nTC_00=4 My Great TC\r\n");
  Program& p = Start();
  p.Activate();
  EXPECT_NE(Ini().find("TC_00=4 Mytc.grp\r\n"), std::string::npos);
  EXPECT_EQ(Rows(), std::vector<std::string>{"My Great TC"});
  EXPECT_EQ(Codes(), std::vector<int>{4});
}

TEST_F(Tcs, TheRightButtonOpensTheOpinionWindowForATC) {
  Game("A.grp");
  Game("Sep.grp");
  Game("Sep.ini", "[Sep.Options]\r\nGameNAME=-------------\r\n");
  Program& p = Start();
  p.Activate();
  const struct {
    int row;
    bool opens;
  } cases[] = {{-1, false}, {1, false}, {0, true}};
  for (const auto& c : cases) {
    ui.beeps.clear();
    ui.modals.clear();
    p.SelectTc(c.row);
    p.OpenTcOpinion();
    EXPECT_EQ(ui.modals, c.opens ? std::vector<Window>{Window::Opinion} : std::vector<Window>{}) << c.row;
    EXPECT_EQ(ui.beeps, c.opens ? std::vector<BeepKind>{BeepKind::Information} : std::vector<BeepKind>{}) << c.row;
  }
}

TEST_F(Tcs, TheMapsOfATCAreNamedByItsRowText) {
  Game("Mytc.grp", fixture::GroupFileBytes({{"E1L1.MAP", fixture::FillerBytes(300)}, {"BOSS.MAP", ""}}));
  Game("Zipped.zip", fixture::ZipBytes({{"LEVEL1.MAP", "m"}}));
  Game("Renamed.grp", fixture::GroupFileBytes({{"R1.MAP", fixture::FillerBytes(300)}}));
  Game("Renamed.ini", "[Renamed.Options]\r\nGameNAME=Its Real Name\r\n");
  Program& p = Start();
  p.Activate();
  ASSERT_EQ(Rows(), (std::vector<std::string>{"Mytc", "Its Real Name", "Zipped"}));

  p.ListTCLevels(0);
  EXPECT_EQ(p.TcLevelNames(), (std::vector<std::string>{"E1L1", "BOSS"}));
  EXPECT_EQ(p.TcLevelsName(), "Mytc");
  // No file is named after the row: no level names, never the last TC's.
  p.ListTCLevels(1);
  EXPECT_EQ(p.TcLevelNames(), std::vector<std::string>{});
  EXPECT_EQ(p.TcLevelsName(), "Its Real Name");
  p.ListTCLevels(2);
  EXPECT_EQ(p.TcLevelNames(), std::vector<std::string>{"LEVEL1"});
  EXPECT_EQ(p.TcLevelsName(), "Zipped");
  // The same TC again keeps the table as it is.
  Game("Zipped.zip", fixture::ZipBytes({{"OTHER.MAP", "m"}}));
  p.ListTCLevels(2);
  EXPECT_EQ(p.TcLevelNames(), std::vector<std::string>{"LEVEL1"});
}

TEST_F(Tcs, AGroupFileThatChangedIsScannedAgain) {
  Game("Mytc.grp", fixture::GroupFileBytes({{"TILES.ART", "a"}}));
  Game("Mytc.ini", "[Mytc.Options]\r\nGameName=Mytc\r\n");
  fixture::SetFileTime(Path("Games/Mytc.grp"), 1600000000);
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(p.Tcs().at(0).mapFile, "");
  Game("Mytc.grp", fixture::GroupFileBytes({{"MYTC.MAP", "mm"}}));
  fixture::SetFileTime(Path("Games/Mytc.grp"), 1600000000);
  p.Activate();
  EXPECT_EQ(p.Tcs().at(0).mapFile, "mytc.map");
}

TEST_F(Tcs, ARepeatedPassWritesNoTCFile) {
  Game("Mytc.grp", fixture::GroupFileBytes({{"MYTC.CON", "c"}}));
  Game("Other.zip", fixture::ZipBytes({{"OTHER.MAP", fixture::FillerBytes(20000)}}));
  WriteIni("[TarvolinTC]\r\nTC_00=3 Mytc.grp\r\n");
  Program& p = Start();
  p.Activate();
  for (const char* f : {"Games/Mytc.ini", "Games/Other.ini"}) fixture::SetFileTime(Path(f), 1600000000);
  p.Activate();
  for (const char* f : {"Games/Mytc.ini", "Games/Other.ini"}) EXPECT_EQ(fixture::FileTime(Path(f)), 1600000000) << f;
  EXPECT_EQ(p.Tcs().at(1).mapFile, "other.map");
}

TEST_F(Tcs, TheScansAreKeptInTheCacheFolderWhenOneCanBeMade) {
  Game("Mytc.grp", fixture::GroupFileBytes({{"MYTC.MAP", "m"}}));
  now = std::time(nullptr) + 3600;  // the group file is not new then
  for (const char* folder : {"cache/tarvolin/", "Games/Mytc.grp/tarvolin/"}) {
    cacheFolder = Path(folder);
    Program& p = Start();
    p.Activate();
    EXPECT_EQ(p.Tcs().at(0).mapFile, "mytc.map") << folder;
    EXPECT_TRUE(ui.shown.empty()) << folder;
  }
  std::string kept;
  for (const auto& entry : std::filesystem::directory_iterator(Path("cache/tarvolin")))
    kept += fixture::ReadFile(entry.path());
  EXPECT_NE(kept.find(Path("Games/Mytc.grp")), std::string::npos);
}

}  // namespace
}  // namespace tv::test
