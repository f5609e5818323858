#include "platform/Files.h"

#include <gtest/gtest.h>

#include "fixture/Fixture.h"

namespace tv {
namespace {

using fixture::TempFolder;
using fixture::WriteFile;

TEST(Files, NamesAreMatchedWithoutRegardToLetterCase) {
  TempFolder dir;
  WriteFile(dir.Path() + "Maps/FOO.MAP", "abc");
  FileSystem fs;
  EXPECT_TRUE(fs.FileExists(dir.Path() + "maps/foo.map"));
  EXPECT_TRUE(fs.FolderExists(dir.Path() + "MAPS"));
  EXPECT_FALSE(fs.FileExists(dir.Path() + "MAPS"));
  EXPECT_EQ(fs.FileSize(dir.Path() + "Maps/Foo.map"), 3);
  EXPECT_EQ(fs.Resolve(dir.Path() + "maps/foo.map"), dir.Path() + "Maps/FOO.MAP");
}

}  // namespace
}  // namespace tv
