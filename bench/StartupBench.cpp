// The start-up pass on a large installation: seven map folders of 1000 maps
// with read-me files, 300 TCs of which 20 are ".zip" archives of 20 MB, ten
// saved games, executables of 5 MB with the version text near their end.
// Measured: the first pass of a run (a fresh program) with an empty scan
// cache and with the cache a previous start left, a repeated pass (what the
// player waits for after every dialog closes), each against its floor (the
// same listings, stat calls and bytes read bare, no logic), where the time of
// each pass goes by step; then, as separate processes on a virtual X server,
// the time from the program's start to its window shown with the lists
// filled, on the demo folder and on the large installation, and its peak
// memory, both against an empty Qt window.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

#include "NullUi.h"
#include "ProcessMemory.h"
#include "WindowStart.h"
#include "session/Program.h"
#include "demo/DemoInstallation.h"
#include "fixture/Fixture.h"
#include "fixture/Installation.h"
#include "platform/Text.h"

namespace tv {
namespace {

constexpr int kMapsPerFolder = 1000;
constexpr int kGrpTcs = 280;
constexpr int kZipTcs = 20;
constexpr std::size_t kZipData = 20'000'000;
constexpr int kSavedGames = 10;
constexpr std::uint64_t kExecutableSize = 5'000'000;
// The version text lies in the last whole block but one.
constexpr std::uint64_t kMarkedBlock = kExecutableSize / fixture::kVersionBlock - 2;
constexpr int kRuns = 5;

std::string Number(int i, int width) {
  std::string s = std::to_string(i);
  return std::string(std::size_t(std::max(0, width - int(s.size()))), '0') + s;
}

fixture::Installation LargeInstallation() {
  fixture::Installation large;
  for (const char* folder : {"Maps", "Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"})
    large.mapFolders.push_back({folder, fixture::NumberedMaps(folder, kMapsPerFolder, 4, true)});
  for (int i = 0; i < kGrpTcs; ++i) {
    const std::string base = "Tc" + Number(i, 3);
    large.tcs.push_back({.base = base,
                         .archive = fixture::Archive::Grp,
                         .levels = {base + "a", base + "b"},
                         .dataSize = 20000 + 137 * std::size_t(i),
                         .hrp = i % 11 == 0,
                         .settings = {}});
    if (i % 5 == 0) large.textFiles.push_back({"Games/" + base + ".def", {"model"}});
    if (i % 13 == 0) large.textFiles.push_back({"Games/" + base + ".bat", {"duke3d -x" + base + ".con"}});
  }
  // The scripts and maps after the data, as in an archive that lists them
  // last: the scans read each archive whole.
  for (int i = 0; i < kZipTcs; ++i)
    large.tcs.push_back({.base = "Big" + Number(i, 2),
                         .archive = fixture::Archive::Zip,
                         .levels = {"Big" + Number(i, 2) + "a"},
                         .dataSize = kZipData + 1000 * std::size_t(i),
                         .namesLast = true,
                         .settings = {}});
  for (int i = 0; i < kSavedGames; ++i)
    large.savedGames.push_back({"game" + std::to_string(i) + ".sav", "Saved game " + std::to_string(i), 0});
  const std::uint64_t near = kMarkedBlock * fixture::kVersionBlock + 100;
  large.executables = {{"Duke3dw.exe", "", kExecutableSize, {{near, "Duke3dw - Version 1.4 - large"}}},
                       {"EDuke32.exe", "", kExecutableSize, {{near, "EDuke32 2.0 large"}}},
                       {"D3WSetup.exe", "", 300'000, {}}};
  large.textFiles.push_back({"Tarvolin.ini", {"[Tarvolin]", "Initialized=True"}});
  return large;
}

// Generated once into the build folder and kept between runs.
const std::string& DataFolder() {
  static const std::string folder = [] {
    const std::string root = ProgramFolderOfExecutable() + "startup-bench-data/";
    if (fixture::Exists(root + "ready")) return root;
    std::fprintf(stderr, "Generating %s (once) ...\n", root.c_str());
    fixture::MakeInstallation(root, LargeInstallation());
    // The first start of all writes the TCs' settings files.
    FileSystem fs(root);
    bench::NullUi ui;
    Program(fs, ui, {root, {"dd/MM/yyyy", "HH:mm:ss"}}).Activate();
    fixture::WriteFile(root + "ready", "");
    return root;
  }();
  return folder;
}

// The in-process passes' scan cache, beside the data.
std::string CacheFolder() { return ProgramFolderOfExecutable() + "startup-bench-cache/"; }

void EmptyCache() { std::filesystem::remove_all(CacheFolder()); }

Environment BenchEnvironment() {
  Environment env{DataFolder(), {"dd/MM/yyyy", "HH:mm:ss"}};
  env.cacheFolder = CacheFolder();
  return env;
}

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The floors: plain system calls, no logic.
std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* d = ::readdir(dir)) names.emplace_back(d->d_name);
    ::closedir(dir);
  }
  return names;
}

void Stat(const std::string& path) {
  struct stat st {};
  benchmark::DoNotOptimize(::stat(path.c_str(), &st));
}

std::size_t Read(const std::string& path, std::uint64_t offset = 0, std::size_t count = SIZE_MAX) {
  static std::vector<char> buffer(1 << 20);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  std::size_t total = 0;
  for (ssize_t n = 1; n > 0 && total < count;) {
    n = ::pread(fd, buffer.data(), std::min(buffer.size(), count - total), off_t(offset + total));
    if (n > 0) total += std::size_t(n);
  }
  ::close(fd);
  return total;
}

bool Ends(const std::string& name, const char* ending) { return Lower(name).ends_with(ending); }

// What every pass has to do: list the program, Games and map folders; stat
// the game data, each group file, map and saved game; read the settings file,
// each TC's settings file, each saved game's title and the executable up to
// its version text. The first pass also reads the head of each ".grp" and
// batch file, and each ".zip" whole: its names come last, and a ".def" that
// it does not hold is looked for to its end.
void PassFloor(bool first) {
  const std::string root = DataFolder();
  std::size_t bytes = 0;
  Stat(root + "Duke3d.grp");
  bytes += Read(root + "Tarvolin.ini");
  for (const std::string& name : ListFolder(root)) {
    if (Lower(name).starts_with("game") && Ends(name, ".sav")) {
      Stat(root + name);
      bytes += Read(root + name, 26, 32);
    }
  }
  bytes += Read(root + "Duke3dw.exe", 0, (kMarkedBlock + 1) * fixture::kVersionBlock);
  const std::string games = root + "Games/";
  const std::vector<std::string> listing = ListFolder(games);
  for (const std::string& name : listing) {
    const bool zip = Ends(name, ".zip");
    if (!(Ends(name, ".grp") || zip) || Contains(Lower(name), "_hrp")) continue;
    const std::string base = games + name.substr(0, name.size() - 4);
    Stat(games + name);
    bytes += Read(base + ".ini");
    if (!first) continue;
    bytes += Read(games + name, 0, zip ? SIZE_MAX : 10000);
    if (std::find(listing.begin(), listing.end(), name.substr(0, name.size() - 4) + ".bat") != listing.end())
      bytes += Read(base + ".bat", 0, 10000);
  }
  for (const std::string& name : ListFolder(root + "Maps/"))
    if (Ends(name, ".map")) Stat(root + "Maps/" + name);
  benchmark::DoNotOptimize(bytes);
}

// Each iteration times the pass, then its floor right after, so that both
// see the same load on a shared machine; the pass's time is the iteration's.
template <class Pass, class Prepare>
void AgainstFloor(benchmark::State& state, bool first, Pass pass, Prepare prepare) {
  double passMs = 0, floorMs = 0;
  for (auto _ : state) {
    prepare();
    const auto start = Clock::now();
    pass();
    const auto middle = Clock::now();
    PassFloor(first);
    const auto end = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    passMs += Ms(middle - start);
    floorMs += Ms(end - middle);
  }
  state.counters["floor_ms"] = floorMs / double(state.iterations());
  state.counters["x_floor"] = passMs / floorMs;
}

void StartProgram() {
  bench::NullUi ui;
  FileSystem fs(DataFolder());
  Program(fs, ui, BenchEnvironment()).Activate();
}

// The first start of all: every archive is read, and the cache written.
void FirstPass(benchmark::State& state) { AgainstFloor(state, true, StartProgram, EmptyCache); }

// A later start: the cache answers for every unchanged archive; its floor is
// that of a repeated pass, which reads no archive either.
void RestartPass(benchmark::State& state) {
  EmptyCache();
  StartProgram();
  AgainstFloor(state, false, StartProgram, [] {});
}

void RepeatedPass(benchmark::State& state) {
  bench::NullUi ui;
  FileSystem fs(DataFolder());
  Program program(fs, ui, BenchEnvironment());
  program.Activate();
  AgainstFloor(
      state, false, [&] { program.Activate(); }, [] {});
}

void Configure(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(kRuns)->ReportAggregatesOnly(true);
}

BENCHMARK(FirstPass)->Apply(Configure);
BENCHMARK(RestartPass)->Apply(Configure);
BENCHMARK(RepeatedPass)->Apply(Configure);

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Where a pass's time goes: the time from each step's start to the next
// one's, medians of kRuns passes, the steps of 0.5 ms or more. A first pass
// starts with an empty cache when emptyCache is set.
void PrintSteps(const char* title, bool first, bool emptyCache = false) {
  bench::NullUi ui;
  FileSystem fs(DataFolder());
  std::unique_ptr<Program> program;
  std::map<std::string, std::vector<double>> times;
  for (int run = 0; run < kRuns; ++run) {
    if (emptyCache) EmptyCache();
    if (first || !program) {
      program = std::make_unique<Program>(fs, ui, BenchEnvironment());
      if (!first) program->Activate();
    }
    std::vector<std::pair<std::string, Clock::time_point>> marks;
    program->SetPassObserver([&](const char* step) { marks.emplace_back(step, Clock::now()); });
    program->Activate();
    marks.emplace_back("", Clock::now());
    for (std::size_t i = 0; i + 1 < marks.size(); ++i)
      times[marks[i].first].push_back(Ms(marks[i + 1].second - marks[i].second));
  }
  std::vector<std::pair<double, std::string>> steps;
  for (const auto& [step, ms] : times)
    if (Median(ms) >= 0.5) steps.emplace_back(Median(ms), step);
  std::sort(steps.rbegin(), steps.rend());
  std::printf("\n%s, by step (medians of %d passes):\n", title, kRuns);
  for (const auto& [ms, step] : steps) std::printf("  %-24s %8.2f ms\n", step.c_str(), ms);
}

// The demo's program folder, made once beside the data.
const std::string& DemoFolder() {
  static const std::string folder = [] {
    const std::string root = ProgramFolderOfExecutable() + "startup-bench-demo/";
    if (!fixture::Exists(root + "ready")) {
      fixture::MakeInstallation(root, demo::DemoInstallation("/bin/true"));
      fixture::WriteFile(root + "ready", "");
    }
    return root;
  }();
  return folder;
}

// The time from a process's start to its window shown with the lists filled
// (the program's title is set by the pass that fills them), medians of kRuns
// starts, against an empty Qt window's start on the same virtual display.
void PrintStarts() {
  bench::VirtualScreen screen;
  if (!screen.Running()) {
    std::printf("\nStart times: no virtual X server (Xvfb) here; not measured.\n");
    return;
  }
  fixture::TempFolder home("tarvolin-bench-home");
  for (const std::string& folder : {DataFolder(), DemoFolder()})
    std::filesystem::copy_file(TV_PROGRAM, folder + "Tarvolin", std::filesystem::copy_options::overwrite_existing);
  const std::string cache = home.Path() + ".cache";
  const char* title = "^Tarvolin - v6\\.2  \\|";
  const struct {
    const char* what;
    std::string program;
    const char* readyTitle;
    bool emptyCache;
    bool message;  // the 1000 maps of its first folder: the limit warning follows the filled lists
  } programs[] = {
      {"empty Qt window", TV_EMPTY_WINDOW, "^Empty$", false, false},
      {"Tarvolin, demo folder", DemoFolder() + "Tarvolin", title, false, false},
      {"Tarvolin, large, cache kept", DataFolder() + "Tarvolin", title, false, true},
      {"Tarvolin, large, empty cache", DataFolder() + "Tarvolin", title, true, true},
  };
  std::printf("\nStart to window shown with its lists filled, medians of %d starts on a virtual X server:\n", kRuns);
  double baseline = 0;
  for (const auto& p : programs) {
    // A first start leaves the cache, the settings and the page cache as a player's next start finds them.
    bench::StartToWindow(screen, p.program, home.Path(), p.readyTitle, p.message);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
      if (p.emptyCache) std::filesystem::remove_all(cache);
      const double ms = bench::StartToWindow(screen, p.program, home.Path(), p.readyTitle, p.message);
      if (ms >= 0) times.push_back(ms);
    }
    if (times.empty()) {
      std::printf("  %-30s not measured (no window)\n", p.what);
      continue;
    }
    const double ms = Median(times);
    if (baseline == 0) baseline = ms;
    std::printf("  %-30s %8.1f ms  %5.2fx the empty window\n", p.what, ms, ms / baseline);
  }
}

// Peak memory of the program on the installation and on an empty folder,
// against an empty Qt window, each the median of kRuns starts.
void PrintMemory() {
  bench::VirtualScreen screen;
  if (!screen.Running()) {
    std::printf("\nMemory: no virtual X server (Xvfb) here; not measured.\n");
    return;
  }
  fixture::TempFolder home("tarvolin-bench-home");
  fixture::TempFolder empty("tarvolin-bench-empty");
  namespace fs = std::filesystem;
  for (const std::string& folder : {DataFolder(), empty.Path()})
    fs::copy_file(TV_PROGRAM, folder + "Tarvolin", fs::copy_options::overwrite_existing);
  const struct {
    const char* what;
    std::string program;
    const char* readyTitle;
  } programs[] = {
      {"empty Qt window", TV_EMPTY_WINDOW, "^Empty$"},
      {"Tarvolin, empty folder", empty.Path() + "Tarvolin", "^Tarvolin - v6\\.2  \\|"},
      {"Tarvolin, large installation", DataFolder() + "Tarvolin", "^Tarvolin - v6\\.2  \\|"},
  };
  std::printf("\nPeak memory (VmHWM), medians of %d starts each on a virtual X server:\n", kRuns);
  double baseline = 0;
  for (const auto& p : programs) {
    std::vector<double> peaks;
    for (int run = 0; run < kRuns; ++run) {
      const bench::Memory m = bench::MeasureProgram(screen, p.program, home.Path(), p.readyTitle);
      if (m.peakKb > 0) peaks.push_back(double(m.peakKb) / 1024);
    }
    if (peaks.empty()) {
      std::printf("  %-30s not measured (no window)\n", p.what);
      continue;
    }
    const double peak = Median(peaks);
    if (baseline == 0) baseline = peak;
    std::printf("  %-30s %7.1f MB  %+7.1f MB against the empty window\n", p.what, peak, peak - baseline);
  }
  std::printf("  target: the large installation under 20 MB above the empty window\n");
}

// Prints each pass's median, its floor's and the median ratio, with the targets.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
        m_medians[r.run_name.function_name] = {r.GetAdjustedRealTime(), r.counters.at("floor_ms").value,
                                               r.counters.at("x_floor").value};
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nMedians of %d repetitions (each pass timed with its floor right after it):\n", kRuns);
    std::printf("  %-24s %10s %10s %7s   %s\n", "pass", "time", "floor", "ratio", "target");
    Line("first pass, empty cache", "FirstPass", "within 1.5x its floor");
    Line("first pass, cache kept", "RestartPass", "within 2x the repeated pass's floor, under 50 ms");
    Line("repeated pass", "RepeatedPass", "within 2x its floor, under 50 ms");
  }

 private:
  struct Figures {
    double ms, floorMs, ratio;
  };
  void Line(const char* what, const std::string& name, const char* target) {
    if (!m_medians.contains(name)) return;
    const Figures& f = m_medians[name];
    std::printf("  %-24s %7.2f ms %7.2f ms %6.2fx   %s\n", what, f.ms, f.floorMs, f.ratio, target);
  }
  std::map<std::string, Figures> m_medians;
};

}  // namespace
}  // namespace tv

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tv::DataFolder();
  tv::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  tv::PrintSteps("First pass, empty cache", true, true);
  tv::PrintSteps("First pass, cache kept", true);
  tv::PrintSteps("Repeated pass", false);
  tv::PrintStarts();
  tv::PrintMemory();
  return 0;
}
