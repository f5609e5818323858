#include <gtest/gtest.h>

#include "MapsTest.h"

namespace tv::test {
namespace {

class MapOrder : public MapsTest {
 protected:
  // Opinions and sizes as in the worked example of the exchange procedure:
  // A excellent, B good, C none, D bad, E olive, F excellent; sizes in
  // sprites 3 2 2 1 3 2.
  void SetUp() override {
    Map("Maps/a.map", 5, 3);
    Map("Maps/b.map", 1, 2);
    Map("Maps/c.map", 12, 2);
    Map("Maps/d.map", 3, 1);
    Map("Maps/e.map", 8, 3);
    Map("Maps/f.map", 5, 2);
  }
};

TEST_F(MapOrder, EachMenuEntryShowsItsOrderChecksItselfAndSetsTheSortMode) {
  const struct {
    int entry;
    std::vector<std::string> rows;
    std::vector<int> codes;
  } cases[] = {
      {2, {"A.map", "F.map", "B.map", "D.map", "E.map", "C.map"}, {5, 5, 1, 3, 8, 0}},
      {3, {"D.map", "C.map", "B.map", "F.map", "E.map", "A.map"}, {3, 0, 1, 5, 8, 5}},
      {4, {"A.map", "F.map", "B.map", "C.map"}, {5, 5, 1, 0}},
      {1, {"A.map", "B.map", "C.map", "D.map", "E.map", "F.map"}, {5, 1, 0, 3, 8, 5}},
      {3, {"D.map", "C.map", "B.map", "F.map", "E.map", "A.map"}, {3, 0, 1, 5, 8, 5}},  // after "Best Maps": all
  };
  Settings("FolderMap0=B.map\r\n");
  Program& p = Start();
  p.Activate();
  for (const auto& c : cases) {
    ui.beeps.clear();
    p.SortMaps(c.entry);
    EXPECT_EQ(Rows(), c.rows) << c.entry;
    EXPECT_EQ(Codes(), c.codes) << c.entry;
    EXPECT_EQ(Selected(), "B.map") << c.entry;
    std::array<bool, 4> checked{};
    checked[std::size_t(c.entry - 1)] = true;
    EXPECT_EQ(p.View().mapSortChecked, checked) << c.entry;
    EXPECT_EQ(p.CurrentSettings().sortedMaps, c.entry - 1);
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Information});
  }
}

TEST_F(MapOrder, AClickedMapStaysSelectedWhenTheOrderChanges) {
  const struct {
    const char* clicked;
    int entry;
  } cases[] = {{"E.map", 2}, {"A.map", 3}, {"D.map", 1}, {"C.map", 3}, {"F.map", 4}, {"B.map", 1}};
  Settings("FolderMap0=B.map\r\n");
  Program& p = Start();
  p.Activate();
  for (const auto& c : cases) {
    const std::vector<std::string> rows = Rows();
    p.SelectMaps({int(std::find(rows.begin(), rows.end(), c.clicked) - rows.begin())});  // a click: press
    p.RememberMap();                                                                     // and release
    ASSERT_EQ(Selected(), c.clicked);
    p.SortMaps(c.entry);
    EXPECT_EQ(Selected(), c.clicked) << "sorted by entry " << c.entry;
  }
}

TEST_F(MapOrder, TheSavedSortModeIsAppliedAtStartUp) {
  const struct {
    const char* mode;
    std::string firstRow;
    std::size_t rows;
    int checked;
  } cases[] = {{"0", "A.map", 6, 0}, {"1", "A.map", 6, 1}, {"2", "D.map", 6, 2},
               {"3", "A.map", 4, 3}, {"7", "A.map", 6, 0}, {"x", "A.map", 6, 0}};
  for (const auto& c : cases) {
    Settings(std::string("SortedMaps=") + c.mode + "\r\nFolderMap0=D.map\r\n");
    Program& p = Start();
    p.Activate();
    EXPECT_EQ(Rows().front(), c.firstRow) << c.mode;
    EXPECT_EQ(Rows().size(), c.rows) << c.mode;
    EXPECT_TRUE(p.View().mapSortChecked[std::size_t(c.checked)]) << c.mode;
    EXPECT_EQ(Selected(), c.rows == 4 ? "A.map" : "D.map") << "the red map is not among the best";
  }
}

TEST_F(MapOrder, BestMapsWithoutExcellentOrGoodShowsTheUnratedOnly) {
  Map("Maps1/x.map", 2);
  Map("Maps1/y.map", 12);
  Map("Maps1/z.map", 7);
  Map("Maps1/w.map", 10);
  Program& p = Start();
  p.Activate();
  p.OpenMapFolder(1);
  p.SortMaps(4);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"W.map", "Y.map"}));
}

TEST_F(MapOrder, OrdersAreWorkedOutOncePerLoad) {
  Program& p = Start();
  p.Activate();
  p.SortMaps(2);
  p.SortMaps(3);
  fixture::SetFileTime(Path("Maps/c.map"), fixture::LocalTimeAt(5));  // rated elsewhere
  fixture::WriteMap(Path("Maps/d.map"), 3, {1, 4, 9});                // and grown
  p.SortMaps(2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"A.map", "F.map", "B.map", "D.map", "E.map", "C.map"}));
  p.SortMaps(3);
  EXPECT_EQ(Rows().front(), "D.map");
  p.OpenMapFolder(0);
  p.SortMaps(2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"A.map", "C.map", "F.map", "B.map", "D.map", "E.map"}));
  p.SortMaps(3);
  EXPECT_EQ(Rows().back(), "D.map");
}

TEST_F(MapOrder, AnOpinionChangesOnlyTheTableOfTheOrderShown) {
  Settings("FolderMap0=C.map\r\n");
  Program& p = Start();
  p.Activate();
  p.SortMaps(2);  // C shows last, unrated
  p.SetMapOpinion(7);
  EXPECT_EQ(Codes().back(), 7);
  p.SortMaps(1);
  EXPECT_EQ(Codes()[2], 0) << "the alphabetical table keeps the previous code until the next load";
  p.SortMaps(2);
  EXPECT_EQ(Codes().back(), 7);
  p.OpenMapFolder(0);
  EXPECT_EQ(Codes()[2], 7) << "the file time is what lasts";
}

}  // namespace
}  // namespace tv::test
