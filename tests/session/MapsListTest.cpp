#include <gtest/gtest.h>

#include "MapsTest.h"

namespace tv::test {
namespace {

using MapList = MapsTest;

TEST_F(MapList, TheFolderMenuOffersTheFoldersFound) {
  const struct {
    std::vector<const char*> folders;
    std::vector<std::string> offered;
  } cases[] = {
      {{"Maps", "Maps1", "Maps2", "Maps4", "Mapsdm"}, {"Maps", "Maps1", "Maps2", "Mapsdm"}},
      {{"Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Maps6", "Mapsdm"},
       {"Maps", "Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Maps6"}},
      {{}, {"Maps"}},
  };
  for (const auto& c : cases) {
    fixture::TempFolder other;
    for (const char* folder : c.folders) fixture::MakeFolder(other.Path() + folder);
    FileSystem otherFs(other.Path());
    Environment env;
    env.programFolder = other.Path();
    Program p(otherFs, ui, env);
    p.Activate();
    std::vector<std::string> offered;
    for (const MenuEntry& entry : p.View().mapFolders)
      if (entry.visible) offered.push_back(entry.caption);
    EXPECT_EQ(offered, c.offered) << c.offered.back();
  }
}

TEST_F(MapList, AFolderOfAThousandMapsOrMoreWarnsOncePerLoadAndListsTheFirstThousand) {
  const struct {
    int maps;
    bool warns;
  } cases[] = {{999, false}, {1000, true}, {1001, true}};
  for (const auto& c : cases) {
    fixture::TempFolder other;
    for (int i = 0; i < c.maps; ++i)
      fixture::WriteFile(other.Path() + "Maps/m" + std::to_string(10000 + i) + ".map", "");
    fixture::MakeFolder(other.Path() + "Maps1");
    fixture::WriteFile(other.Path() + "Tarvolin.ini", "[Tarvolin]\r\nInitialized=True\r\nLastMapFolder=1\r\n");
    FileSystem otherFs(other.Path());
    Environment env;
    env.programFolder = other.Path();
    Program p(otherFs, ui, env);
    p.Activate();
    EXPECT_EQ(p.View().mapHeading, "Maps from Maps1");
    ui.shown.clear();
    ui.beeps.clear();
    const long warnings = c.warns ? 1 : 0;

    p.OpenMapFolder(0);  // the user picks the big folder
    EXPECT_EQ(p.View().mapRows.size(), std::size_t(std::min(c.maps, 1000))) << c.maps;
    EXPECT_EQ(p.View().mapRows.back().text, c.maps == 999 ? "M10998.map" : "M10999.map");
    EXPECT_EQ(p.View().mapHeading, "Maps from Maps") << "the warning must not take the user back";
    EXPECT_EQ(Shown(kLimitWarning), warnings) << c.maps;
    EXPECT_EQ(Beeps(BeepKind::Default), warnings) << c.maps;

    fixture::WriteFile(other.Path() + "Tarvolin.ini", "[Tarvolin]\r\nInitialized=True\r\nLastMapFolder=0\r\n");
    p.Activate();
    p.Activate();
    EXPECT_EQ(Shown(kLimitWarning), 3 * warnings) << "once per pass, " << c.maps;
  }
}

TEST_F(MapList, RowsShowDisplayTextsAndSelectTheRememberedMapByExactText) {
  Map("Maps/aaa.map");
  Map("Maps/E1L1.MAP");
  Map("Maps/zzz.MAP");
  Map("Maps/readme.txt");
  const struct {
    const char* remembered;
    const char* selected;
  } cases[] = {{"E1l1.map", "E1l1.map"},
               {"E1L1.MAP", "Aaa.map"},
               {"gone.map", "Aaa.map"},
               {"", "Aaa.map"},
               {"Zzz.map", "Zzz.map"}};
  for (const auto& c : cases) {
    Settings(std::string("FolderMap0=") + c.remembered + "\r\n");
    Start().Activate();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Aaa.map", "E1l1.map", "Zzz.map"}));
    EXPECT_EQ(Selected(), c.selected) << c.remembered;
  }
}

TEST_F(MapList, ARememberedFolderThatIsGoneLoadsMapsButKeepsItsIndex) {
  Map("Maps/aaa.map");
  Map("Maps/zzz.map");
  fixture::MakeFolder(Path("Maps1"));
  Settings("LastMapFolder=3\r\nFolderMap0=Zzz.map\r\nFolderMap3=Aaa.map\r\n");
  Program& p = Start();
  std::string selectedByTheFirstLoad;
  p.SetPassObserver([&](const char* step) {
    if (std::string(step) == "PackAndLoadTCOpinions") selectedByTheFirstLoad = Selected();
  });
  p.Activate();
  EXPECT_EQ(p.View().mapHeading, "Maps from Maps");
  EXPECT_EQ(selectedByTheFirstLoad, "Zzz.map");
  EXPECT_EQ(p.CurrentSettings().lastMapFolder, 3);
}

TEST_F(MapList, AMenuEntryLoadsItsFolderInLoadOrderWithItsRememberedMap) {
  Map("Maps/a.map", 5);
  Map("Maps1/b.map", 3);
  Map("Maps1/c.map", 5);
  Map("Maps1/d.map");
  Settings("SortedMaps=1\r\nFolderMap1=D.map\r\n");
  Program& p = Start();
  p.Activate();
  const auto checks = p.View().mapSortChecked;
  p.OpenMapFolder(1);
  EXPECT_EQ(p.View().mapHeading, "Maps from Maps1");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"B.map", "C.map", "D.map"}));
  EXPECT_EQ(Codes(), (std::vector<int>{3, 5, 0}));
  EXPECT_EQ(Selected(), "D.map");
  EXPECT_EQ(p.View().mapSortChecked, checks);
  EXPECT_EQ(p.CurrentSettings().lastMapFolder, 1);
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});

  fixture::WriteFile(Path("Maps1/e.map"), "");
  p.OpenMapFolder(1);  // the folder is read again
  EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(MapList, OnATwentyFourHourClockOnlyTheHoursOneToEightAreOpinions) {
  const int hours[] = {0, 1, 4, 8, 9, 13, 23};
  for (const int h : hours) Map("Maps/h" + std::to_string(10 + h) + ".map", h);
  Start().Activate();
  EXPECT_EQ(Codes(), (std::vector<int>{0, 1, 4, 8, 0, 0, 0}));
}

TEST_F(MapList, TheHintNamesTheSizeAndAReadmeBesideTheMap) {
  fixture::WriteSparseFile(Path("Maps/big.map"), 123456);
  fixture::WriteSparseFile(Path("Maps/small.map"), 999);
  fixture::WriteFile(Path("Maps/BIG.TXT"), "read me");
  Program& p = Start();
  p.Activate();
  p.SelectMaps({0});
  EXPECT_EQ(p.View().mapHint, "Big.map  -  Size: 123K\nRightclick for Options.\nDoubleclick for Readme.");
  p.SelectMaps({1});
  EXPECT_EQ(p.View().mapHint, "Small.map  -  Size: 0K\nRightclick for Options.");
}

TEST_F(MapList, MoreThanOneSelectedMapDisablesTheStartButtons) {
  Map("Maps/a.map");
  Map("Maps/b.map");
  Map("Maps/c.map");
  Program& p = Start();
  p.Activate();
  p.ToggleMultiSelect();
  EXPECT_TRUE(p.View().multiSelect);
  const struct {
    std::vector<int> rows;
    bool enabled;
  } cases[] = {{{0, 2}, false}, {{1}, true}, {{0, 1, 2}, false}, {{}, true}};
  for (const auto& c : cases) {
    p.SelectMaps(c.rows);
    const MainView& v = p.View();
    EXPECT_EQ(v.mapButtonEnabled && v.tcButtonEnabled && v.playEnabled, c.enabled) << c.rows.size();
    EXPECT_EQ(v.mapButtonEnabled || v.tcButtonEnabled || v.playEnabled, c.enabled) << c.rows.size();
  }
  p.SelectMaps({0, 2});
  p.ToggleMultiSelect();
  EXPECT_EQ(p.View().mapSelected, std::vector<int>{0});
  EXPECT_TRUE(p.View().mapButtonEnabled);
}

TEST_F(MapList, AMouseReleaseRemembersTheSelectedMapOfTheFolder) {
  Map("Maps/a.map");
  Map("Maps1/b.map");
  Map("Maps1/c.map");
  Program& p = Start();
  p.Activate();
  p.OpenMapFolder(1);
  p.SelectMaps({1});
  p.RememberMap();
  EXPECT_EQ(p.CurrentSettings().folderMap[1], "C.map");
  p.SelectMaps({});
  p.RememberMap();
  EXPECT_EQ(p.CurrentSettings().folderMap[1], "B.map");
  EXPECT_EQ(p.CurrentSettings().folderMap[0], "");
}

TEST_F(MapList, ADoubleClickLooksForTheReadmeInTheProgramMapHelpAndTextFolders) {
  const struct {
    std::vector<const char*> readmes;
    const char* folder;
  } cases[] = {
      {{"Pool.txt", "Maps/Pool.txt", "Help/Pool.txt"}, ""},
      {{"Maps/POOL.TXT", "Help/Pool.txt"}, "Maps/"},
      {{"Help/pool.txt"}, "Help/"},
      {{}, "Text/"},
  };
  for (const auto& c : cases) {
    fixture::TempFolder other;
    fixture::WriteMap(other.Path() + "Maps/POOL.MAP");
    for (const char* readme : c.readmes) fixture::WriteFile(other.Path() + readme, "text");
    FileSystem otherFs(other.Path());
    Environment env;
    env.programFolder = other.Path();
    ui.modals.clear();
    Program p(otherFs, ui, env);
    p.Activate();
    p.OpenMapReadMe();
    EXPECT_EQ(p.InfoFile(), std::make_pair(other.Path() + c.folder, std::string("Pool.txt"))) << c.folder;
    EXPECT_EQ(ui.modals, std::vector<Window>{Window::ReadMe});
  }
}

}  // namespace
}  // namespace tv::test
