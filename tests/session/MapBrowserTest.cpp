// The map list: folders, the remembered map, orders, opinions, their export and the comparison with the same map in
// another installation.
#include "support/ProgramFixture.h"
#include "catalog/Opinion.h"
#include "session/OpinionChooser.h"

namespace tv::test {
namespace {

using MapBrowserTest = ProgramTest;

TEST_F(MapBrowserTest, AThousandMapsOrMoreWarnOncePerLoadWithoutLeavingTheFolder) {
  for (const int maps : {999, 1000}) {
    fixture::TempFolder other;
    for (int i = 0; i < maps; ++i) fixture::WriteFile(other.Path() + "Maps/m" + std::to_string(10000 + i) + ".map", "");
    fixture::MakeFolder(other.Path() + "Maps1");
    fixture::WriteFile(other.Path() + "Tarvolin.ini", "[Tarvolin]\r\nInitialized=True\r\nLastMapFolder=1\r\n");
    FileSystem otherFs(other.Path());
    RecordingUi otherUi;
    Program p(otherFs, otherUi, {other.Path(), {"dd/MM/yyyy", "HH:mm:ss"}});
    p.Activate();
    p.Maps().OpenFolder(0);
    EXPECT_EQ(p.View().mapRows.size(), std::size_t(maps));
    EXPECT_EQ(p.View().mapHeading, "Maps from Maps") << "the warning must not take the user back";
    const std::string warning = "Folder exceeds maximim limit of 1000 Maps!\nPlease create new Maps(n) folder.";
    ASSERT_EQ(otherUi.shown.size(), maps == 1000 ? 1u : 0u) << maps;
    EXPECT_EQ(otherUi.shown.empty() ? warning : otherUi.shown[0].text, warning);
  }
}

TEST_F(MapBrowserTest, RowsSelectTheRememberedMapByExactText) {
  for (const char* map : {"Maps/aaa.map", "Maps/E1L1.MAP", "Maps/zzz.MAP"}) Map(map);
  const std::pair<const char*, const char*> cases[] = {
      {"E1l1.map", "E1l1.map"}, {"E1L1.MAP", "Aaa.map"}, {"", "Aaa.map"}, {"Zzz.map", "Zzz.map"}};
  for (const auto& [remembered, selected] : cases) {
    Started(std::string("FolderMap0=") + remembered + "\r\n");
    EXPECT_EQ(MapRows(), (std::vector<std::string>{"Aaa.map", "E1l1.map", "Zzz.map"}));
    EXPECT_EQ(SelectedMap(), selected) << remembered;
  }
}

TEST_F(MapBrowserTest, AMenuEntryLoadsItsFolderWithItsRememberedMapAndAReleaseRemembersAnother) {
  for (const auto& [map, hour] : {std::pair{"Maps/a.map", 5}, {"Maps1/b.map", 3}, {"Maps1/c.map", 5}, {"Maps1/d.map", 12}})
    Map(map, hour);
  Program& p = Started("SortedMaps=1\r\nFolderMap1=D.map\r\nLastMapFolder=3\r\n");
  EXPECT_EQ(p.View().mapHeading, "Maps from Maps") << "a remembered folder that is gone";
  p.Maps().OpenFolder(1);
  EXPECT_EQ(std::tuple(p.View().mapHeading, MapRows(), SelectedMap(), p.CurrentSettings().lastMapFolder),
            std::tuple("Maps from Maps1", std::vector<std::string>{"B.map", "C.map", "D.map"}, "D.map", 1));
  EXPECT_EQ(MapCodes(), (std::vector<int>{3, 5, 0}));
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  p.Maps().Select({1});
  p.Maps().Remember();
  EXPECT_EQ(p.CurrentSettings().folderMap[1] + "|" + p.CurrentSettings().folderMap[0], "C.map|");
}

TEST_F(MapBrowserTest, TheHintNamesTheSizeAndAReadmeBesideTheMapWhichTheReadmeWindowShows) {
  fixture::WriteSparseFile(Path("Maps/big.map"), 123456);
  fixture::WriteSparseFile(Path("Maps/small.map"), 999);
  Put("Maps/BIG.TXT", "read me");
  Program& p = Started();
  EXPECT_EQ((p.Maps().Select({0}), p.View().mapHint), "Big.map  -  Size: 123K\nRightclick for Options.\nDoubleclick for Readme.");
  EXPECT_EQ((p.Maps().OpenReadMe(), ui.windows.back() + ": " + ui.readMeText), "readMe Text Information for: Big: read me");
  EXPECT_EQ((p.Maps().Select({1}), p.View().mapHint), "Small.map  -  Size: 0K\nRightclick for Options.");
  EXPECT_EQ((p.Maps().OpenReadMe(), ui.readMeText), "The file: Small.txt was not found!");
}

TEST_F(MapBrowserTest, SeveralSelectedMapsDisableTheStartButtonsUntilMultiSelectEnds) {
  for (const char* map : {"Maps/a.map", "Maps/b.map", "Maps/c.map"}) Map(map);
  Program& p = Started();
  p.Maps().ToggleMultiSelect();
  p.Maps().Select({2, 0});
  EXPECT_EQ(p.View().mapSelected, (std::vector<int>{0, 2}));
  EXPECT_FALSE(p.View().mapButtonEnabled || p.View().tcButtonEnabled || p.View().playEnabled);
  p.Maps().ToggleMultiSelect();
  EXPECT_EQ(p.View().mapSelected, std::vector<int>{0});
  EXPECT_TRUE(p.View().mapButtonEnabled && p.View().tcButtonEnabled && p.View().playEnabled);
}

TEST_F(MapBrowserTest, EachOrderShowsItsRowsKeepsTheClickedMapAndIsAppliedAtTheNextStart) {
  Map("Maps/a.map", 3, 1);  // bad
  Map("Maps/b.map", 5, 3);  // excellent, the biggest
  Map("Maps/c.map", 12, 2);
  Map("Maps/d.map", 1, 1);  // good
  Program& p = Started("FolderMap0=C.map\r\n");
  const std::pair<int, std::vector<std::string>> cases[] = {{2, {"B.map", "D.map", "A.map", "C.map"}},
                                                              {3, {"A.map", "D.map", "C.map", "B.map"}},
                                                              {4, {"B.map", "D.map", "C.map"}},
                                                              {1, {"A.map", "B.map", "C.map", "D.map"}}};
  for (const auto& [entry, rows] : cases) {
    p.Maps().Sort(entry);
    EXPECT_EQ(MapRows(), rows) << entry;
    EXPECT_EQ(SelectedMap(), "C.map") << entry;
    std::array<bool, 4> checked{};
    checked[std::size_t(entry - 1)] = true;
    EXPECT_EQ(std::pair(p.View().mapSortChecked, p.CurrentSettings().sortedMaps), std::pair(checked, long(entry - 1)));
  }
  p.Maps().Sort(3);
  p.Quit();
  Start().Activate();
  EXPECT_EQ(MapRows(), (std::vector<std::string>{"A.map", "D.map", "C.map", "B.map"}));
}

TEST_F(MapBrowserTest, AnOpinionSetsTheFileTimeOnlyAndExportsTheListSilently) {
  Map("Maps/a.map");
  fixture::WriteFile(Path("Maps/b.map"), fixture::MapBytes({1, 4, 270}));
  Program& p = Started("FolderMap0=B.map\r\nOpinionPath=/mnt/other\r\n");
  AnswerOpinion(3);
  ui.beeps.clear();
  p.Maps().OpenOpinion();
  EXPECT_EQ(ui.windows, std::vector<std::string>{"opinion B.map - 12kb"});
  const std::tm t = LocalTime(fixture::FileTime(Path("Maps/b.map")));
  EXPECT_EQ(std::tuple(t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec), std::tuple(126, 11, 6, 3, 0, 0));
  EXPECT_EQ(MapCodes(), (std::vector<int>{0, 3}));
  EXPECT_EQ(fixture::ReadFile(Path("TarvolinMaps0.txt")), "B.map           \t[Red]    - Map was Bad.\r\n");
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information}) << "the window's beep only";

  // Cancel applies and exports nothing; the list keeps what the files hold.
  fixture::WriteFile(Path("TarvolinMaps0.txt"), "old");
  ui.opinion = {OpinionAnswer::By::Cancel};
  p.Maps().OpenOpinion();
  EXPECT_EQ(fixture::ReadFile(Path("TarvolinMaps0.txt")), "old");
  EXPECT_EQ(LocalTime(fixture::FileTime(Path("Maps/b.map"))).tm_hour, 3);
}

TEST_F(MapBrowserTest, InMultiSelectModeEverySelectedMapWhoseTimeCanBeSetGetsTheOpinion) {
  for (const char* map : {"Maps/a.map", "Maps/b.map", "Maps/c.map"}) Map(map);
  Program& p = Started();
  p.Maps().ToggleMultiSelect(), p.Maps().Select({0, 1, 2});
  std::filesystem::remove(Path("Maps/b.map"));
  AnswerOpinion(1);  // good; the pass then finds b gone
  p.Maps().OpenOpinion();
  EXPECT_EQ(MapCodes(), (std::vector<int>{1, 1}));
}

TEST_F(MapBrowserTest, TheMenuExportWritesTheRatedMapsOfTheFolderInTheirOrder) {
  Map("Maps/zz_a_long_map_name.map", 2);
  Map("Maps/mid.map", 5);
  Map("Maps/aa.map");
  Program& p = Started();
  p.Maps().Sort(2);
  ui.beeps.clear();
  p.Maps().ExportOpinions();
  EXPECT_EQ(fixture::ReadFile(Path("TarvolinMaps0.txt")),
            "Mid.map         \t[Yellow] - Map was Excellent.\r\n"
            "Zz_a_long_map_name.map\t[Blue]   - Map was Fair.\r\n");
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});

  std::filesystem::remove(Path("TarvolinMaps0.txt"));
  fixture::MakeFolder(Path("TarvolinMaps0.txt"));
  EXPECT_THROW(p.Maps().ExportOpinions(), RunTimeError);
  p.Handle([&] { p.Maps().ExportOpinions(); });
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Cannot create file \"" + Path("TarvolinMaps0.txt") + "\".");
}

TEST_F(MapBrowserTest, TheHistoryRowsTakeTheOpinionsOfTheListedMaps) {
  Map("Maps/a.map", 2);
  Map("Maps/b.map", 5);
  Started("[History]\r\nPlayedMaps[0]=B.map\r\nPlayedMaps[1]=gone.map\r\n").Maps().ShowHistory();
  const auto& rows = ui.historyRows;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(std::tuple(rows[0].name, rows[0].opinion, rows[1].opinion), std::tuple("B.map", 5, 0));
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
}

constexpr Rgb kGrey{128, 128, 128};

TEST(OpinionChooserTest, TheComparisonReadsTheHourOfTheSameMapInTheOtherInstallation) {
  // The map's file relative to the other installation ("" for a TC's opening), its hour, the long time format.
  const struct { const char* file; int hour; const char* longTime; std::string verdict; Rgb colour; } cases[] = {
      {"Maps3/pool.map", 2, "HH:mm:ss t", "Map played and was fair.", OpinionColor(2)},
      {"Maps6/POOL.MAP", 7, "HH:mm:ss t", "Map played and crashes or hangs.", OpinionColor(7)},
      {"Maps/Pool.map", 14, "h:mm:ss AP t", "Map played and was fair.", OpinionColor(2)},
      {"Maps1/Pool.map", 8, "HH:mm:ss t", "Map not played yet.", OpinionColor(8)},
      {"Maps1/Pool.map", 10, "HH:mm:ss t", "Map not played yet.", OpinionColor(0)},
      {"Maps7/Pool.map", 1, "HH:mm:ss t", "Map not found!", kGrey},
      {"Pool.map", 1, "HH:mm:ss t", "Map not found!", kGrey},
      {"", 1, "HH:mm:ss t", "Map not found!", kGrey},
  };
  for (const auto& c : cases) {
    fixture::TempFolder installation;
    fixture::WriteMap(installation.Path() + (*c.file ? c.file : "Maps/Pool.map"), c.hour);
    FileSystem fs(installation.Path());
    RecordingUi ui;
    Session session(fs, ui, {installation.Path(), {"dd/MM/yyyy", c.longTime}});
    OpinionChooser opinions(session);
    // Without its separator: one is added.
    opinions.SetOtherInstallation(installation.Path().substr(0, installation.Path().size() - 1));
    ui.compare = true;
    const std::string map = *c.file ? "Pool.map" : "";
    opinions.Choose("top", map, [](int) { FAIL() << "closed by its frame"; });
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation}) << c.file;
    ASSERT_EQ(ui.verdicts.size(), 1u);
    EXPECT_EQ(ui.verdicts[0].text, map + "\n\n" + c.verdict) << c.file << " " << c.hour;
    EXPECT_EQ(ui.verdicts[0].colour, c.colour) << c.file << " " << c.hour;
  }
}

}  // namespace
}  // namespace tv::test
