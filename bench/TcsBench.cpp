// TC discovery over a Games folder of 300 TCs (290 small ".grp", 10 ".zip"
// of 20 MB), as the start-up pass runs it: the first pass of a run, which
// scans the group files, and the repeated pass after every dialog, which
// finds them unchanged. Each is measured against its floor: the same bytes
// read bare with read(), and the listing with one stat per group file.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "platform/Text.h"

namespace tv {
namespace {

constexpr int kSmallTcs = 290;
constexpr int kZipTcs = 10;
constexpr std::size_t kZipData = 20'000'000;

std::string Number(int i, int width) {
  std::string s = std::to_string(i);
  return std::string(std::size_t(width) - std::min<std::size_t>(s.size(), std::size_t(width)), '0') + s;
}

// Generated once beside the benchmark program and kept for later runs.
const std::string& DataFolder() {
  static const std::string folder = [] {
    const std::string root = ProgramFolderOfExecutable() + "tcs-bench-data/";
    const std::string games = root + "Games/";
    if (fixture::Exists(root + "ready")) return root;
    std::fprintf(stderr, "Generating %s ...\n", root.c_str());
    for (int i = 0; i < kSmallTcs; ++i) {
      const std::string base = "Tc" + Number(i, 3);
      std::vector<fixture::GroupEntry> entries = {
          {"TILES000.ART", fixture::FillerBytes(20000 + 137 * std::size_t(i), unsigned(i))},
          {"E1L1.MAP", fixture::FillerBytes(3000, unsigned(i) + 7)}};
      if (i % 3 == 0) entries.insert(entries.begin(), {Upper(base) + ".CON", "define x 1"});
      fixture::WriteGroupFile(games + base + ".grp", entries);
      if (i % 5 == 0) fixture::WriteFile(games + base + ".def", "model");
      if (i % 7 == 0) fixture::WriteFile(games + base + ".gam", "script");
      if (i % 11 == 0) fixture::WriteZip(games + base + "_hrp.zip", {{"HRP.DEF", "d"}});
      if (i % 13 == 0) fixture::WriteFile(games + base + ".bat", "duke3d -x" + Lower(base) + ".con\r\n");
    }
    for (int i = 0; i < kZipTcs; ++i) {
      // The names come after the data, as in an archive that lists its
      // scripts last: the scans read the whole file.
      const std::string base = "Big" + Number(i, 2);
      fixture::WriteZip(games + base + ".zip", {{"TILES000.ART", fixture::FillerBytes(kZipData, unsigned(i))},
                                                {Upper(base) + ".CON", "define y 2"},
                                                {Upper(base) + ".MAP", fixture::FillerBytes(2000)}});
    }
    // The first start of all writes the per-TC settings files.
    FileSystem fs(root);
    GroupScanCache scans;
    DiscoverTCs(fs, scans, root + "Games", fs.List(root + "Games", kGroupFilePatterns));
    fixture::WriteFile(root + "ready", "");
    return root;
  }();
  return folder;
}

std::string Games() { return DataFolder() + "Games"; }

std::vector<TcRecord> Pass(FileSystem& fs, GroupScanCache& scans) {
  FileSystem::PassScope pass(fs);
  std::vector<TcRecord> tcs = DiscoverTCs(fs, scans, Games(), fs.List(Games(), kGroupFilePatterns));
  scans.Sweep();
  return tcs;
}

void FirstPass(benchmark::State& state) {
  FileSystem fs(DataFolder());
  for (auto _ : state) {
    GroupScanCache scans;
    benchmark::DoNotOptimize(Pass(fs, scans));
  }
}

void RepeatedPass(benchmark::State& state) {
  FileSystem fs(DataFolder());
  GroupScanCache scans;
  if (Pass(fs, scans).size() != kMaxTcs) state.SkipWithError("not 300 TCs");
  const std::size_t reads = scans.FilesRead();
  for (auto _ : state) benchmark::DoNotOptimize(Pass(fs, scans));
  if (scans.FilesRead() != reads) state.SkipWithError("an unchanged group file was read again");
}

// The floors: plain system calls, no logic.
std::vector<std::string> ReadFolder(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  while (const dirent* d = ::readdir(dir)) names.emplace_back(d->d_name);
  ::closedir(dir);
  return names;
}

std::size_t ReadBare(const std::string& path, std::size_t limit) {
  static std::vector<char> buffer(1 << 20);
  const int fd = ::open(path.c_str(), O_RDONLY);
  std::size_t total = 0;
  for (ssize_t n = 1; n > 0 && total < limit;) {
    n = ::read(fd, buffer.data(), std::min(buffer.size(), limit - total));
    if (n > 0) total += std::size_t(n);
  }
  ::close(fd);
  return total;
}

bool IsTc(const std::string& name) {
  const std::string n = Lower(name);
  return (n.ends_with(".grp") || n.ends_with(".zip")) && !Contains(n, "_hrp");
}

std::string Base(const std::string& name) { return name.substr(0, name.size() - 4); }

// What the first pass reads: each settings file, the head of each batch
// file and ".grp", and each ".zip" whole (none of them names a ".def").
void FirstPassFloor(benchmark::State& state) {
  const std::string folder = Games() + "/";
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const std::string& name : ReadFolder(folder)) {
      if (!IsTc(name)) continue;
      bytes += ReadBare(folder + Base(name) + ".ini", SIZE_MAX);
      struct stat st {};
      if (::stat((folder + Base(name) + ".bat").c_str(), &st) == 0)
        bytes += ReadBare(folder + Base(name) + ".bat", 10000);
      bytes += ReadBare(folder + name, Lower(name).ends_with(".grp") ? 10000 : SIZE_MAX);
    }
    benchmark::DoNotOptimize(bytes);
  }
}

void RepeatedPassFloor(benchmark::State& state) {
  const std::string folder = Games() + "/";
  for (auto _ : state) {
    for (const std::string& name : ReadFolder(folder)) {
      struct stat st {};
      if (IsTc(name)) benchmark::DoNotOptimize(::stat((folder + name).c_str(), &st));
    }
  }
}

// The listing, one stat per group file and the settings files read: what a
// repeated pass cannot avoid.
void RepeatedPassFloorWithSettings(benchmark::State& state) {
  const std::string folder = Games() + "/";
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const std::string& name : ReadFolder(folder)) {
      if (!IsTc(name)) continue;
      struct stat st {};
      benchmark::DoNotOptimize(::stat((folder + name).c_str(), &st));
      bytes += ReadBare(folder + Base(name) + ".ini", SIZE_MAX);
    }
    benchmark::DoNotOptimize(bytes);
  }
}

// The scans of a very first start (no settings file yet, so all three names
// are asked of every TC), one read per name and nothing kept: what the
// single read and the reuse save.
void ScanPerName(benchmark::State& state) {
  FileSystem fs(DataFolder());
  for (auto _ : state) {
    FileSystem::PassScope pass(fs);
    const TcFolder games(fs, Games());
    for (const std::string& name : fs.List(Games(), kGroupFilePatterns)) {
      if (!IsTc(name)) continue;
      for (const char* ext : {".con", ".def", ".map"}) {
        GroupScanCache scans;
        benchmark::DoNotOptimize(FindInTC(fs, scans, games, Capitalized(name), {ext}));
      }
    }
  }
}

void Configure(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(FirstPass)->Apply(Configure);
BENCHMARK(FirstPassFloor)->Apply(Configure);
BENCHMARK(ScanPerName)->Apply(Configure);
BENCHMARK(RepeatedPass)->Apply(Configure);
BENCHMARK(RepeatedPassFloor)->Apply(Configure);
BENCHMARK(RepeatedPassFloorWithSettings)->Apply(Configure);

// Prints each pass's median as a ratio to its floors' medians.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
        m_medians[r.run_name.function_name] = r.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto ratio = [&](const char* pass, const char* floor) {
      if (!m_medians.contains(pass) || !m_medians.contains(floor)) return;
      std::printf("%-14s %9.3f ms = %6.2f x %-30s (%.3f ms)\n", pass, m_medians[pass],
                  m_medians[pass] / m_medians[floor], floor, m_medians[floor]);
    };
    std::printf("\nMedians of 5 repetitions, as ratios to their floors:\n");
    ratio("FirstPass", "FirstPassFloor");
    ratio("ScanPerName", "FirstPassFloor");
    ratio("RepeatedPass", "RepeatedPassFloor");
    ratio("RepeatedPass", "RepeatedPassFloorWithSettings");
  }

 private:
  std::map<std::string, double> m_medians;
};

}  // namespace
}  // namespace tv

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tv::DataFolder();
  tv::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  return 0;
}
