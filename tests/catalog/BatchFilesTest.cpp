#include <gtest/gtest.h>

#include "catalog/BatchFiles.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

class BatchFilesTest : public ::testing::Test {
 protected:
  BatchFilesTest() : pf(dir.Path() + "Duke 3D/"), fs(pf) { fixture::MakeFolder(pf); }

  fixture::TempFolder dir;
  std::string pf;
  FileSystem fs;
};

TEST_F(BatchFilesTest, ListsTheBatchFilesOfTheProgramFolderByName) {
  for (const char* f : {"start.bat", "Net Game.BAT", "readme.txt", "Maps/inner.bat", "a.bat.txt"})
    fixture::WriteFile(pf + f, "@echo off");
  fixture::MakeFolder(pf + "folder.bat");
  BatchChooser w;
  w.Show(fs, pf);
  EXPECT_EQ(w.Files(), (std::vector<std::string>{"Net Game.BAT", "start.bat"}));
}

TEST_F(BatchFilesTest, SelectAndCancel) {
  const struct {
    bool withFiles;
    int row;  // -2: Cancel instead of Select
    bool closes;
    const char* result;  // relative to the program folder
  } cases[] = {
      {true, 1, true, "start.bat"}, {true, 0, true, "Net Game.BAT"}, {true, -1, true, ""},  {true, -2, true, ""},
      {false, 0, false, ""},        {false, -1, false, ""},          {false, -2, true, ""},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    if (c.withFiles)
      for (const char* f : {"start.bat", "Net Game.BAT"}) fixture::WriteFile(folder.Path() + f, "@echo off");
    BatchChooser w;
    w.Show(fs, folder.Path());
    bool closes = true;
    if (c.row == -2)
      w.Cancel();
    else
      closes = w.Select(c.row);
    EXPECT_EQ(closes, c.closes) << c.withFiles << " " << c.row;
    EXPECT_EQ(w.Result(), *c.result ? folder.Path() + c.result : "") << c.withFiles << " " << c.row;
  }
}

TEST_F(BatchFilesTest, EveryShowingStartsWithAnEmptyResult) {
  fixture::WriteFile(pf + "start.bat", "@echo off");
  BatchChooser w;
  w.Show(fs, pf);
  ASSERT_TRUE(w.Select(0));
  EXPECT_EQ(w.Result(), pf + "start.bat");
  w.Show(fs, pf);  // closed through the system menu afterwards: nothing chosen
  EXPECT_EQ(w.Result(), "");
}

}  // namespace
}  // namespace tv
