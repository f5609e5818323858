// The choosing windows' models: "Select level" (the stock episodes or a TC's
// maps) and "Play Batch File".
#include <gtest/gtest.h>

#include "catalog/BatchFiles.h"
#include "catalog/LevelTable.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

// The row a user picks starts the level its caption shows; a separator, no
// row or a row past the end keeps the window open.
TEST(LevelChooser, EveryStockRowPicksTheLevelItShows) {
  LevelChooser w;
  w.PrepareStock();
  w.Prepare();
  ASSERT_EQ(w.Rows().size(), 47u);
  int levels = 0;
  for (int row = -1; row <= 47; ++row) {
    w.Prepare();
    const std::string level = row >= 0 && row < 47 ? w.Rows()[std::size_t(row)].level : "";
    const bool picks = !level.empty() && level != kLevelSeparator;
    levels += picks ? 1 : 0;
    EXPECT_EQ(w.Select(row), picks) << row;
    const std::size_t l = level.find('L');
    const std::string n = picks ? level.substr(l + 1) : "";
    EXPECT_EQ(w.LevelSwitches(), picks ? " -v" + level.substr(1, l - 1) + " -l" + (n.size() == 1 ? "0" : "") + n : "");
    EXPECT_EQ(w.MapFile(), picks ? level + ".map" : "") << row;
  }
  EXPECT_EQ(levels, 44);
  EXPECT_EQ(w.Rows()[46].title, "Area 51");
  w.Select(0);
  w.Cancel();
  EXPECT_EQ(w.LevelSwitches(), "");
}

TEST(LevelChooser, ATcShowsItsMapsSortedElseTheStockTableSorted) {
  LevelChooser w;
  w.PrepareTc({"E2L1", "E1L10", "FOO", "e1L2", "ABC"});
  w.Prepare();
  ASSERT_TRUE(w.TcMode());
  std::vector<std::string> shown;
  for (const LevelRow& r : w.Rows()) shown.push_back(r.level + r.title);
  EXPECT_EQ(shown, (std::vector<std::string>{"ABC", "E1L10", "e1L2", "E2L1", "FOO"}));
  EXPECT_TRUE(w.Select(4));
  EXPECT_EQ(w.MapFile(), "FOO.map");
  // No maps of its own: the stock table sorted, the separators first, whatever was shown before.
  for (int before = 0; before < 2; ++before) {
    before ? w.PrepareStock() : w.PrepareTc({"E1L2", "E1L1"});
    w.Prepare();
    w.PrepareTc({});
    w.Prepare();
    ASSERT_EQ(w.Rows().size(), 47u);
    EXPECT_EQ(w.Rows()[0].level + w.Rows()[3].level + w.Rows()[3].title + w.Rows()[46].level,
              "  E1L1Hollywood HolocaustE4L9");
    EXPECT_FALSE(w.Select(0));
    EXPECT_EQ(w.MapFile(), "");
    EXPECT_TRUE(w.Select(3));
    EXPECT_EQ(w.MapFile(), "E1L1.map");
  }
  w.PrepareStock();  // back in the stock table's own order
  w.Prepare();
  EXPECT_FALSE(w.TcMode());
  EXPECT_EQ(w.Rows()[0].level, "E1L1");
}

TEST(BatchChooser, ListsTheProgramFoldersBatchFilesAndReturnsThePathChosen) {
  const struct {
    bool withFiles;
    int row;  // -2: Cancel instead of Select
    bool closes;
    const char* result;  // relative to the program folder
  } cases[] = {{true, 1, true, "start.bat"}, {true, 0, true, "Net Game.BAT"}, {true, -1, true, ""},
               {true, -2, true, ""},         {false, 0, false, ""},           {false, -1, false, ""},
               {false, -2, true, ""}};
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    FileSystem fs(folder.Path());
    if (c.withFiles)
      for (const char* f : {"start.bat", "Net Game.BAT", "readme.txt", "Maps/inner.bat", "a.bat.txt", "dir.bat/x"})
        fixture::WriteFile(folder.Path() + f, "@echo off");
    BatchChooser w;
    w.Show(fs, folder.Path());
    const std::vector<std::string> listed = {"Net Game.BAT", "start.bat"};
    EXPECT_EQ(w.Files(), c.withFiles ? listed : std::vector<std::string>());
    const bool closes = c.row == -2 ? (w.Cancel(), true) : w.Select(c.row);
    EXPECT_EQ(closes, c.closes) << c.withFiles << " " << c.row;
    EXPECT_EQ(w.Result(), *c.result ? folder.Path() + c.result : "") << c.withFiles << " " << c.row;
    if (!c.withFiles || !closes || !*c.result) continue;
    w.Show(fs, folder.Path());  // every showing starts with an empty result
    EXPECT_EQ(w.Result(), "");
  }
}

}  // namespace
}  // namespace tv
