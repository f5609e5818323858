// Loading a folder of 1000 maps and switching through the four orders,
// against the floor: the same folder listed and its 1000 files stat'ed bare.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <sys/stat.h>

#include <chrono>
#include <string>

#include "NullUi.h"
#include "session/Program.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMaps = 1000;

using tv::bench::NullUi;

// Generated once beside the benchmark and kept between runs.
const std::string& ProgramFolder() {
  static const std::string folder = [] {
    const std::string root = tv::ProgramFolderOfExecutable() + "maps-bench/";
    tv::FileSystem fs(root);
    if (fs.List(root + "Maps", "*.map").size() != kMaps) {
      for (int i = 0; i < kMaps; ++i)
        tv::fixture::WriteMap(root + "Maps/map" + std::to_string(10000 + i) + ".map", 1 + i % 13, {1, 4, i % 50});
      tv::fixture::WriteFile(root + "Tarvolin.ini", "[Tarvolin]\r\nInitialized=True\r\n");
    }
    return root;
  }();
  return folder;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// What any load has to do at least: read the listing, stat every map.
void StatFloor() {
  const std::string folder = ProgramFolder() + "Maps/";
  DIR* dir = ::opendir(folder.c_str());
  while (const dirent* d = ::readdir(dir)) {
    struct stat st {};
    benchmark::DoNotOptimize(::stat((folder + d->d_name).c_str(), &st));
  }
  ::closedir(dir);
}

// Times body against the floor in the same iterations; reports the ratio.
template <class Body>
void AgainstFloor(benchmark::State& state, Body body) {
  double spent = 0, floor = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    body();
    const auto middle = Clock::now();
    StatFloor();
    const auto end = Clock::now();
    state.SetIterationTime(Seconds(middle - start));
    spent += Seconds(middle - start);
    floor += Seconds(end - middle);
  }
  state.counters["floor_us"] = benchmark::Counter(floor * 1e6 / double(state.iterations()));
  state.counters["x_floor"] = benchmark::Counter(spent / floor);
}

void BM_LoadFolder(benchmark::State& state) {
  tv::FileSystem fs(ProgramFolder());
  NullUi ui;
  tv::Program program(fs, ui, {ProgramFolder(), {}});
  program.Activate();
  AgainstFloor(state, [&] { program.Maps().OpenFolder(0); });
}
BENCHMARK(BM_LoadFolder)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_LoadFolderAndSwitchOrders(benchmark::State& state) {
  tv::FileSystem fs(ProgramFolder());
  NullUi ui;
  tv::Program program(fs, ui, {ProgramFolder(), {}});
  program.Activate();
  AgainstFloor(state, [&] {
    program.Maps().OpenFolder(0);
    for (int entry : {2, 3, 4, 1}) program.Maps().Sort(entry);
  });
}
BENCHMARK(BM_LoadFolderAndSwitchOrders)->UseManualTime()->Unit(benchmark::kMillisecond);

// Once worked out, switching orders touches no file.
void BM_SwitchOrdersAfterLoad(benchmark::State& state) {
  tv::FileSystem fs(ProgramFolder());
  NullUi ui;
  tv::Program program(fs, ui, {ProgramFolder(), {}});
  program.Activate();
  for (auto _ : state)
    for (int entry : {2, 3, 4, 1}) program.Maps().Sort(entry);
}
BENCHMARK(BM_SwitchOrdersAfterLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
