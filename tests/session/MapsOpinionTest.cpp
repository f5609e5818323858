#include <gtest/gtest.h>

#include "MapsTest.h"
#include "session/OpinionChooser.h"
#include "catalog/Opinion.h"

namespace tv::test {
namespace {

constexpr int kCancelled = -1;
constexpr int kClosed = -2;  // by the system menu

class MapOpinion : public MapsTest {
 protected:
  // Plays the user in the opinion window: a click on the row of the code,
  // Cancel, or closing it by the system menu.
  void Answer(int code) {
    ui.onModal = [this, code](Window w) {
      ASSERT_EQ(w, Window::Opinion);
      OpinionChooser& opinions = program->Opinions();
      opinions.Prepare();
      shownTopLine = opinions.topLine;
      if (code == kCancelled) opinions.Cancel();
      for (std::size_t row = 0; row < kOpinionRows.size(); ++row)
        if (kOpinionRows[row].code == code) opinions.ChooseOpinion(row);
    };
  }
  std::string Export(const std::string& name = "TarvolinMaps0.txt") const {
    return fixture::Exists(Path(name)) ? fixture::ReadFile(Path(name)) : "(none)";
  }
  std::string shownTopLine;
};

TEST_F(MapOpinion, ARowSetsTheFileTimeOnlyThenTheListIsExportedSilently) {
  Map("Maps/a.map");
  fixture::WriteFile(Path("Maps/b.map"), fixture::MapBytes({1, 4, 270}));
  const std::string bytes = fixture::ReadFile(Path("Maps/b.map"));
  Settings("FolderMap0=B.map\r\nOpinionPath=/mnt/other\r\n");
  Program& p = Start();
  p.Activate();
  Answer(3);
  ui.beeps.clear();
  p.OpenMapOpinion();

  EXPECT_EQ(shownTopLine, "B.map - 12kb");
  EXPECT_EQ(p.Opinions().mapName, "B.map");
  EXPECT_EQ(p.Opinions().opinionPath, "/mnt/other/");
  EXPECT_TRUE(p.Opinions().CompareVisible());
  EXPECT_EQ(fixture::ReadFile(Path("Maps/b.map")), bytes);
  const std::tm t = LocalTime(fixture::FileTime(Path("Maps/b.map")));
  EXPECT_EQ((t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday, 20261206);
  EXPECT_EQ(t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec, 3 * 3600);
  EXPECT_EQ(Codes(), (std::vector<int>{0, 3}));
  EXPECT_NE(Ini().find("SortedMaps=0"), std::string::npos) << "the settings are saved";
  // One rated map is exported as well as two.
  EXPECT_EQ(Export(), "B.map           \t[Red]    - Map was Bad.\r\n");
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
}

TEST_F(MapOpinion, CancelAppliesAndExportsNothingWhileClosingStillExports) {
  Map("Maps/a.map", 5);
  Map("Maps/b.map", 1);
  const std::time_t before = fixture::FileTime(Path("Maps/a.map"));
  Program& p = Start();
  p.Activate();
  Answer(kCancelled);
  p.OpenMapOpinion();
  EXPECT_EQ(fixture::FileTime(Path("Maps/a.map")), before);
  EXPECT_EQ(Export(), "(none)");
  Answer(kClosed);
  p.OpenMapOpinion();
  EXPECT_EQ(fixture::FileTime(Path("Maps/a.map")), before);
  EXPECT_EQ(Export(),
            "A.map           \t[Yellow] - Map was Excellent.\r\n"
            "B.map           \t[Green]  - Map was Good.\r\n");
}

TEST_F(MapOpinion, ClearingWritesHourNineWhichReadsAsNoOpinion) {
  fixture::WriteFile(Path("Maps/a.map"), "");
  fixture::SetFileTime(Path("Maps/a.map"), fixture::LocalTimeAt(4));
  Program& p = Start();
  p.Activate();
  Answer(0);
  p.OpenMapOpinion();
  EXPECT_EQ(LocalTime(fixture::FileTime(Path("Maps/a.map"))).tm_hour, 9);
  EXPECT_EQ(Codes(), std::vector<int>{0});
  EXPECT_EQ(shownTopLine, "A.map") << "no size part for an empty file";
  EXPECT_EQ(Export(), "(none)");
}

TEST_F(MapOpinion, ARightClickWithoutASelectedMapDoesNothing) {
  fixture::MakeFolder(Path("Maps"));
  Program& p = Start();
  p.Activate();
  p.OpenMapOpinion();
  EXPECT_TRUE(ui.beeps.empty());
  EXPECT_TRUE(ui.modals.empty());
}

TEST_F(MapOpinion, InMultiSelectModeEverySelectedMapGetsTheOpinion) {
  const struct {
    bool multi;
    std::vector<int> codes;
  } cases[] = {{false, {6, 0, 0}}, {true, {6, 0, 6}}};
  for (const auto& c : cases) {
    Map("Maps/a.map");
    Map("Maps/b.map");
    Map("Maps/c.map");
    Program& p = Start();
    p.Activate();
    if (c.multi) p.ToggleMultiSelect();
    p.SelectMaps({0, 2});
    Answer(6);
    p.OpenMapOpinion();
    EXPECT_EQ(Codes(), c.codes) << c.multi;
  }
}

TEST_F(MapOpinion, AMapWhoseTimeCannotBeSetKeepsItsColour) {
  Map("Maps/a.map");
  Map("Maps/b.map");
  Program& p = Start();
  p.Activate();
  p.ToggleMultiSelect();
  p.SelectMaps({0, 1});
  std::remove(Path("Maps/a.map").c_str());
  p.SetMapOpinion(2);
  EXPECT_EQ(Codes(), (std::vector<int>{0, 2}));
}

TEST_F(MapOpinion, TheMenuExportWritesTheListInItsOrderAndBeeps) {
  const struct {
    const char* folder;
    const char* slot;
    const char* file;
  } cases[] = {{"Maps3", "3", "TarvolinMaps3.txt"}, {"Mapsdm", "4", "TarvolinMaps7.txt"}};
  for (const auto& c : cases) {
    fixture::TempFolder other;
    for (const char* folder : {"Maps1", "Maps2", "Maps3"}) fixture::MakeFolder(other.Path() + folder);
    const std::string maps = other.Path() + c.folder + "/";
    fixture::WriteMap(maps + "zz_a_long_map_name.map", 2);
    fixture::WriteMap(maps + "mid.map", 5);
    fixture::WriteMap(maps + "OLIVE.MAP", 8);
    fixture::WriteMap(maps + "aa.map", 12);
    fixture::WriteFile(other.Path() + "Tarvolin.ini",
                       std::string("[Tarvolin]\r\nInitialized=True\r\nLastMapFolder=") + c.slot + "\r\n");
    FileSystem otherFs(other.Path());
    Environment env;
    env.programFolder = other.Path();
    Program p(otherFs, ui, env);
    p.Activate();
    p.SortMaps(2);
    ui.beeps.clear();
    p.ExportMapOpinions();
    EXPECT_EQ(fixture::ReadFile(other.Path() + c.file),
              "Mid.map         \t[Yellow] - Map was Excellent.\r\n"
              "Zz_a_long_map_name.map\t[Blue]   - Map was Fair.\r\n")
        << c.folder;
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  }
}

TEST_F(MapOpinion, NothingRatedWritesNoFileAndGivesNoBeep) {
  Map("Maps/a.map", 8);
  Map("Maps/b.map");
  Program& p = Start();
  p.Activate();
  ui.beeps.clear();
  p.ExportMapOpinions();
  EXPECT_EQ(Export(), "(none)");
  EXPECT_TRUE(ui.beeps.empty());
}

TEST_F(MapOpinion, AnExportFileThatCannotBeCreatedIsARunTimeError) {
  Map("Maps/a.map", 1);
  fixture::MakeFolder(Path("TarvolinMaps0.txt"));
  Program& p = Start();
  p.Activate();
  ui.beeps.clear();
  p.ExportMapOpinions();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind, "error");
  EXPECT_EQ(ui.shown[0].text, "Cannot create file \"" + Path("TarvolinMaps0.txt") + "\".");
  EXPECT_TRUE(ui.beeps.empty());
}

}  // namespace
}  // namespace tv::test
