// The group scans kept between runs: a restart answers as a fresh scan, whatever changed in between.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "fixture/Installation.h"

namespace tv {
namespace {

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
    scans.Sweep();
    scans.Store();
    return {results, scans.FilesRead()};
  }
  Results Fresh() { return Start(false).first; }
  std::string CacheFile() const {
    GroupScanCache scans;
    return scans.KeepIn(cache, root), scans.CacheFile();
  }
  std::string root, games, cache;
};

// Renames an entry inside an archive in place: same file, same size.
void Overwrite(const std::string& path, const std::string& from, const std::string& to) {
  const std::string bytes = fixture::ReadFile(path);
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + 1)) {
    f.seekp(std::streamoff(at));
    f.write(to.data(), std::streamsize(to.size()));
  }
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
      {"no change again", [] {}},
  };
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
  const std::size_t reads[] = {starts.Start(true, {}, now).second, starts.Start(true, {}, now).second,
                               starts.Start(true).second, starts.Start(true).second};
  EXPECT_EQ(std::vector<std::size_t>(std::begin(reads), std::end(reads)), (std::vector<std::size_t>{1, 1, 1, 0}));
}

TEST(ScanCache, ADamagedOrUnusableCacheIsNeverTrusted) {
  using Damage = std::function<void(const std::string& file, const std::string& root)>;
  const auto edit = [](std::function<void(std::string&)> change) -> Damage {
    return [change](const std::string& file, const std::string&) {
      std::string bytes = fixture::ReadFile(file);
      change(bytes);
      std::remove(file.c_str());
      fixture::WriteFile(file, bytes);
    };
  };
  const auto failOpen = [](WriteStage stage, const std::string&) { return stage == WriteStage::Open; };
  // clang-format off
  const struct {
    const char* damage;
    Damage make;
    bool rebuilt = true;  // the next start finds a sound cache
    WriteFaultHook hook = {};
  } cases[] = {
      {"truncated", edit([](std::string& b) { b.resize(b.size() / 2); })},
      {"one byte short", edit([](std::string& b) { b.pop_back(); })},
      {"empty", edit([](std::string& b) { b.clear(); })},
      {"an answer's bit flipped", edit([](std::string& b) { b.back() ^= 1; })},
      {"another version", edit([](std::string& b) { b[8] ^= 2; })},
      {"bytes of another program", edit([](std::string& b) { b = "[Cache]\nx=1\n"; })},
      {"another program folder's cache", [](auto& f, auto& root) {
         GroupScanCache other;
         other.KeepIn(root + "cache/tarvolin/", root + "elsewhere/", Later);
         FileSystem fs(root);
         other.Contains(fs, root + "Games/Tc10.grp", ScanKind::Group, {"tc10.con"});
         other.Store();
         std::rename(other.CacheFile().c_str(), f.c_str()); }},
      {"a FIFO in its place", [](auto& f, auto&) { std::remove(f.c_str()); ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
      {"a link to a sound cache in its place", [](auto& f, auto& root) {
         std::rename(f.c_str(), (root + "copy").c_str());
         ASSERT_EQ(::symlink((root + "copy").c_str(), f.c_str()), 0); }},
      {"a folder in its place", [](auto& f, auto&) { std::remove(f.c_str()), fixture::MakeFolder(f); }, false},
      {"a cache folder that cannot be made", [](auto&, auto& root) {
         std::filesystem::remove_all(root + "cache"), fixture::WriteFile(root + "cache", ""); }, false},
      {"an unwritable cache folder", [](auto& f, auto&) { std::remove(f.c_str()); }, false, failOpen},
  };
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
    scans.Sweep();
    scans.Store();
    return names;
  };
  const std::vector<std::string> levels = {"E1L1", "E1L2"};
  for (const bool pass : {false, true, false}) EXPECT_EQ(start(pass), levels);
  EXPECT_EQ(reads, 1);
  fixture::WriteFile(zip, "a E2L1.map");
  fixture::SetFileTime(zip, 1600000000);
  EXPECT_EQ(start(false), std::vector<std::string>{"E2L1"});
  EXPECT_EQ(reads, 2);
}

TEST(ScanCache, TheFolderKeepsTheCachesOfTheInstallationsStartedLast) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Games/Mytc.grp", "mytc.con");
  Starts starts(dir.Path());
  std::vector<std::string> expected = {"notes.txt", starts.CacheFile().substr(starts.cache.size())};
  for (int i = 0; i < 40; ++i) {
    const std::string name = "scans-" + std::to_string(100 + i) + ".cache";
    fixture::WriteFile(starts.cache + name, "x");
    fixture::SetFileTime(starts.cache + name, 1600000000 + i);
    if (i >= 9) expected.push_back(name);
  }
  fixture::WriteFile(starts.cache + "notes.txt", "not a cache");
  starts.Start(true);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(starts.cache)) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  std::sort(expected.begin(), expected.end());
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
