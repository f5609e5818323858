#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include "fixture/Fixture.h"

namespace tv {
namespace {

TEST(IniFile, MissingKeyGivesDefaultAndEmptyKeyGivesEmpty) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "a.ini", "[S]\r\nEmpty=\r\n");
  FileSystem fs;
  IniFile ini(fs, dir.Path() + "a.ini");
  EXPECT_EQ(ini.ReadString("s", "missing", "def"), "def");
  EXPECT_EQ(ini.ReadString("s", "EMPTY", "def"), "");
}

}  // namespace
}  // namespace tv
