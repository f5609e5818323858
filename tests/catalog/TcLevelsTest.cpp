// The maps inside a TC: the 16-byte directory of a ".grp" and the text scan
// of a ".zip".
#include <gtest/gtest.h>

#include "catalog/Tcs.h"
#include "fixture/Groups.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;

TEST(TcLevels, AGroupFileListsTheMapsOfItsDirectory) {
  using fixture::GroupEntry;
  const std::string filler = fixture::FillerBytes(300);  // the scan needs 256 bytes past the directory
  const struct {
    const char* rule;
    std::vector<GroupEntry> entries;
    Names names;
  } cases[] = {
      {"maps in directory order", {{"E1L1.MAP", filler}, {"TILES.ART", ""}, {"zz.map", ""}}, {"E1L1", "ZZ"}},
      {"duplicates are kept", {{"A.MAP", filler}, {"A.MAP", ""}}, {"A", "A"}},
      {"a bare .map has no name", {{".MAP", filler}, {"B.MAPX", ""}}, {"B"}},
      {"a name fills its twelve bytes", {{"LONGNAME.MAP", filler}}, {"LONGNAME"}},
      // The size field that follows (80 = "P") does not complete ".MA".
      {"a name ends after twelve bytes", {{"ABCDEFGHI.MA", std::string(80, 'x')}, {"PAD.ART", filler}}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(LevelNamesInGrp(fixture::GroupFileBytes(c.entries)), c.names) << c.rule;
}

TEST(TcLevels, TheGroupDirectoryEndsAtAnUnprintableByte) {
  std::string grp = fixture::GroupFileBytes({{"A.MAP", std::string(400, 'x')}, {"B.MAP", ""}, {"C.MAP", ""}});
  grp[16 + 16 + 2] = '\x80';  // "B." ends the second name; the scan goes on
  EXPECT_EQ(LevelNamesInGrp(grp), (Names{"A", "C"}));
  grp[16 + 16] = '\x1F';  // an entry that starts unprintable ends the scan
  EXPECT_EQ(LevelNamesInGrp(grp), (Names{"A"}));
}

TEST(TcLevels, TheGroupScanLooksAtAllButTheLastSixteenEntriesRead) {
  // 17 entries and no data: 16 + 17 * 16 = 288 bytes, so 18 - 16 = 2 entries are looked at.
  std::vector<fixture::GroupEntry> entries;
  for (char c = 'A'; c <= 'Q'; ++c) entries.push_back({std::string(1, c) + ".MAP", ""});
  EXPECT_EQ(LevelNamesInGrp(fixture::GroupFileBytes(entries)), (Names{"A", "B"}));
  // Only the first 30000 bytes count: 30000 / 16 - 16 = 1859 entries are looked at.
  entries.clear();
  for (int i = 0; i < 2000; ++i) entries.push_back({"M" + std::to_string(i) + ".MAP", ""});
  const Names names = LevelNamesInGrp(fixture::GroupFileBytes(entries));
  ASSERT_EQ(names.size(), 1859u);
  EXPECT_EQ(names.back(), "M1858");
}

TEST(TcLevels, AZipListsTheNamesBeforeEachMap) {
  const struct {
    const char* rule;
    std::string bytes;
    Names names;
  } cases[] = {
      {"names after a control byte or space",
       "\x01"
       "e1l1.map \x02"
       "Boss.MAP\x03",
       {"E1L1", "BOSS"}},
      {"each name once",
       "\x01"
       "a.map\x01"
       "b.map\x01"
       "A.MAP",
       {"A", "B"}},
      {"bytes above 122 end a name", "x{top.map", {"TOP"}},
      {"a path keeps its folder", " maps/e2l1.map", {"MAPS/E2L1"}},
      {"an empty name is no name", " .map x.map", {"X"}},
      {"no more than 29 bytes back", std::string(" ") + std::string(28, 'n') + ".map", {std::string(28, 'N')}},
      {"a .map with no name in reach ends the scan", std::string(" ") + std::string(29, 'n') + ".map b.map", {}},
      {"a dot an earlier pass took still counts", " a.map.map b.map", {"A", "A.MAP", "B"}},
  };
  for (const auto& c : cases) EXPECT_EQ(LevelNamesInZip(c.bytes), c.names) << c.rule;
}

TEST(TcLevels, AZipIsScannedForSeventyTwoMapsAtMost) {
  std::string zip;
  for (int i = 0; i < 80; ++i) zip += " l" + std::to_string(i % 75) + ".map";
  const Names names = LevelNamesInZip(zip);
  ASSERT_EQ(names.size(), 72u);
  EXPECT_EQ(names.back(), "L71");
  // Repeated names use up passes too.
  zip.clear();
  for (int i = 0; i < 72; ++i) zip += " a.map";
  EXPECT_EQ(LevelNamesInZip(zip + " b.map"), (Names{"A"}));
}

TEST(TcLevels, ARealZipListsItsMapsFromBothHeaders) {
  const std::string zip = fixture::ZipBytes({{"E1L1.MAP", "m"}, {"TILES000.ART", "a"}, {"Boss.map", "b"}});
  EXPECT_EQ(LevelNamesInZip(zip), (Names{"E1L1", "BOSS"}));
}

}  // namespace
}  // namespace tv
