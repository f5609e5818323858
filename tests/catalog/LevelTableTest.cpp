#include <gtest/gtest.h>

#include <functional>

#include "catalog/LevelTable.h"
#include "launch/PlayPaths.h"

namespace tv {
namespace {

TEST(LevelTable, StockRowsAreTheFourEpisodesPartedBySeparators) {
  const struct {
    int row;
    const char* level;
    const char* title;
  } cases[] = {
      {0, "E1L1", "Hollywood Holocaust"}, {7, "E1L8", "User Map"},
      {10, "E1L11", "Antiprofit"},        {11, "  ", ""},
      {16, "E2L5", "Occupied Territory"}, {23, "  ", ""},
      {27, "E3L4", "L.A. Rumble"},        {35, "  ", ""},
      {36, "E4L1", "It's Impossible"},    {37, "E4L2", "Duke-Burger"},
      {38, "E4L3", "Shop-n-Bag"},         {42, "E4L7", "xxx-Stacy"},
      {46, "E4L11", "Area 51"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kStockLevels[c.row].level, c.level) << c.row;
    EXPECT_EQ(kStockLevels[c.row].title, c.title) << c.row;
  }
}

// The switches come from the row's position; they must name the level its caption shows.
TEST(LevelTable, EveryStockRowsSwitchesMatchItsCaption) {
  int levels = 0;
  for (int i = 0; i < int(std::size(kStockLevels)); ++i) {
    const std::string level(kStockLevels[i].level);
    if (level == kLevelSeparator) continue;
    ++levels;
    const std::size_t l = level.find('L');
    const std::string number = level.substr(l + 1);
    const std::string expected = " -v" + level.substr(1, l - 1) + " -l" + (number.size() == 1 ? "0" : "") + number;
    EXPECT_EQ(StockLevelSwitches(i), expected) << i;
  }
  EXPECT_EQ(levels, 44);
}

TEST(LevelChooser, SelectReturnsTheChosenRowsSwitchesOrStaysOpen) {
  const struct {
    int row;
    bool closes;
    const char* switches;
    const char* mapFile;
  } cases[] = {
      {16, true, " -v2 -l05", "E2L5.map"},
      {46, true, " -v4 -l11", "E4L11.map"},
      {8, true, " -v1 -l09", "E1L9.map"},
      {0, true, " -v1 -l01", "E1L1.map"},
      {12, true, " -v2 -l01", "E2L1.map"},
      {34, true, " -v3 -l11", "E3L11.map"},
      {11, false, "", ""},
      {35, false, "", ""},
      {-1, false, "", ""},
      {47, false, "", ""},
  };
  for (const auto& c : cases) {
    LevelChooser w;
    w.PrepareStock();
    w.Prepare();
    ASSERT_EQ(w.Rows().size(), 47u);
    EXPECT_EQ(w.Select(c.row), c.closes) << c.row;
    EXPECT_EQ(w.LevelSwitches(), c.switches) << c.row;
    EXPECT_EQ(w.MapFile(), c.mapFile) << c.row;
  }
}

TEST(LevelChooser, ChosenLevelAtSkillThreeMakesTheStockLevelLine) {
  LevelChooser w;
  w.Prepare();
  ASSERT_TRUE(w.Select(16));
  EXPECT_EQ(ComposeLevel("Duke3dw.exe", w.LevelSwitches(), "3", false).parameters.Text(), " -v2 -l05 /s3");
}

TEST(LevelChooser, SeparatorThenCancelLeavesBothResultsEmpty) {
  LevelChooser w;
  w.Prepare();
  ASSERT_TRUE(w.Select(3));
  w.Prepare();  // the next opening starts afresh
  EXPECT_EQ(w.LevelSwitches(), "");
  EXPECT_EQ(w.MapFile(), "");
  EXPECT_FALSE(w.Select(23));
  w.Cancel();
  EXPECT_EQ(w.LevelSwitches(), "");
  EXPECT_EQ(w.MapFile(), "");
}

TEST(LevelChooser, TcModeShowsTheLevelNamesSortedAndReturnsTheMapFile) {
  LevelChooser w;
  w.PrepareTc({"E2L1", "E1L10", "FOO", "E1L2", "ABC"});
  w.Prepare();
  ASSERT_TRUE(w.TcMode());
  std::vector<std::string> shown;
  for (const LevelRow& r : w.Rows()) {
    shown.push_back(r.level);
    EXPECT_EQ(r.title, "");
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"ABC", "E1L10", "E1L2", "E2L1", "FOO"}));
  EXPECT_TRUE(w.Select(4));
  EXPECT_EQ(w.MapFile(), "FOO.map");
}

// A TC with no maps of its own shows the stock table, sorted (the separators
// first), whatever was shown before.
TEST(LevelChooser, TcWithoutLevelNamesShowsTheStockTableSorted) {
  LevelChooser w;
  const std::function<void(LevelChooser&)> shownBefore[] = {[](LevelChooser& c) { c.PrepareStock(); },
                                                           [](LevelChooser& c) { c.PrepareTc({"E1L2", "E1L1"}); }};
  for (const auto& before : shownBefore) {
    before(w);
    w.Prepare();
    w.PrepareTc({});
    w.Prepare();
    ASSERT_EQ(w.Rows().size(), 47u);
    EXPECT_EQ(w.Rows()[0].level, "  ");
    EXPECT_EQ(w.Rows()[3].level, "E1L1");
    EXPECT_EQ(w.Rows()[3].title, "Hollywood Holocaust");
    EXPECT_EQ(w.Rows()[46].level, "E4L9");
    EXPECT_FALSE(w.Select(0));
    EXPECT_EQ(w.MapFile(), "");
    EXPECT_TRUE(w.Select(3));
    EXPECT_EQ(w.MapFile(), "E1L1.map");
  }
}

TEST(LevelChooser, StockOpeningAfterATcRebuildsTheTableInItsOwnOrder) {
  LevelChooser w;
  w.PrepareTc({"ZZZ"});
  w.Prepare();
  w.PrepareStock();
  w.Prepare();
  ASSERT_EQ(w.Rows().size(), 47u);
  EXPECT_EQ(w.Rows()[0].level, "E1L1");
  EXPECT_EQ(w.Rows()[46].title, "Area 51");
}

}  // namespace
}  // namespace tv
