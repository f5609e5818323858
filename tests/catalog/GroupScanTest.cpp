// What a TC holds or names: the batch file beside it, the head of a ".grp",
// the blocks of a ".zip"; and the reuse of what was read.
#include <gtest/gtest.h>

#include <cstdio>
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

struct FindCase {
  const char* rule;
  std::map<std::string, std::string> files;  // in the Games folder
  const char* groupFile;
  const char* ext;
  const char* expected;
};

const std::string kGrpWithScript = fixture::GroupFileBytes({{"MYTC.CON", "x"}, {"E1L1.MAP", "y"}});

const FindCase kFindCases[] = {
    {"the group's directory names the script", {{"Mytc.grp", kGrpWithScript}}, "Mytc.grp", ".con", "mytc.con"},
    {"a name the directory lacks", {{"Mytc.grp", kGrpWithScript}}, "Mytc.grp", ".def", ""},
    {"only the group's own base name counts", {{"Mytc.grp", kGrpWithScript}}, "Mytc.grp", ".map", ""},
    {"control bytes read as spaces in a .grp",
     {{"My tc.grp", At(50, "\x01My\x02Tc.Def\x7F", 300)}},
     "My tc.grp",
     ".def",
     "my tc.def"},
    {"bytes above 122 read as spaces in a .grp",
     {{"My tc.grp", At(50, "my\xC0tc.map", 300)}},
     "My tc.grp",
     ".map",
     "my tc.map"},
    {"a .grp is read for its first 10000 bytes",
     {{"Mytc.grp", At(9992, "mytc.con", 20000)}},
     "Mytc.grp",
     ".con",
     "mytc.con"},
    {"nothing after the first 10000 bytes of a .grp",
     {{"Mytc.grp", At(9993, "mytc.con", 20000)}},
     "Mytc.grp",
     ".con",
     ""},
    {"a .zip shorter than 10000 bytes names nothing",
     {{"Other.zip", At(10, "OTHER.CON", 9000)}},
     "Other.zip",
     ".con",
     ""},
    {"a .zip of 10000 bytes is one block",
     {{"Other.zip", At(9991, "other.con", 10000)}},
     "Other.zip",
     ".con",
     "other.con"},
    {"a .zip is read to its last, shorter block",
     {{"Other.zip", At(25000, "other.def", 25010)}},
     "Other.zip",
     ".def",
     "other.def"},
    {"a name across two .zip blocks is not seen",
     {{"Other.zip", At(9995, "other.con", 30000)}},
     "Other.zip",
     ".con",
     ""},
    {"nor across a later block boundary", {{"Other.zip", At(19992, "other.map", 30000)}}, "Other.zip", ".map", ""},
    {"a name ending a block is seen", {{"Other.zip", At(19991, "other.map", 30000)}}, "Other.zip", ".map", "other.map"},
    {"control bytes read as spaces in a .zip",
     {{"O t.zip", At(12000, "o\x1ft.con", 30000)}},
     "O t.zip",
     ".con",
     "o t.con"},
    {"a real zip names its entries",
     {{"Other.zip", fixture::ZipBytes({{"OTHER.CON", FillerBytes(12000)}})}},
     "Other.zip",
     ".con",
     "other.con"},
    {"a group file that is missing", {}, "Mytc.grp", ".con", ""},
    {"the batch file names the script",
     {{"Mytc.grp", ""}, {"Mytc.bat", "duke3d /xMYTC.CON"}},
     "Mytc.grp",
     ".con",
     "mytc.con"},
    {"the batch file suffices without a group file", {{"mytc.BAT", "-hmytc.def"}}, "Mytc.grp", ".def", "mytc.def"},
    {"the group file still counts beside a batch file",
     {{"Mytc.grp", kGrpWithScript}, {"Mytc.bat", "duke3d"}},
     "Mytc.grp",
     ".con",
     "mytc.con"},
    {"a batch file rules out a map",
     {{"Mytc.grp", fixture::GroupFileBytes({{"MYTC.MAP", ""}})}, {"Mytc.bat", "x"}},
     "Mytc.grp",
     ".map",
     ""},
    {"even one the batch file names", {{"Mytc.bat", "-map mytc.map"}}, "Mytc.grp", ".map", ""},
    {"a batch file is text up to its first zero byte",
     {{"Mytc.bat", std::string("rem\0mytc.con", 12)}},
     "Mytc.grp",
     ".con",
     ""},
    {"a batch file is read for its first 10000 bytes",
     {{"Mytc.bat", std::string(9993, ' ') + "mytc.con"}},
     "Mytc.grp",
     ".con",
     ""},
};

TEST(FindInTC, FollowsTheScanRules) {
  for (const FindCase& c : kFindCases) {
    fixture::TempFolder dir;
    const std::string games = dir.Path() + "Games";
    fixture::MakeFolder(games);
    for (const auto& [name, bytes] : c.files) fixture::WriteFile(games + "/" + name, bytes);
    FileSystem fs(dir.Path());
    GroupScanCache scans;
    EXPECT_EQ(FindInTC(fs, scans, TcFolder(fs, games), c.groupFile, {c.ext}), std::vector<std::string>{c.expected})
        << c.rule;
  }
}

TEST(FindInTC, AnswersSeveralNamesFromOneRead) {
  fixture::TempFolder dir;
  const std::string games = dir.Path() + "Games";
  std::string zip = FillerBytes(50000);
  zip.replace(100, 9, "BIG.MAP\x01\x01");
  zip.replace(45000, 7, "big.con");
  fixture::WriteFile(games + "/Big.zip", zip);
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  EXPECT_EQ(FindInTC(fs, scans, TcFolder(fs, games), "Big.zip", {".con", ".def", ".map"}),
            (std::vector<std::string>{"big.con", "", "big.map"}));
  EXPECT_EQ(scans.FilesRead(), 1u);
}

TEST(GroupScanCache, ReadsZipBlocksAsUpperCaseText) {
  fixture::TempFolder dir;
  const std::string zip = dir.Path() + "T.zip";
  std::string bytes = FillerBytes(30000);
  bytes.replace(100, 12, "x\x05MY.TC.CON\x7F");
  bytes.replace(10500, 9, "a.MAP.map");
  bytes.replace(19995, 10, "WORD\x01SPLIT");
  bytes.replace(25000, 6, "No Dot");
  fixture::WriteFile(zip, bytes);
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  const struct {
    const char* target;
    bool contained;
  } cases[] = {
      {"my.tc.con", true}, {"\x05my.tc.con", false}, {" my.tc.con ", true}, {"tc.con", true},
      {".map.map", true},  {"a.map.map", true},      {".con ", true},       {"word split", false},
      {"no dot", true},    {"no  dot", false},       {"split", true},       {"y.tc.cox", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(scans.Contains(fs, zip, ScanKind::Zip, {c.target}), std::vector<bool>{c.contained}) << c.target;
}

// Writes bytes over path through a new file, as an unpacker or copier does.
void Replace(const std::string& path, const std::string& bytes, std::time_t time) {
  fixture::WriteFile(path + ".new", bytes);
  fixture::SetFileTime(path + ".new", time);
  std::rename((path + ".new").c_str(), path.c_str());
}

TEST(GroupScanCache, ReadsAFileAgainOnlyWhenItChanged) {
  fixture::TempFolder dir;
  const std::string grp = dir.Path() + "Mytc.grp";
  const std::time_t time = 1700000000;
  const std::string named = At(100, "mytc.con", 2000);
  const std::string unnamed = At(100, "mytc.xxx", 2000);
  struct Step {
    const char* change;
    std::function<void()> make;
    bool readAgain;
    bool contains;
  } steps[] = {
      {"first scan", [&] { Replace(grp, named, time); }, true, true},
      {"unchanged", [] {}, false, true},
      {"same bytes, new time", [&] { fixture::SetFileTime(grp, time + 60); }, true, true},
      {"new size", [&] { Replace(grp, named + "x", time + 60); }, true, true},
      {"another file of the same size and time", [&] { Replace(grp, unnamed, time + 60); }, true, false},
      {"unchanged again", [] {}, false, false},
  };
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  std::size_t reads = 0;
  for (const Step& s : steps) {
    s.make();
    EXPECT_EQ(scans.Contains(fs, grp, ScanKind::Group, {"mytc.con"}), std::vector<bool>{s.contains}) << s.change;
    EXPECT_EQ(scans.FilesRead(), reads + (s.readAgain ? 1 : 0)) << s.change;
    reads = scans.FilesRead();
  }
}

TEST(GroupScanCache, ReadsOnlyForNamesNotYetKnown) {
  fixture::TempFolder dir;
  const std::string grp = dir.Path() + "Mytc.grp";
  fixture::WriteFile(grp, At(100, "mytc.con mytc.def", 2000));
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  EXPECT_EQ(scans.Contains(fs, grp, ScanKind::Group, {"mytc.con"}), std::vector<bool>{true});
  EXPECT_EQ(scans.Contains(fs, grp, ScanKind::Group, {"mytc.con", "mytc.def"}), (std::vector<bool>{true, true}));
  EXPECT_EQ(scans.Contains(fs, grp, ScanKind::Group, {"mytc.def", "mytc.con"}), (std::vector<bool>{true, true}));
  EXPECT_EQ(scans.FilesRead(), 2u);
}

TEST(GroupScanCache, ASweepForgetsFilesNoLongerAskedAbout) {
  fixture::TempFolder dir;
  const std::string grp = dir.Path() + "Mytc.grp";
  fixture::WriteFile(grp, "mytc.con");
  FileSystem fs(dir.Path());
  GroupScanCache scans;
  scans.Contains(fs, grp, ScanKind::Group, {"mytc.con"});
  scans.Sweep();
  scans.Sweep();  // not asked since the last sweep
  scans.Contains(fs, grp, ScanKind::Group, {"mytc.con"});
  EXPECT_EQ(scans.FilesRead(), 2u);
}

}  // namespace
}  // namespace tv
