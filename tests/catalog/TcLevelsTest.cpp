// The maps inside a TC: the 16-byte directory of a ".grp" and the text scan
// of a ".zip", whole, cut short or read a piece at a time.
#include <gtest/gtest.h>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;

TEST(TcLevels, AGroupFileListsTheMapsOfItsDirectory) {
  const std::string filler = fixture::FillerBytes(400);  // the scan needs 256 bytes past the directory
  const std::string grp = fixture::GroupFileBytes({{"E1L1.MAP", filler}, {"E1L2.MAP", "m"}});
  std::string b = fixture::GroupFileBytes({{"A.MAP", filler}, {"B.MAP", ""}, {"C.MAP", ""}}), b0 = b;
  b[16 + 16 + 2] = '\x80';  // "B." ends the second name; the scan goes on
  b0[16 + 16] = '\x1F';     // an entry that starts unprintable ends the scan
  const struct {
    const char* rule;
    std::string bytes;
    Names names;
  } cases[] = {
      {"maps in directory order",
       fixture::GroupFileBytes({{"E1L1.MAP", filler}, {"T.ART", ""}, {"zz.map", ""}}),
       {"E1L1", "ZZ"}},
      {"duplicates are kept", fixture::GroupFileBytes({{"A.MAP", filler}, {"A.MAP", ""}}), {"A", "A"}},
      {"a bare .map has no name", fixture::GroupFileBytes({{".MAP", filler}, {"B.MAPX", ""}}), {"B"}},
      {"a name fills its twelve bytes", fixture::GroupFileBytes({{"LONGNAME.MAP", filler}}), {"LONGNAME"}},
      // The size field that follows (80 = "P") does not complete ".MA".
      {"a name ends after twelve bytes",
       fixture::GroupFileBytes({{"ABCDEFGHI.MA", std::string(80, 'x')}, {"PAD.ART", filler}}),
       {}},
      {"an unprintable byte ends a name", b, {"A", "C"}},
      {"an entry starting unprintable ends the directory", b0, {"A"}},
      {"empty", "", {}},
      {"only the signature", "KenSilverman", {}},
      {"cut inside the second entry", grp.substr(0, 40), {}},
      {"data cut short", grp.substr(0, 300), {"E1L1", "E1L2"}},
      {"a name cut at the end", std::string(272, ' ').replace(16, 7, "LONGNAM"), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(LevelNamesInGrp(c.bytes), c.names) << c.rule;
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
  const std::string zip = fixture::ZipBytes({{"E1L1.MAP", "m"}, {"TILES000.ART", "a"}, {"Boss.map", "b"}});
  const std::string cut = fixture::ZipBytes({{"CUT.MAP", fixture::FillerBytes(20000)}, {"LAST.MAP", "m"}});
  std::string many, same;
  for (int i = 0; i < 80; ++i) many += " l" + std::to_string(i % 75) + ".map";
  for (int i = 0; i < 72; ++i) same += " a.map";
  Names first72;
  for (int i = 0; i < 72; ++i) first72.push_back("L" + std::to_string(i));
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
      {"no more than 29 bytes back", " " + std::string(28, 'n') + ".map", {std::string(28, 'N')}},
      {"a .map with no name in reach ends the scan", " " + std::string(29, 'n') + ".map b.map", {}},
      {"a dot an earlier pass took still counts", " a.map.map b.map", {"A", "A.MAP", "B"}},
      {"72 passes at most", many, first72},
      {"repeated names use up passes too", same + " b.map", {"A"}},
      {"a real zip, from both headers", zip, {"E1L1", "BOSS"}},
      {"empty", "", {}},
      {"only the signature", "PK\x03\x04", {}},
      {"cut inside the first entry", cut.substr(0, 40), {"CUT"}},
      {"cut in its data", cut.substr(0, 12000), {"CUT"}},
      {"a name cut at the end", "x E1L1.ma", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(LevelNamesInZip(c.bytes), c.names) << c.rule;
}

// A name or its ".map" across the end of a piece is found as in the whole.
TEST(TcLevels, AZipReadInPiecesListsWhatTheWholeLists) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::size_t piece = std::size_t(1) << 20;
  // Across the end of the first piece: near's ".map", its name, first's ".map", the bytes before first.
  for (const std::size_t at : {piece - 18, piece - 16, piece - 13, piece + 12, piece + 14, piece + 18}) {
    std::string bytes = fixture::FillerBytes(2 * piece);
    bytes.replace(at - 20, 40, std::string(" first.map ") + std::string(20, '\x01') + "near.map ");
    bytes.replace(10, 7, " a.map ");
    fixture::WriteFile(dir.Path() + "Tc.zip", bytes);
    EXPECT_EQ(LevelNamesInZipFile(fs, dir.Path() + "Tc.zip"), (Names{"A", "FIRST", "NEAR"})) << at;
  }
}

}  // namespace
}  // namespace tv
