// The settings file is read and written one key at a time with no caching, so
// each access costs a whole file read or an atomic replacement. These measure
// that cost against its floor, the same bytes moved with bare system calls,
// timed in the same iterations; "ratio" is settings file over floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fixture/Fixture.h"
#include "platform/Files.h"
#include "settings/IniFile.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// A file of 200 keys shaped like a well-used Tarvolin.ini.
std::string SettingsBytes() {
  std::string s = "[Tarvolin]\r\n";
  for (int k = 0; k < 25; ++k) s += "Setting" + std::to_string(k) + "=Value of setting " + std::to_string(k) + "\r\n";
  s += "[Network_Game]\r\nNickname=Duke\r\nOpponentIP=192.168.1.20\r\nDedicated=0\r\nNumPlayers=4\r\n";
  s += "[History]\r\n";
  for (int k = 0; k < 15; ++k)
    s += "PlayedMaps[" + std::to_string(k) + "]=Maps\\UserMap" + std::to_string(k) + ".map\r\n";
  s += "[TarvolinTC]\r\n";
  for (int k = 0; k < 156; ++k) s += "TC_" + std::to_string(100 + k) + "=" + std::to_string(k % 9) + "\r\n";
  return s;
}

// Generated into the build folder, beside the benchmark program.
std::string Prepared(const char* name) {
  const std::string folder = tv::ProgramFolderOfExecutable() + "ini-bench/";
  tv::fixture::MakeFolder(folder);
  tv::fixture::WriteFile(folder + name, SettingsBytes());
  return folder + name;
}

std::size_t BareRead(const std::string& path) {
  std::array<char, 16384> buf;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  std::size_t total = 0;
  for (ssize_t n; (n = ::read(fd, buf.data(), buf.size())) > 0;) total += std::size_t(n);
  ::close(fd);
  return total;
}

void BareReplace(const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".new";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const bool ok = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()) && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) std::abort();
}

void Report(benchmark::State& state, double settings, double floor) {
  state.counters["settings_us"] = benchmark::Counter(settings * 1e6, benchmark::Counter::kAvgIterations);
  state.counters["floor_us"] = benchmark::Counter(floor * 1e6, benchmark::Counter::kAvgIterations);
  state.counters["ratio"] = settings / floor;
}

// One operation's read: open the file, parse it, look up the last key.
void BM_ReadOneKey(benchmark::State& state) {
  const std::string path = Prepared("read.ini");
  tv::FileSystem fs;
  double settings = 0, floor = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(BareRead(path));
    const auto t1 = Clock::now();
    const tv::IniFile ini(fs, path);
    benchmark::DoNotOptimize(ini.ReadString("TarvolinTC", "TC_255", ""));
    const auto t2 = Clock::now();
    floor += Seconds(t0, t1);
    settings += Seconds(t1, t2);
    state.SetIterationTime(Seconds(t1, t2));
  }
  Report(state, settings, floor);
}
BENCHMARK(BM_ReadOneKey)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// One changed key: the whole file replaced atomically and flushed to disk.
void BM_WriteOneKey(benchmark::State& state) {
  const std::string path = Prepared("write.ini");
  const std::string barePath = Prepared("bare.ini");
  const std::string bytes = SettingsBytes();
  tv::FileSystem fs;
  tv::IniFile ini(fs, path);
  bool value = false;
  double settings = 0, floor = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    BareReplace(barePath, bytes);
    const auto t1 = Clock::now();
    ini.WriteBool("Network_Game", "Dedicated", value = !value);
    const auto t2 = Clock::now();
    floor += Seconds(t0, t1);
    settings += Seconds(t1, t2);
    state.SetIterationTime(Seconds(t1, t2));
  }
  Report(state, settings, floor);
}
BENCHMARK(BM_WriteOneKey)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
