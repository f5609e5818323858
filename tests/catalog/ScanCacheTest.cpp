// The group scans' results kept between runs: what a restart answers from the
// cache file is what a fresh scan finds, whatever happened to the group files
// or to the cache file in between.
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

// Twelve TCs of both archives: scripts, maps and definition files named in
// the archive, first or last, or by a batch file beside it.
fixture::Installation Generated() {
  fixture::Installation inst;
  inst.gameData = 0;
  for (int i = 0; i < 12; ++i) {
    const std::string base = "Tc" + std::to_string(10 + i);
    inst.tcs.push_back({.base = base,
                        .archive = i % 2 ? fixture::Archive::Zip : fixture::Archive::Grp,
                        .levels = {base + "a"},
                        .script = i % 3 != 0,
                        .ownMap = i % 4 == 0,
                        .dataSize = 12000 + 3000 * std::size_t(i % 3),
                        .namesLast = i % 5 == 0,
                        .settings = {}});
    if (i % 6 == 0) inst.textFiles.push_back({"Games/" + base + ".bat", {"duke3d -x" + base + ".con -h" + base + ".def"}});
  }
  return inst;
}

// A start's answers for every group file of the Games folder.
Results Scan(FileSystem& fs, GroupScanCache& scans, const std::string& games) {
  Results results;
  const TcFolder folder(fs, games);
  for (const std::string& name : fs.List(games, kGroupFilePatterns))
    results.push_back(FindInTC(fs, scans, folder, name, {".con", ".def", ".map"}));
  results.push_back(fs.List(games, kGroupFilePatterns));
  scans.Sweep();
  scans.Store();
  return results;
}

struct Starts {
  explicit Starts(const std::string& folder)
      : root(folder), games(folder + "Games/"), cache(folder + "cache/tarvolin/") {}
  // A program start with the cache: its answers, and how many files it read.
  std::pair<Results, std::size_t> Cached(WriteFaultHook hook = {}) {
    FileSystem fs(root);
    GroupScanCache scans;
    scans.KeepIn(cache, root, Later);
    scans.SetWriteFaultHook(std::move(hook));
    Results results = Scan(fs, scans, games);
    return {results, scans.FilesRead()};
  }
  Results Fresh() {
    FileSystem fs(root);
    GroupScanCache scans;
    return Scan(fs, scans, games);
  }
  std::string CacheFile() const {
    GroupScanCache scans;
    scans.KeepIn(cache, root);
    return scans.CacheFile();
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
  // Every change also moves the file time, so that it cannot hide in the
  // time tick of the read before it (that case has a test of its own).
  const auto stamp = [&](const std::string& name) { fixture::SetFileTime(g + name, time += 60); };
  const auto swapNames = [&](const std::string& a, const std::string& b) {
    std::rename((g + a).c_str(), (g + "swap").c_str());
    std::rename((g + b).c_str(), (g + a).c_str());
    std::rename((g + "swap").c_str(), (g + b).c_str());
  };
  const struct {
    const char* change;
    std::function<void()> make;
  } steps[] = {
      {"first start", [] {}},
      {"no change", [] {}},
      {"a map's name changed in place, same size",
       [&] {
         Overwrite(g + "Tc14.grp", "TC14.MAP", "TC14.XYZ");
         stamp("Tc14.grp");
       }},
      {"a zip's script renamed in place",
       [&] {
         Overwrite(g + "Tc17.zip", "TC17.CON", "TC17.COX");
         stamp("Tc17.zip");
       }},
      {"replaced by another archive",
       [&] {
         fixture::WriteZip(g + "new.zip", {{"TC11.DEF", fixture::FillerBytes(12000)}});
         std::rename((g + "new.zip").c_str(), (g + "Tc11.zip").c_str());
         stamp("Tc11.zip");
       }},
      {"two archives swapped names", [&] { swapNames("Tc12.grp", "Tc14.grp"); }},
      {"renamed", [&] { std::rename((g + "Tc15.zip").c_str(), (g + "Tc45.zip").c_str()); }},
      {"renamed back, touched", [&] {
         std::rename((g + "Tc45.zip").c_str(), (g + "Tc15.zip").c_str());
         stamp("Tc15.zip");
       }},
      {"touched", [&] { stamp("Tc16.grp"); }},
      {"a batch file changed", [&] {
         fixture::WriteFile(g + "Tc16.bat", "duke3d -xtc16.con");
         stamp("Tc16.bat");
       }},
      {"a batch file removed", [&] { std::remove((g + "Tc10.bat").c_str()); }},
      {"an archive removed", [&] { std::remove((g + "Tc17.zip").c_str()); }},
      {"no change again", [] {}},
  };
  for (const auto& s : steps) {
    s.make();
    const auto [cached, read] = starts.Cached();
    EXPECT_EQ(cached, starts.Fresh()) << s.change;
    if (std::string(s.change).starts_with("no change")) {
      EXPECT_EQ(read, 0u) << s.change;
    }
  }
}

TEST(ScanCache, AFileChangedJustBeforeItWasReadIsReadAgainNextStart) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Games/Mytc.grp", fixture::GroupFileBytes({{"MYTC.CON", "x"}}));
  Starts starts(dir.Path());
  const auto start = [&] {
    FileSystem fs(dir.Path());
    GroupScanCache scans;
    scans.KeepIn(starts.cache, dir.Path());  // the real clock: the file is new
    Scan(fs, scans, starts.games);
    return scans.FilesRead();
  };
  EXPECT_EQ(start(), 1u);
  EXPECT_EQ(start(), 1u);
  EXPECT_EQ(starts.Cached().second, 1u);
  EXPECT_EQ(starts.Cached().second, 0u);
}

TEST(ScanCache, ADamagedOrUnusableCacheIsNeverTrusted) {
  using Damage = std::function<void(const std::string& file, const std::string& root)>;
  const auto rewrite = [](const std::string& file, std::function<void(std::string&)> edit) {
    std::string bytes = fixture::ReadFile(file);
    edit(bytes);
    std::remove(file.c_str());
    fixture::WriteFile(file, bytes);
  };
  const auto failOpen = [](WriteStage stage, const std::string&) { return stage == WriteStage::Open; };
  const struct {
    const char* damage;
    Damage make;
    bool rebuilt = true;  // the next start finds a sound cache again
    WriteFaultHook hook = {};
  } cases[] = {
      {"truncated", [&](auto& f, auto&) { rewrite(f, [](std::string& b) { b.resize(b.size() / 2); }); }},
      {"one byte short", [&](auto& f, auto&) { rewrite(f, [](std::string& b) { b.pop_back(); }); }},
      {"empty", [&](auto& f, auto&) { rewrite(f, [](std::string& b) { b.clear(); }); }},
      {"an answer's bit flipped", [&](auto& f, auto&) { rewrite(f, [](std::string& b) { b.back() ^= 1; }); }},
      {"another version", [&](auto& f, auto&) { rewrite(f, [](std::string& b) { b[8] ^= 2; }); }},
      {"bytes of another program", [&](auto& f, auto&) { rewrite(f, [](std::string& b) { b = "[Cache]\nx=1\n"; }); }},
      {"another program folder's cache",
       [&](auto& f, auto& root) {
         GroupScanCache other;
         other.KeepIn(root + "cache/tarvolin/", root + "elsewhere/", Later);
         FileSystem fs(root);
         other.Contains(fs, root + "Games/Tc10.grp", ScanKind::Group, {"tc10.con"});
         other.Store();
         std::rename(other.CacheFile().c_str(), f.c_str());
       }},
      {"a FIFO in its place",
       [](auto& f, auto&) {
         std::remove(f.c_str());
         ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0);
       }},
      {"a link to a sound cache in its place",
       [](auto& f, auto& root) {
         std::rename(f.c_str(), (root + "copy").c_str());
         ASSERT_EQ(::symlink((root + "copy").c_str(), f.c_str()), 0);
       }},
      {"a folder in its place",
       [](auto& f, auto&) {
         std::remove(f.c_str());
         fixture::MakeFolder(f);
       },
       false},
      {"a cache folder that cannot be made",
       [](auto&, auto& root) {
         std::filesystem::remove_all(root + "cache");
         fixture::WriteFile(root + "cache", "");
       },
       false},
      {"an unwritable cache folder", [](auto& f, auto&) { std::remove(f.c_str()); }, false, failOpen},
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    fixture::MakeInstallation(dir.Path(), Generated());
    Starts starts(dir.Path());
    const Results fresh = starts.Fresh();
    const std::size_t all = starts.Cached().second;
    c.make(starts.CacheFile(), dir.Path());
    EXPECT_EQ(starts.Cached(c.hook), std::make_pair(fresh, all)) << c.damage;
    EXPECT_EQ(starts.Cached(c.hook).second, c.rebuilt ? 0 : all) << c.damage;
    struct stat st {};
    if (c.rebuilt) {
      EXPECT_TRUE(::lstat(starts.CacheFile().c_str(), &st) == 0 && S_ISREG(st.st_mode)) << c.damage;
    }
  }
}

TEST(ScanCache, LevelNamesAreReadOnceWhileTheirFileIsUnchanged) {
  fixture::TempFolder dir;
  const std::string zip = dir.Path() + "Games/Mytc.zip";
  fixture::WriteFile(zip, "a E1L1.map E1L2.map");
  const std::string cache = dir.Path() + "cache/";
  int reads = 0;
  const auto start = [&](bool pass) {
    GroupScanCache scans;
    scans.KeepIn(cache, dir.Path(), Later);
    const std::vector<std::string> names = scans.LevelNames(zip, [&] {
      ++reads;
      return LevelNamesInZip(fixture::ReadFile(zip));
    });
    if (pass) scans.Sweep();  // a pass that did not ask for them keeps them
    scans.Sweep();
    scans.Store();
    return names;
  };
  const std::vector<std::string> levels = {"E1L1", "E1L2"};
  EXPECT_EQ(start(false), levels);
  EXPECT_EQ(start(true), levels);
  EXPECT_EQ(start(false), levels);
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
  for (int i = 0; i < 40; ++i) {
    fixture::WriteFile(starts.cache + "scans-" + std::to_string(100 + i) + ".cache", "x");
    fixture::SetFileTime(starts.cache + "scans-" + std::to_string(100 + i) + ".cache", 1600000000 + i);
  }
  fixture::WriteFile(starts.cache + "notes.txt", "not a cache");
  starts.Cached();
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(starts.cache)) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  std::vector<std::string> expected = {"notes.txt"};
  for (int i = 9; i < 40; ++i) expected.push_back("scans-" + std::to_string(100 + i) + ".cache");
  expected.push_back(starts.CacheFile().substr(starts.cache.size()));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);
}

TEST(ScanCache, LivesInTheUsersCacheFolder) {
  const struct {
    const char *xdgCacheHome, *home, *folder;
  } cases[] = {
      {"/x/cache", "/home/p", "/x/cache/tarvolin/"}, {"/x/cache/", "/home/p", "/x/cache/tarvolin/"},
      {nullptr, "/home/p", "/home/p/.cache/tarvolin/"}, {"", "/home/p/", "/home/p/.cache/tarvolin/"},
      {"relative", "/home/p", "/home/p/.cache/tarvolin/"}, {nullptr, nullptr, ""}, {"", "relative", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CacheFolderOf(c.xdgCacheHome, c.home), c.folder) << (c.xdgCacheHome ? c.xdgCacheHome : "(unset)");
}

}  // namespace
}  // namespace tv
