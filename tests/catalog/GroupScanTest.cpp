// What a TC holds or names: the batch file beside it, the head of a ".grp",
// the blocks of a ".zip"; the reuse of what was read; and empty, cut or
// missing files, which name only what their bytes hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"

namespace tv {
namespace {

using fixture::FillerBytes;

std::string At(std::size_t offset, const std::string& name, std::size_t size) {
  std::string bytes = FillerBytes(size);
  bytes.replace(offset, name.size(), name);
  return bytes;
}

// Each case asks for the script, the definitions and the map at once.
TEST(FindInTC, FollowsTheScanRules) {
  using Found = std::vector<std::string>;
  const std::string grp = fixture::GroupFileBytes({{"MYTC.CON", "x"}, {"E1L1.MAP", "y"}});
  const std::string zip = fixture::ZipBytes({{"MYTC.CON", FillerBytes(12000)}, {"MYTC.MAP", "m"}});
  std::string blocks = At(9995, "other.con", 25010);                     // across the first block's end: not seen
  blocks.replace(19991, 9, "other.map").replace(25000, 9, "other.def");  // ending a block; in the last, shorter one
  const struct {
    std::map<std::string, std::string> files;  // in the Games folder
    const char* groupFile;
    Found found;
  } cases[] = {
      // clang-format off
      {{{"Mytc.grp", grp}}, "Mytc.grp", {"mytc.con", "", ""}},  // only the group's own base name counts
      {{{"My tc.grp", At(50, "\x01My\x02Tc.Def\x7Fmy\xC0tc.map", 300)}}, "My tc.grp", {"", "my tc.def", "my tc.map"}},
      {{{"Mytc.grp", At(9992, "mytc.con", 20000)}}, "Mytc.grp", {"mytc.con", "", ""}},  // the first 10000 bytes
      {{{"Mytc.grp", At(9993, "mytc.con", 20000)}}, "Mytc.grp", {"", "", ""}},          // and no further
      {{{"Mytc.grp", zip.substr(0, 50)}}, "Mytc.grp", {"mytc.con", "", ""}},            // cut short
      {{{"Mytc.grp", ""}}, "Mytc.grp", {"", "", ""}},
      {{{"Other.zip", At(10, "OTHER.CON", 9999)}}, "Other.zip", {"", "", ""}},  // shorter than a block: nothing
      {{{"Other.zip", At(9991, "other.con", 10000)}}, "Other.zip", {"other.con", "", ""}},
      {{{"Other.zip", blocks}}, "Other.zip", {"", "other.def", "other.map"}},
      {{{"O t.zip", At(12000, "o\x1ft.con", 30000).replace(19995, 7, "o t.map")}}, "O t.zip", {"o t.con", "", ""}},
      {{{"Mytc.zip", zip}}, "Mytc.zip", {"mytc.con", "", "mytc.map"}},
      {{}, "Mytc.grp", {"", "", ""}},  // missing
      // A batch file beside: what it names but a map, the group file's names but its map.
      {{{"mytc.BAT", "duke3d /xMYTC.CON -hmytc.def -map mytc.map"}}, "Mytc.grp", {"mytc.con", "mytc.def", ""}},
      {{{"Mytc.grp", zip}, {"Mytc.bat", "duke3d"}}, "Mytc.grp", {"mytc.con", "", ""}},
      // text up to a zero byte
      {{{"Mytc.bat", std::string("-hmytc.def\0mytc.con", 19)}}, "Mytc.grp", {"", "mytc.def", ""}},
      {{{"Mytc.bat", std::string(9993, ' ') + "mytc.con"}}, "Mytc.grp", {"", "", ""}},  // the first 10000 bytes
      // clang-format on
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    const std::string games = dir.Path() + "Games";
    fixture::MakeFolder(games);
    for (const auto& [name, bytes] : c.files) fixture::WriteFile(games + "/" + name, bytes);
    FileSystem fs(dir.Path());
    GroupScanCache scans;
    EXPECT_EQ(FindInTC(fs, scans, TcFolder(fs, games), c.groupFile, {".con", ".def", ".map"}), c.found)
        << c.groupFile << " " << (c.files.empty() ? "" : c.files.begin()->second.substr(0, 60));
  }
}

// The targets' bytes chosen as the search's filter: leading spaces, dots, a
// control byte (never seen: it reads as a space), a double space.
TEST(GroupScanCache, ReadsZipBlocksAsUpperCaseText) {
  fixture::TempFolder dir;
  std::string bytes = FillerBytes(30000);
  bytes.replace(100, 12, "x\x05MY.TC.CON\x7F");
  bytes.replace(10500, 9, "a.MAP.map");
  bytes.replace(19995, 10, "WORD\x01SPLIT");
  bytes.replace(25000, 6, "No Dot");
  fixture::WriteFile(dir.Path() + "T.zip", bytes);
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  const std::vector<std::string> targets = {"my.tc.con", "\x05my.tc.con", " my.tc.con ", "tc.con",
                                            ".map.map",  "a.map.map",     ".con ",       "word split",
                                            "no dot",    "no  dot",       "split",       "y.tc.cox"};
  EXPECT_EQ(scans.Contains(fs, dir.Path() + "T.zip", ScanKind::Zip, targets),
            (std::vector<bool>{true, false, true, true, true, true, true, false, true, false, true, false}));
}

// Writes bytes over path through a new file, as an unpacker or copier does.
void Replace(const std::string& path, const std::string& bytes, std::time_t time) {
  fixture::WriteFile(path + ".new", bytes);
  fixture::SetFileTime(path + ".new", time);
  std::rename((path + ".new").c_str(), path.c_str());
}

// A file is read once for all the names not yet known, and again only when
// it changed or was forgotten by two sweeps without a question.
TEST(GroupScanCache, ReadsAFileAgainOnlyWhenItChangedOrForNewNames) {
  fixture::TempFolder dir;
  const std::string grp = dir.Path() + "Mytc.grp";
  const std::time_t time = 1700000000;
  const std::string named = At(100, "mytc.con mytc.def", 2000), unnamed = At(100, "mytc.xxx", 2000);
  const std::vector<std::string> con = {"mytc.con"}, both = {"mytc.con", "mytc.def"}, def = {"mytc.def", "mytc.con"};
  GroupScanCache scans;
  const struct {
    const char* change;
    std::function<void()> make;
    std::vector<std::string> targets;
    std::vector<bool> contains;
    bool readAgain;
  } steps[] = {
      {"first scan", [&] { Replace(grp, named, time); }, con, {true}, true},
      {"unchanged", [] {}, con, {true}, false},
      {"a name not yet known", [] {}, both, {true, true}, true},
      {"known names in another order", [] {}, def, {true, true}, false},
      {"same bytes, new time", [&] { fixture::SetFileTime(grp, time + 60); }, con, {true}, true},
      {"new size", [&] { Replace(grp, named + "x", time + 60); }, con, {true}, true},
      {"another file of the same size and time", [&] { Replace(grp, unnamed, time + 60); }, con, {false}, true},
      {"unchanged again", [] {}, con, {false}, false},
      {"one sweep keeps it", [&] { scans.Sweep(); }, con, {false}, false},
      {"two sweeps without a question forget it", [&] { scans.Sweep(), scans.Sweep(); }, con, {false}, true},
  };
  FileSystem fs(dir.Path());
  std::size_t reads = 0;
  for (const auto& s : steps) {
    s.make();
    EXPECT_EQ(scans.Contains(fs, grp, ScanKind::Group, s.targets), s.contains) << s.change;
    EXPECT_EQ(scans.FilesRead(), reads + (s.readAgain ? 1 : 0)) << s.change;
    reads = scans.FilesRead();
  }
}

TEST(FindInTC, AnswersSeveralNamesFromOneRead) {
  fixture::TempFolder dir;
  std::string zip = FillerBytes(50000);
  zip.replace(100, 9, "BIG.MAP\x01\x01");
  zip.replace(45000, 7, "big.con");
  fixture::WriteFile(dir.Path() + "Games/Big.zip", zip);
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  EXPECT_EQ(FindInTC(fs, scans, TcFolder(fs, dir.Path() + "Games"), "Big.zip", {".con", ".def", ".map"}),
            (std::vector<std::string>{"big.con", "", "big.map"}));
  EXPECT_EQ(scans.FilesRead(), 1u);
}

}  // namespace
}  // namespace tv
