// TCs: which group files are TCs, what a TC names, its maps, and the scans kept between runs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "fixture/Installation.h"
#include "platform/RunTimeError.h"

namespace tv {
namespace {

using fixture::FillerBytes;
using Names = std::vector<std::string>;
using Files = std::map<std::string, std::string>;
std::string At(std::size_t offset, const std::string& name, std::size_t size) {
  return FillerBytes(size).replace(offset, name.size(), name);
}
struct Games {  // a Games folder holding the given files
  explicit Games(const Files& files = {}) {
    fixture::MakeFolder(path);
    for (const auto& [name, bytes] : files) fixture::WriteFile(path + "/" + name, bytes);
  }
  std::vector<TcRecord> Discover() {  // as in a start-up pass: each folder is listed once
    FileSystem::PassScope pass(fs);
    return DiscoverTCs(fs, scans, path, fs.List(path, kGroupFilePatterns));
  }
  Names Find(const std::string& groupFile) {
    return FindInTC(fs, scans, TcFolder(fs, path), groupFile, {".con", ".def", ".map"});
  }
  std::string Read(const std::string& name) const { return fixture::ReadFile(path + "/" + name); }
  fixture::TempFolder dir;
  std::string path = dir.Path() + "Games";
  FileSystem fs{dir.Path()};
  GroupScanCache scans;
};
Names Of(const TcRecord& t) { return {t.displayName, t.groupFile, t.scriptFile, t.hrpFile, t.defFile, t.mapFile}; }
const std::string kNamesScript = fixture::GroupFileBytes({{"MYTC.CON", "define x 1"}, {"TILES000.ART", "a"}}),
                  kNamesNothing = fixture::GroupFileBytes({{"TILES000.ART", "a"}}), kNamesAll = fixture::GroupFileBytes(
                      {{"MYTC.CON", "c"}, {"MYTC.DEF", "d"}, {"MYTC.MAP", "m"}, {"E1L1.MAP", "m"}});
// Every group file but stock data and packs is a TC; its settings file is written once, never again.
TEST(TcDiscovery, TakesTheGroupFilesAndWritesEachSettingsFileOnce) {
  Games g;
  EXPECT_TRUE(g.Discover().empty() && DiscoverTCs(g.fs, g.scans, g.dir.Path() + "Nowhere", {"Mytc.grp"}).empty());
  for (const char* name : {"DUKE3D.GRP", "duke3dw.grp", "Pack_HRP.grp", "Mytc_hrp.zip", "a.txt", "Mytc.zip"})
    fixture::WriteFile(g.path + "/" + name, "");
  fixture::WriteFile(g.path + "/MYTC.GRP", kNamesAll), fixture::WriteZip(g.path + "/Plain.ZIP", {{"TILE.ART", "a"}});
  std::vector<TcRecord> tcs = g.Discover();
  ASSERT_EQ(tcs.size(), 3u);
  EXPECT_EQ(Of(tcs[0]), (Names{"Mytc", "Mytc.grp", "Mytc.con", "Mytc_hrp.zip", "mytc.def", "mytc.map"}));
  EXPECT_EQ(Of(tcs[1]), (Names{"Mytc", "Mytc.zip", "Mytc.con", "Mytc_hrp.zip", "mytc.def", "mytc.map"}));
  EXPECT_EQ(Of(tcs[2]), (Names{"Plain", "Plain.zip", "", "", "", ""}));
  EXPECT_EQ(g.fs.List(g.path, "*.ini"), (Names{"Mytc.ini", "Plain.ini"}));  // a group and a zip share one
  EXPECT_EQ(g.Read("Mytc.ini"), "[Mytc.Options]\r\nGameName=Mytc\r\nGRP_File=Mytc.grp\r\nCON_File=Mytc.con\r\n"
                                "HRP_File=Mytc_hrp.zip\r\nDEF_File=mytc.def\r\nMAP_File=mytc.map\r\n");
  EXPECT_EQ(g.Read("Plain.ini"), "[Plain.Options]\r\nGameName=Plain\r\nGRP_File=Plain.zip\r\nCON_File=\r\n"
                                 "HRP_File=\r\nDEF_File=\r\nMAP_File=\r\n");
  const std::string edited = "[Mytc.Options]\r\nGameNAME=My Great TC\r\nCON_File=Mytc.con\r\n";
  fixture::WriteFile(g.path + "/Mytc.ini", edited), fixture::WriteFile(g.path + "/Mytc.def", "");
  fixture::SetFileTime(g.path + "/Mytc.ini", 1600000000);
  tcs = g.Discover();  // a key the user deleted is computed again
  EXPECT_EQ(Of(tcs[0]), (Names{"My Great TC", "Mytc.grp", "Mytc.con", "Mytc_hrp.zip", "Mytc.def", "mytc.map"}));
  EXPECT_TRUE(g.Read("Mytc.ini") == edited && fixture::FileTime(g.path + "/Mytc.ini") == 1600000000);
}
TEST(TcDiscovery, TakesDefaultsFromTheCompanionsAndTheGroupFile) {
  const std::string ini = "[Mytc.Options]\nCON_File=game.con\nDEF_File=x.def\nMAP_File=start.map\n";
  // clang-format off
  const struct { Files files; std::string group; Names found; } cases[] = {  // found: script, def, map
      {{{"Mytc.gam", ""}, {"Mytc.con", ""}}, kNamesNothing, {"Mytc.gam", "", ""}},  // a .gam wins over a .con
      {{{"Mytc.gam", ""}, {"Mytc.con", ""}}, kNamesScript, {"Mytc.con", "", ""}},  // unless the group names the .con
      {{{"MYTC.CON", ""}}, kNamesNothing, {"Mytc.con", "", ""}}, {{}, kNamesScript, {"Mytc.con", "", ""}},
      {{}, kNamesNothing, {"", "", ""}}, {{{"Mytc.def", ""}}, kNamesNothing, {"", "Mytc.def", ""}},
      {{{"Mytc.def", ""}}, kNamesAll, {"Mytc.con", "Mytc.def", "mytc.map"}},  // the .def beside wins
      {{}, kNamesAll, {"Mytc.con", "mytc.def", "mytc.map"}},
      {{{"Mytc.bat", "duke3d"}}, kNamesAll, {"Mytc.con", "mytc.def", ""}},  // a batch file rules out the group's map
      {{{"Mytc.ini", ini}, {"Mytc.gam", ""}}, kNamesAll, {"game.con", "x.def", "start.map"}},  // the settings first
      {{{"Mytc.ini", "[mytc.options]\nCON_File=\nDEF_File=\nMAP_File=\n"}}, kNamesAll,  // empty values are missing
       {"Mytc.con", "mytc.def", "mytc.map"}}};
  for (const auto& c : cases) {
    Games g(c.files);
    fixture::WriteFile(g.path + "/Mytc.grp", c.group);
    const std::vector<TcRecord> tcs = g.Discover();
    ASSERT_EQ(tcs.size(), 1u) << c.found[0];
    EXPECT_EQ((Names{tcs[0].scriptFile, tcs[0].defFile, tcs[0].mapFile}), c.found) << c.files.size() << c.found[0];
  }
}
TEST(TcDiscovery, StopsAtThreeHundredTCsAndAnUnwritableSettingsFileIsARunTimeError) {
  Games g;
  for (int i = 1000; i < 1302; ++i)  // with settings files that leave nothing to write
    fixture::WriteFile(g.path + "/Tc" + std::to_string(i) + ".grp", ""),
        fixture::WriteFile(g.path + "/Tc" + std::to_string(i) + ".ini", "[Tc" + std::to_string(i) + ".Options]\n");
  const std::vector<TcRecord> tcs = g.Discover();
  EXPECT_TRUE(tcs.size() == kMaxTcs && tcs.back().groupFile == "Tc1299.grp") << tcs.size();
  Games bad(Files{{"Mytc.grp", ""}});
  bad.fs.SetWriteFaultHook([](WriteStage, const std::string&) { return true; });
  try {
    bad.Discover(), ADD_FAILURE() << "no error";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + bad.path + "/Mytc.ini");
  }
}
// Each case asks for the script, the definitions and the map at once.
TEST(FindInTC, FollowsTheScanRules) {
  const std::string grp = fixture::GroupFileBytes({{"MYTC.CON", "x"}, {"E1L1.MAP", "y"}});
  const std::string zip = fixture::ZipBytes({{"MYTC.CON", FillerBytes(12000)}, {"MYTC.MAP", "m"}});
  std::string blocks = At(9995, "other.con", 25010);                     // across the first block's end: not seen
  blocks.replace(19991, 9, "other.map").replace(25000, 9, "other.def");  // ending a block; in the last, shorter one
  const std::string spaced = At(12000, "o\x1ft.con", 30000).replace(19995, 7, "o t.map");
  const struct { Files files; const char* groupFile; Names found; } cases[] = {
      {{{"Mytc.grp", grp}}, "Mytc.grp", {"mytc.con", "", ""}},  // only the group's own base name counts
      {{{"My tc.grp", At(50, "\x01My\x02Tc.Def\x7Fmy\xC0tc.map", 300)}}, "My tc.grp", {"", "my tc.def", "my tc.map"}},
      {{{"Mytc.grp", At(9992, "mytc.con", 20000)}}, "Mytc.grp", {"mytc.con", "", ""}},  // the first 10000 bytes
      {{{"Mytc.grp", At(9993, "mytc.con", 20000)}}, "Mytc.grp", {"", "", ""}},          // and no further
      {{{"Mytc.grp", zip.substr(0, 50)}}, "Mytc.grp", {"mytc.con", "", ""}},            // cut short
      {{{"Mytc.grp", ""}}, "Mytc.grp", {"", "", ""}},
      {{{"Other.zip", At(10, "OTHER.CON", 9999)}}, "Other.zip", {"", "", ""}},  // shorter than a block: nothing
      {{{"Other.zip", At(9991, "other.con", 10000)}}, "Other.zip", {"other.con", "", ""}},
      {{{"Other.zip", blocks}}, "Other.zip", {"", "other.def", "other.map"}},
      {{{"O t.zip", spaced}}, "O t.zip", {"o t.con", "", ""}},
      {{{"Mytc.zip", zip}}, "Mytc.zip", {"mytc.con", "", "mytc.map"}},
      {{}, "Mytc.grp", {"", "", ""}},  // missing
      // A batch file beside: what it names but a map, the group file's names but its map.
      {{{"mytc.BAT", "duke3d /xMYTC.CON -hmytc.def -map mytc.map"}}, "Mytc.grp", {"mytc.con", "mytc.def", ""}},
      {{{"Mytc.grp", zip}, {"Mytc.bat", "duke3d"}}, "Mytc.grp", {"mytc.con", "", ""}},
      {{{"Mytc.bat", std::string("-hmytc.def\0mytc.con", 19)}}, "Mytc.grp", {"", "mytc.def", ""}},  // up to a zero
      {{{"Mytc.bat", std::string(9993, ' ') + "mytc.con"}}, "Mytc.grp", {"", "", ""}},  // the first 10000 bytes
  };
  for (const auto& c : cases) {
    Games g(c.files);
    EXPECT_EQ(g.Find(c.groupFile), c.found) << c.groupFile << " " << (c.files.empty() ? "" : c.files.begin()->second);
  }
  std::string big = FillerBytes(50000);  // several names from one read
  big.replace(100, 9, "BIG.MAP\x01\x01").replace(45000, 7, "big.con");
  Games g(Files{{"Big.zip", big}});
  EXPECT_EQ(g.Find("Big.zip"), (Names{"big.con", "", "big.map"}));
  EXPECT_EQ(g.scans.FilesRead(), 1u);
}
// Targets chosen as the search's filter: spaces, dots, a control byte (reads as a space), a double space.
TEST(GroupScanCache, ReadsZipBlocksAsUpperCaseText) {
  std::string bytes = FillerBytes(30000);
  bytes.replace(100, 12, "x\x05MY.TC.CON\x7F").replace(10500, 9, "a.MAP.map");
  bytes.replace(19995, 10, "WORD\x01SPLIT").replace(25000, 6, "No Dot");
  Games g(Files{{"T.zip", bytes}});
  const Names targets = {"my.tc.con",  "\x05my.tc.con", " my.tc.con ", "tc.con", ".map.map", "a.map.map",
                         ".con ",      "word split",    "no dot",      "no  dot", "split",   "y.tc.cox"};
  EXPECT_EQ(g.scans.Contains(g.fs, g.path + "/T.zip", ScanKind::Zip, targets),
            (std::vector<bool>{true, false, true, true, true, true, true, false, true, false, true, false}));
}
// Read once for the names not yet known; again when replaced (as an unpacker does) or swept twice.
TEST(GroupScanCache, ReadsAFileAgainOnlyWhenItChangedOrForNewNames) {
  Games g;
  const std::string grp = g.path + "/Mytc.grp";
  const std::time_t time = 1700000000;
  const auto replace = [&](const std::string& bytes, std::time_t t) {
    fixture::WriteFile(grp + ".new", bytes), fixture::SetFileTime(grp + ".new", t);
    std::rename((grp + ".new").c_str(), grp.c_str());
  };
  const std::string named = At(100, "mytc.con mytc.def", 2000), unnamed = At(100, "mytc.xxx", 2000);
  const Names con = {"mytc.con"}, both = {"mytc.con", "mytc.def"}, def = {"mytc.def", "mytc.con"};
  const struct { const char* change; std::function<void()> make; Names targets; std::vector<bool> has; bool read; }
  steps[] = {
      {"first scan", [&] { replace(named, time); }, con, {true}, true},
      {"unchanged", [] {}, con, {true}, false},
      {"a name not yet known", [] {}, both, {true, true}, true},
      {"known names in another order", [] {}, def, {true, true}, false},
      {"same bytes, new time", [&] { fixture::SetFileTime(grp, time + 60); }, con, {true}, true},
      {"new size", [&] { replace(named + "x", time + 60); }, con, {true}, true},
      {"another file of the same size and time", [&] { replace(unnamed, time + 60); }, con, {false}, true},
      {"unchanged again", [] {}, con, {false}, false},
      {"one sweep keeps it", [&] { g.scans.Sweep(); }, con, {false}, false},
      {"two sweeps without a question forget it", [&] { g.scans.Sweep(), g.scans.Sweep(); }, con, {false}, true}};
  for (std::size_t reads = 0; const auto& s : steps) {
    s.make();
    EXPECT_EQ(g.scans.Contains(g.fs, grp, ScanKind::Group, s.targets), s.has) << s.change;
    EXPECT_EQ(g.scans.FilesRead(), reads + (s.read ? 1 : 0)) << s.change;
    reads = g.scans.FilesRead();
  }
}
TEST(TcLevels, AGroupFileListsTheMapsOfItsDirectoryAZipTheNamesBeforeEachMap) {
  const std::string filler = FillerBytes(400);  // the scan needs 256 bytes past the directory
  const std::string grp = fixture::GroupFileBytes({{"E1L1.MAP", filler}, {"E1L2.MAP", "m"}});
  std::string b = fixture::GroupFileBytes({{"A.MAP", filler}, {"B.MAP", ""}, {"C.MAP", ""}}), b0 = b;
  b[16 + 16 + 2] = '\x80';  // "B." ends the second name; the scan goes on
  b0[16 + 16] = '\x1F';     // an entry that starts unprintable ends the scan
  // 17 entries and no data: 16 + 17 * 16 = 288 bytes, so 18 - 16 = 2 entries are looked at.
  std::vector<fixture::GroupEntry> seventeen, many;
  for (char c = 'A'; c <= 'Q'; ++c) seventeen.push_back({std::string(1, c) + ".MAP", ""});
  for (int i = 0; i < 2000; ++i) many.push_back({"M" + std::to_string(i) + ".MAP", ""});
  const struct { const char* rule; std::string bytes; Names names; } cases[] = {
      {"in order", fixture::GroupFileBytes({{"E1L1.MAP", filler}, {"T.ART", ""}, {"zz.map", ""}}), {"E1L1", "ZZ"}},
      {"duplicates are kept", fixture::GroupFileBytes({{"A.MAP", filler}, {"A.MAP", ""}}), {"A", "A"}},
      {"a bare .map has no name", fixture::GroupFileBytes({{".MAP", filler}, {"B.MAPX", ""}}), {"B"}},
      {"a name fills its twelve bytes", fixture::GroupFileBytes({{"LONGNAME.MAP", filler}}), {"LONGNAME"}},
      // The size field that follows (80 = "P") does not complete ".MA".
      {"and ends there", fixture::GroupFileBytes({{"ABCDEFGHI.MA", std::string(80, 'x')}, {"PAD.ART", filler}}), {}},
      {"an unprintable byte ends a name", b, {"A", "C"}},
      {"an entry starting unprintable ends the directory", b0, {"A"}},
      {"empty", "", {}}, {"data cut short", grp.substr(0, 300), {"E1L1", "E1L2"}},
      {"a name cut at the end", std::string(272, ' ').replace(16, 7, "LONGNAM"), {}},
      {"all but the last sixteen entries read", fixture::GroupFileBytes(seventeen), {"A", "B"}}};
  for (const auto& c : cases) EXPECT_EQ(LevelNamesInGrp(c.bytes), c.names) << c.rule;
  const Names names = LevelNamesInGrp(fixture::GroupFileBytes(many));  // 30000 bytes: 30000 / 16 - 16 entries
  EXPECT_TRUE(names.size() == 1859 && names.back() == "M1858") << names.size();
  const std::string zip = fixture::ZipBytes({{"E1L1.MAP", "m"}, {"TILES000.ART", "a"}, {"Boss.map", "b"}});
  const std::string cut = fixture::ZipBytes({{"CUT.MAP", FillerBytes(20000)}, {"LAST.MAP", "m"}});
  std::string manyMaps, same;
  Names first72;
  for (int i = 0; i < 80; ++i) manyMaps += " l" + std::to_string(i % 75) + ".map";
  for (int i = 0; i < 72; ++i) same += " a.map", first72.push_back("L" + std::to_string(i));
  const struct { const char* rule; std::string bytes; Names names; } zipCases[] = {
      {"names after a control byte or space", "\x01" "e1l1.map \x02" "Boss.MAP\x03", {"E1L1", "BOSS"}},
      {"each name once", "\x01" "a.map\x01" "b.map\x01" "A.MAP", {"A", "B"}},
      {"bytes above 122 end a name", "x{top.map", {"TOP"}},
      {"a path keeps its folder", " maps/e2l1.map", {"MAPS/E2L1"}},
      {"an empty name is no name", " .map x.map", {"X"}},
      {"no more than 29 bytes back", " " + std::string(28, 'n') + ".map", {std::string(28, 'N')}},
      {"a .map with no name in reach ends the scan", " " + std::string(29, 'n') + ".map b.map", {}},
      {"a dot an earlier pass took still counts", " a.map.map b.map", {"A", "A.MAP", "B"}},
      {"72 passes at most", manyMaps, first72},
      {"repeated names use up passes too", same + " b.map", {"A"}},
      {"a real zip, from both headers", zip, {"E1L1", "BOSS"}},
      {"empty", "", {}}, {"cut in its data", cut.substr(0, 12000), {"CUT"}},
      {"a name cut at the end", "x E1L1.ma", {}}};
  // clang-format on
  for (const auto& c : zipCases) EXPECT_EQ(LevelNamesInZip(c.bytes), c.names) << c.rule;
}
using Results = std::vector<std::vector<std::string>>;
// Far enough ahead that no generated file counts as changed just now.
std::time_t Later() { return std::time(nullptr) + 3600; }
// Twelve TCs of both archives naming their files first, last or in a batch file.
fixture::Installation Generated() {
  fixture::Installation inst;
  inst.gameData = 0;
  for (int i = 0; i < 12; ++i) {
    const std::string b = "Tc" + std::to_string(10 + i);
    inst.tcs.push_back({.base = b, .archive = i % 2 ? fixture::Archive::Zip : fixture::Archive::Grp,
                        .levels = {b + "a"}, .script = i % 3 != 0, .ownMap = i % 4 == 0,
                        .dataSize = 12000 + 3000 * std::size_t(i % 3), .namesLast = i % 5 == 0, .settings = {}});
    if (i % 6 == 0) inst.textFiles.push_back({"Games/" + b + ".bat", {"duke3d -x" + b + ".con -h" + b + ".def"}});
  }
  return inst;
}
// Program starts in one folder answering for every group file; answers and the files read.
struct Starts {
  explicit Starts(const std::string& folder)
      : root(folder), games(folder + "Games/"), cache(folder + "cache/tarvolin/") {}
  std::pair<Results, std::size_t> Start(bool cached, WriteFaultHook hook = {},
                                        std::function<std::time_t()> now = Later) {
    FileSystem fs(root);
    GroupScanCache scans;
    if (cached) scans.KeepIn(cache, root, std::move(now));
    scans.SetWriteFaultHook(std::move(hook));
    Results results;
    const TcFolder folder(fs, games);
    for (const std::string& name : fs.List(games, kGroupFilePatterns))
      results.push_back(FindInTC(fs, scans, folder, name, {".con", ".def", ".map"}));
    results.push_back(fs.List(games, kGroupFilePatterns));
    scans.Sweep(), scans.Store();
    return {results, scans.FilesRead()};
  }
  Results Fresh() { return Start(false).first; }
  std::string CacheFile() const { GroupScanCache scans; return scans.KeepIn(cache, root), scans.CacheFile(); }
  std::string root, games, cache;
};
// Renames an entry inside an archive in place: same file, same size.
void Overwrite(const std::string& path, const std::string& from, const std::string& to) {
  const std::string bytes = fixture::ReadFile(path);
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + 1))
    f.seekp(std::streamoff(at)).write(to.data(), std::streamsize(to.size()));
}
TEST(ScanCache, ARestartAnswersAsAFreshScan) {
  fixture::TempFolder dir;
  fixture::MakeInstallation(dir.Path(), Generated());
  Starts starts(dir.Path());
  const std::string g = starts.games;
  std::time_t time = 1700000000;
  // Changes move the file time too, not to hide in the read's time tick (tested below).
  const auto stamp = [&](const std::string& name) { fixture::SetFileTime(g + name, time += 60); };
  const auto move = [&](const std::string& a, const std::string& b) { std::rename((g + a).c_str(), (g + b).c_str()); };
  // clang-format off
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"first start", [] {}},
      {"no change", [] {}},
      {"a map renamed in place", [&] { Overwrite(g + "Tc14.grp", "TC14.MAP", "TC14.XYZ"), stamp("Tc14.grp"); }},
      {"a zip's script renamed", [&] { Overwrite(g + "Tc17.zip", "TC17.CON", "TC17.COX"), stamp("Tc17.zip"); }},
      {"replaced by another archive", [&] {
         fixture::WriteZip(g + "new.zip", {{"TC11.DEF", fixture::FillerBytes(12000)}});
         move("new.zip", "Tc11.zip"), stamp("Tc11.zip"); }},
      {"two swapped names", [&] { move("Tc12.grp", "x"), move("Tc14.grp", "Tc12.grp"), move("x", "Tc14.grp"); }},
      {"renamed", [&] { move("Tc15.zip", "Tc45.zip"); }},
      {"renamed back, touched", [&] { move("Tc45.zip", "Tc15.zip"), stamp("Tc15.zip"); }},
      {"touched", [&] { stamp("Tc16.grp"); }},
      {"a batch file changed", [&] { fixture::WriteFile(g + "Tc16.bat", "duke3d -xtc16.con"), stamp("Tc16.bat"); }},
      {"a batch file removed", [&] { std::remove((g + "Tc10.bat").c_str()); }},
      {"an archive removed", [&] { std::remove((g + "Tc17.zip").c_str()); }},
      {"no change again", [] {}}};
  // clang-format on
  for (const auto& [change, make] : steps) {
    make();
    const auto [cached, read] = starts.Start(true);
    EXPECT_EQ(cached, starts.Fresh()) << change;
    EXPECT_TRUE(read == 0 || !std::string(change).starts_with("no change")) << change << " read " << read;
  }
}
TEST(ScanCache, AFileChangedJustBeforeItWasReadIsReadAgainNextStart) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Games/Mytc.grp", fixture::GroupFileBytes({{"MYTC.CON", "x"}}));
  Starts starts(dir.Path());
  const auto now = [] { return std::time(nullptr); };  // the real clock: the file is new
  EXPECT_EQ((std::vector<std::size_t>{starts.Start(true, {}, now).second, starts.Start(true, {}, now).second,
                                      starts.Start(true).second, starts.Start(true).second}),
            (std::vector<std::size_t>{1, 1, 1, 0}));
}
TEST(ScanCache, ADamagedOrUnusableCacheIsNeverTrusted) {
  using Damage = std::function<void(const std::string& file, const std::string& root)>;
  const auto edit = [](std::function<void(std::string&)> change) -> Damage {
    return [change](const std::string& file, const std::string&) {
      std::string bytes = fixture::ReadFile(file);
      change(bytes), std::remove(file.c_str()), fixture::WriteFile(file, bytes);
    };
  };
  const auto failOpen = [](WriteStage stage, const std::string&) { return stage == WriteStage::Open; };
  // clang-format off
  // rebuilt: the next start finds a sound cache
  const struct { const char* damage; Damage make; bool rebuilt = true; WriteFaultHook hook = {}; } cases[] = {
      {"one byte short", edit([](std::string& b) { b.pop_back(); })},
      {"empty", edit([](std::string& b) { b.clear(); })},
      {"an answer's bit flipped", edit([](std::string& b) { b.back() ^= 1; })},
      {"another version", edit([](std::string& b) { b[8] ^= 2; })},
      {"bytes of another program", edit([](std::string& b) { b = "[Cache]\nx=1\n"; })},
      {"another program folder's cache", [](auto& f, auto& root) {
         GroupScanCache other;
         FileSystem fs(root);
         other.KeepIn(root + "cache/tarvolin/", root + "elsewhere/", Later);
         other.Contains(fs, root + "Games/Tc10.grp", ScanKind::Group, {"tc10.con"}), other.Store();
         std::rename(other.CacheFile().c_str(), f.c_str()); }},
      {"a FIFO in its place", [](auto& f, auto&) { std::remove(f.c_str()); ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
      {"a link to a sound cache in its place", [](auto& f, auto& root) {
         std::rename(f.c_str(), (root + "copy").c_str());
         ASSERT_EQ(::symlink((root + "copy").c_str(), f.c_str()), 0); }},
      {"a folder in its place", [](auto& f, auto&) { std::remove(f.c_str()), fixture::MakeFolder(f); }, false},
      {"a cache folder that cannot be made", [](auto&, auto& root) {
         std::filesystem::remove_all(root + "cache"), fixture::WriteFile(root + "cache", ""); }, false},
      {"an unwritable cache folder", [](auto& f, auto&) { std::remove(f.c_str()); }, false, failOpen}};
  // clang-format on
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    fixture::MakeInstallation(dir.Path(), Generated());
    Starts starts(dir.Path());
    const Results fresh = starts.Fresh();
    const std::size_t all = starts.Start(true).second;
    c.make(starts.CacheFile(), dir.Path());
    EXPECT_EQ(starts.Start(true, c.hook), std::make_pair(fresh, all)) << c.damage;
    EXPECT_EQ(starts.Start(true, c.hook).second, c.rebuilt ? 0 : all) << c.damage;
    struct stat st {};
    EXPECT_EQ(::lstat(starts.CacheFile().c_str(), &st) == 0 && S_ISREG(st.st_mode), c.rebuilt) << c.damage;
  }
}
TEST(ScanCache, LevelNamesAreReadOnceWhileTheirFileIsUnchanged) {
  fixture::TempFolder dir;
  const std::string zip = dir.Path() + "Games/Mytc.zip";
  fixture::WriteFile(zip, "a E1L1.map E1L2.map");
  int reads = 0;
  const auto start = [&](bool pass) {
    GroupScanCache scans;
    scans.KeepIn(dir.Path() + "cache/", dir.Path(), Later);
    const auto names = scans.LevelNames(zip, [&] { return ++reads, LevelNamesInZip(fixture::ReadFile(zip)); });
    if (pass) scans.Sweep();  // a pass that did not ask for them keeps them
    scans.Sweep(), scans.Store();
    return names;
  };
  for (const bool pass : {false, true, false}) EXPECT_EQ(start(pass), (Names{"E1L1", "E1L2"}));
  EXPECT_EQ(reads, 1);
  fixture::WriteFile(zip, "a E2L1.map"), fixture::SetFileTime(zip, 1600000000);
  EXPECT_EQ(std::pair(start(false), reads), std::pair(Names{"E2L1"}, 2));
}
TEST(ScanCache, TheFolderKeepsTheCachesOfTheInstallationsStartedLast) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Games/Mytc.grp", "mytc.con");
  Starts starts(dir.Path());
  std::set<std::string> expected = {"notes.txt", starts.CacheFile().substr(starts.cache.size())};
  for (int i = 0; i < 40; ++i) {
    const std::string name = "scans-" + std::to_string(100 + i) + ".cache";
    fixture::WriteFile(starts.cache + name, "x"), fixture::SetFileTime(starts.cache + name, 1600000000 + i);
    if (i >= 9) expected.insert(name);
  }
  fixture::WriteFile(starts.cache + "notes.txt", "not a cache");
  starts.Start(true);
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(starts.cache)) left.insert(entry.path().filename());
  EXPECT_EQ(left, expected);
}
TEST(ScanCache, LivesInTheUsersCacheFolder) {
  // clang-format off
  const char* const cases[][3] = {{"/x/cache", "/home/p", "/x/cache/tarvolin/"},
      {"/x/cache/", "/home/p", "/x/cache/tarvolin/"}, {nullptr, "/home/p", "/home/p/.cache/tarvolin/"},
      {"", "/home/p/", "/home/p/.cache/tarvolin/"}, {"relative", "/home/p", "/home/p/.cache/tarvolin/"},
      {nullptr, nullptr, ""}, {"", "relative", ""}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(CacheFolderOf(c[0], c[1]), c[2]) << (c[0] ? c[0] : "(unset)");
}
}  // namespace
}  // namespace tv
