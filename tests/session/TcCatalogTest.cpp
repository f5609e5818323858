// The TC list: its rows, selection and opinions, the maps of a TC, its folder in any letter case.
#include "support/ProgramFixture.h"
#include "fixture/Groups.h"

namespace tv::test {
namespace {

class TcCatalogTest : public ProgramTest {
 protected:
  void Tc(const std::string& name, const std::string& bytes = "") { Put("Games/" + name, bytes); }
};

TEST_F(TcCatalogTest, LastPlayedTcSelectsItsRowAndAReleaseRemembersTheSelection) {
  for (const char* tc : {"A.grp", "B.grp"}) Tc(tc);
  const std::pair<const char*, int> cases[] = {  // -2: the pass stops with the error{"1", 1},   {"+1", 1},  {"2", -1},  {"-1", -1},
                                               {"", -1},   {"1x", -2}, {"0x1", -2}};
  for (const auto& [value, selected] : cases) {
    WriteIni(std::string("[Tarvolin]\r\nLastPlayedTC=") + value + "\r\n");
    ui.shown.clear();
    Program& p = Start();
    p.Activate();
    const std::string error = std::string("'") + value + "' is not a valid integer value.";
    EXPECT_EQ(p.View().listsVisible, selected != -2) << value;
    EXPECT_EQ(selected == -2 ? ui.shown.at(0).text : std::to_string(p.View().tcSelected),
              selected == -2 ? error : std::to_string(selected)) << value;
  }
  for (const int click : {0, 7}) {
    program->Catalog().Select(click);
    program->Catalog().Remember();
    EXPECT_EQ(program->CurrentSettings().lastPlayedTC, click == 0 ? "0" : "-1");
  }
}

TEST_F(TcCatalogTest, ThePassPacksAndReadsTheOpinionsAndTheWindowStoresOne) {
  for (const char* g : {"A.grp", "B.grp", "C.grp", "D.grp", "Sep.grp"}) Tc(g);
  Tc("Sep.ini", "[Sep.Options]\r\nGameNAME=-------------\r\n");
  WriteIni("[Tarvolin]\r\nLastPlayedTC=2\r\n[TarvolinTC]\r\nTC_00=3 A.grp\r\nTC_01=0 B.grp\r\nTC_02=5 D.grp\r\n");
  Program& p = Start();
  p.Activate();
  EXPECT_NE(Ini().find("[TarvolinTC]\r\nTC_00=3 A.grp\r\nTC_01=5 D.grp\r\n"), std::string::npos) << Ini();
  EXPECT_EQ(TcCodes(), (std::vector<int>{3, 0, 0, 5, 0}));

  for (const int row : {-1, 4}) p.Catalog().Select(row), p.Catalog().OpenOpinion();  // no row, a separator: no window
  EXPECT_TRUE(ui.windows.empty());
  p.Catalog().Select(2);
  AnswerOpinion(7);
  p.Catalog().OpenOpinion();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  EXPECT_NE(Ini().find("TC_02=7 C.grp\r\n"), std::string::npos) << Ini();
  EXPECT_TRUE(ui.shown.empty()) << "LastPlayedTC names the row";
  EXPECT_EQ(TcCodes(), (std::vector<int>{3, 0, 7, 5, 0}));
}

TEST_F(TcCatalogTest, TheMapsOfATcAreNamedByItsRowText) {
  Tc("Zipped.zip", fixture::ZipBytes({{"LEVEL1.MAP", "m"}}));
  Tc("Renamed.grp", fixture::GroupFileBytes({{"R1.MAP", fixture::FillerBytes(300)}}));
  Tc("Renamed.ini", "[Renamed.Options]\r\nGameNAME=Its Real Name\r\n");
  Program& p = Started();
  ASSERT_EQ(TcRows(), (std::vector<std::string>{"Its Real Name", "Zipped"}));
  const std::pair<int, std::vector<std::string>> cases[] = {{0, {}}, {1, {"LEVEL1"}}};
  for (const auto& [row, names] : cases) {
    p.Catalog().ListLevels(row);
    EXPECT_EQ(p.Catalog().LevelNames(), names) << row;
    EXPECT_EQ(p.Catalog().LevelsName(), TcRows()[std::size_t(row)]);
  }
  Tc("Zipped.zip", fixture::ZipBytes({{"OTHER.MAP", "m"}}));
  p.Catalog().ListLevels(1);
  EXPECT_EQ(p.Catalog().LevelNames(), std::vector<std::string>{"LEVEL1"}) << "the same TC again";
}

TEST_F(TcCatalogTest, TheScansAreKeptInTheCacheFolderWhenOneCanBeMade) {
  Tc("Mytc.grp", fixture::GroupFileBytes({{"MYTC.MAP", "m"}}));
  now = std::time(nullptr) + 3600;  // the group file is not new then
  for (const char* folder : {"cache/tarvolin/", "Games/Mytc.grp/tarvolin/"}) {
    cacheFolder = Path(folder);
    EXPECT_EQ(Started().Catalog().Records().at(0).mapFile, "mytc.map") << folder;
    EXPECT_TRUE(ui.shown.empty()) << folder;
  }
  ASSERT_EQ(std::distance(std::filesystem::directory_iterator(Path("cache/tarvolin")), {}), 1);
  EXPECT_NE(fixture::ReadFile(std::filesystem::directory_iterator(Path("cache/tarvolin"))->path()).find(
                Path("Games/Mytc.grp")), std::string::npos);
}

// Folders spelt in another letter case, as unpacked from an archive (the file layer proves the rule).
TEST_F(TcCatalogTest, TheTcAndMusicFoldersAreFoundWhateverTheirCase) {
  Game();
  Put("games/Mytc.grp",
      fixture::GroupFileBytes({{"MYTC.CON", "c"}, {"MYTC.DEF", "d"}, {"MYTC.MAP", fixture::FillerBytes(600)}}));
  fixture::MakeFolder(Path("music"));
  Program& p = Started();
  p.Play().ChooseMapMusic();
  EXPECT_EQ(ui.fileDialogs.at(0).first, Path("music"));
  p.Catalog().Select(0);
  p.Play().StartTc();
  EXPECT_EQ(CommandLine(), Fill("Duke3dw.exe -j{pf}Games -xMytc.con -hmytc.def -gMytc.grp -map mytc.map"));
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace tv::test
