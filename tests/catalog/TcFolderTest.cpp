// The Games folder's names, as discovery asks for them.
#include <gtest/gtest.h>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

TEST(TcFolder, FindsFilesWithoutRegardToLetterCase) {
  fixture::TempFolder dir;
  const std::string games = dir.Path() + "Games";
  for (const char* name : {"MYTC.GRP", "Mytc.def", "mytc.DEF", ".hidden.con"})
    fixture::WriteFile(games + "/" + name, "");
  fixture::MakeFolder(games + "/Folder.con");
  FileSystem fs(dir.Path());
  const TcFolder folder(fs, games);
  const struct {
    const char* name;
    bool held;
    const char* path;  // below the folder
  } cases[] = {
      {"Mytc.grp", true, "MYTC.GRP"},  {"mytc.def", true, "Mytc.def"},        {"mytc.DEF", true, "mytc.DEF"},
      {"Mytc.con", false, "Mytc.con"}, {".hidden.con", false, ".hidden.con"}, {"folder.con", false, "folder.con"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(folder.Holds(c.name), c.held) << c.name;
    EXPECT_EQ(folder.PathOf(c.name), games + "/" + c.path) << c.name;
  }
  EXPECT_TRUE(folder.Exists());
  EXPECT_FALSE(TcFolder(fs, dir.Path() + "Nowhere").Exists());
  EXPECT_FALSE(TcFolder(fs, dir.Path() + "Nowhere").Holds("Mytc.grp"));
}

}  // namespace
}  // namespace tv
