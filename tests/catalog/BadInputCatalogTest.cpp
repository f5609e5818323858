// Saves and group files cut short, empty or never finished: each gives what
// its bytes hold and nothing else, and none is listed by accident.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/GroupScan.h"
#include "catalog/SavedGames.h"
#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "fixture/SavedGames.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;

// A save that ends before its title has none and is not listed; one that ends
// inside its title lists what is there.
TEST(BadInputCatalog, ASaveShorterThanItsTitleOffsetIsNotListed) {
  fixture::TempFolder dir;
  const std::string full = fixture::SavedGameBytes("Hollywood", 49);
  fixture::WriteFile(dir.Path() + "game0.sav", "");
  fixture::WriteFile(dir.Path() + "game1.sav", full.substr(0, 20));
  fixture::WriteFile(dir.Path() + "game2.sav", full.substr(0, 26));
  fixture::WriteFile(dir.Path() + "game3.sav", full.substr(0, 49));
  fixture::WriteFile(dir.Path() + "game4.sav", full.substr(0, 53));
  FileSystem fs(dir.Path());
  const Names listing = fs.List(dir.Path(), "game*.sav");
  const struct {
    std::uint64_t offset;
    Names texts;
  } cases[] = {
      {26, {std::string(23, 'H'), std::string(23, 'H') + "Holl"}},  // what lies there before the other offset
      {49, {"Holl"}},
  };
  for (const auto& c : cases) {
    Names texts;
    for (const SavedGameEntry& e : ReadSavedGames(fs, dir.Path(), listing, c.offset)) texts.push_back(e.text);
    for (std::string& t : texts) t = t.substr(0, t.find(kNewestMark));
    EXPECT_EQ(texts, c.texts) << c.offset;
  }
}

TEST(BadInputCatalog, EmptyOrTruncatedGroupFilesListWhatTheirBytesHold) {
  const std::string grp = fixture::GroupFileBytes({{"E1L1.MAP", fixture::FillerBytes(400)}, {"E1L2.MAP", "m"}});
  const std::string zip = fixture::ZipBytes({{"CUT.MAP", fixture::FillerBytes(20000)}, {"LAST.MAP", "m"}});
  const struct {
    const char* what;
    std::string grpHead;
    std::string zipBytes;
    Names grpLevels, zipLevels;
  } cases[] = {
      {"empty", "", "", {}, {}},
      {"only the signature", "KenSilverman", "PK\x03\x04", {}, {}},
      {"directory cut inside the second entry", grp.substr(0, 40), zip.substr(0, 40), {}, {"CUT"}},
      {"data cut short", grp.substr(0, 300), zip.substr(0, 12000), {"E1L1", "E1L2"}, {"CUT"}},
      {"a name cut at the end", std::string(272, ' ').replace(16, 7, "LONGNAM"), "x E1L1.ma", {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LevelNamesInGrp(c.grpHead), c.grpLevels) << c.what;
    EXPECT_EQ(LevelNamesInZip(c.zipBytes), c.zipLevels) << c.what;
  }
}

// A file read a piece at a time lists what the whole lists, even with a name
// or its ".map" across the end of a piece.
TEST(BadInputCatalog, AZipListedInPiecesListsWhatTheWholeLists) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::size_t piece = std::size_t(1) << 20;
  // Across the end of the first piece: near's ".map", its name, first's
  // ".map", the bytes before first.
  for (const std::size_t at : {piece - 18, piece - 16, piece - 13, piece + 12, piece + 14, piece + 18}) {
    std::string bytes = fixture::FillerBytes(2 * piece);
    bytes.replace(at - 20, 40, std::string(" first.map ") + std::string(20, '\x01') + "near.map ");
    bytes.replace(10, 7, " a.map ");
    fixture::WriteFile(dir.Path() + "Tc.zip", bytes);
    EXPECT_EQ(LevelNamesInZipFile(fs, dir.Path() + "Tc.zip"), LevelNamesInZip(bytes)) << at;
    EXPECT_EQ(LevelNamesInZip(bytes), (Names{"A", "FIRST", "NEAR"})) << at;
  }
}

// The scans of a file that is empty, cut short or shorter than one zip block
// find nothing that is not in its bytes.
TEST(BadInputCatalog, ScansOfEmptyOrShortFilesFindOnlyWhatIsThere) {
  fixture::TempFolder dir;
  const std::string zip = fixture::ZipBytes({{"MYTC.CON", fixture::FillerBytes(9000)}, {"MYTC.MAP", "m"}});
  const struct {
    const char* what;
    std::string bytes;
    ScanKind kind;
    std::vector<bool> found;  // mytc.con, mytc.map
  } cases[] = {
      {"empty group", "", ScanKind::Group, {false, false}},
      {"empty zip", "", ScanKind::Zip, {false, false}},
      {"empty batch", "", ScanKind::Batch, {false, false}},
      {"zip shorter than a block", zip.substr(0, 9999), ScanKind::Zip, {false, false}},
      {"group cut after the first name", zip.substr(0, 50), ScanKind::Group, {true, false}},
      {"batch cut by a zero byte", std::string("-xMYTC.CON\0-mMYTC.MAP", 21), ScanKind::Batch, {true, false}},
  };
  FileSystem fs(dir.Path());
  for (const auto& c : cases) {
    fixture::WriteFile(dir.Path() + "Mytc.grp", c.bytes);
    GroupScanCache cache;
    EXPECT_EQ(cache.Contains(fs, dir.Path() + "Mytc.grp", c.kind, {"mytc.con", "mytc.map"}), c.found) << c.what;
  }
}

}  // namespace
}  // namespace tv
