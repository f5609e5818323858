// A settings file being replaced must survive any failure or crash whole:
// either the old bytes or the new ones, never a mix, never a torn file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "fixture/Fixture.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

using fixture::ReadFile;
using fixture::WriteFile;

constexpr WriteStage kStages[] = {WriteStage::Open, WriteStage::Write, WriteStage::Sync, WriteStage::Rename};

// The hidden temporary files of replacements, never listed by the program.
long TempFiles(const std::string& folder) {
  return std::count_if(std::filesystem::directory_iterator(folder), {}, [](const auto& e) {
    return e.path().filename().string().starts_with(".Tarvolin.ini.tmp-");
  });
}

// Two complete sets of values; each replacement swaps the whole set at once.
constexpr int kKeys = 40;

std::string Value(char set, int key) { return set + std::to_string(key) + std::string(std::size_t(20 + key % 7), set); }

// Replaces the file with one whole set; set 0 flips to the other one.
void WriteSet(FileSystem& fs, const std::string& path, char set) {
  IniFile ini(fs, path, IniFile::Writes::Deferred);
  if (!set) set = ini.ReadString("Tarvolin", "Set", "") == "A" ? 'B' : 'A';
  ini.WriteString("Tarvolin", "Set", std::string(1, set));
  for (int k = 0; k < kKeys; ++k) ini.WriteString("Tarvolin", "Key" + std::to_string(k), Value(set, k));
  ini.Flush();
}

// The writer: flips the file to the other set, for ever, one replacement per set.
[[noreturn]] void Writer(const std::string& path, const WriteFaultHook& hook) {
  try {
    FileSystem fs;
    fs.SetWriteFaultHook(hook);
    for (;;) WriteSet(fs, path, 0);
  } catch (...) {
  }
  ::_exit(3);
}

// Killed inside each stage of a replacement, the writer leaves the old set
// (in the second replacement, the first one's set); the only trace is a
// hidden temporary file, never listed. Killed at random moments, it always
// leaves the old or the new set, read back whole.
TEST(CrashSafety, AKilledWriterLeavesTheOldOrTheNewSet) {
  fixture::TempFolder dir;
  const std::string path = dir.Path() + "Tarvolin.ini";
  FileSystem fs;
  WriteFile(path, "; kept by hand\r\n[Network_Game]\r\nNickname=Duke\r\n\r\n[Tarvolin]\r\n");
  WriteSet(fs, path, 'A');
  const std::string setA = ReadFile(path);
  WriteSet(fs, path, 'B');
  const std::string setB = ReadFile(path);
  // Kills a writer by its id once its hook says so (else after delayUs); the set on disk, or '?'.
  const auto killWriter = [&](const std::function<bool(WriteStage)>& stop, long delayUs) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) Writer(path, [&](WriteStage at, const std::string&) {
      while (stop && stop(at) && ::write(fds[1], "!", 1) == 1) ::pause();
      return false;
    });
    ::close(fds[1]);
    char said = 0;
    EXPECT_TRUE(stop ? ::read(fds[0], &said, 1) == 1 : ::usleep(useconds_t(delayUs)) == 0);
    ::close(fds[0]);
    ::kill(pid, SIGKILL);
    int status = 0;
    EXPECT_TRUE(::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status)) << "the writer stopped by itself";
    const IniFile ini(fs, path);
    const char set = ini.ReadString("Tarvolin", "Set", "?")[0];
    for (int k = 0; k < kKeys; ++k)
      if (ini.ReadString("tarvolin", "key" + std::to_string(k), "") != Value(set, k)) return '?';
    const std::string bytes = ReadFile(path);
    return (bytes == setA || bytes == setB) && ini.ReadString("Network_Game", "Nickname", "") == "Duke" ? set : '?';
  };
  char last = 'B';
  for (const WriteStage stage : kStages) {
    for (const int replacement : {1, 2}) {
      const long tempsBefore = TempFiles(dir.Path());
      int count = 0;
      const char now = killWriter([&](WriteStage at) { return at == stage && ++count == replacement; }, 0);
      EXPECT_EQ(now, replacement == 1 ? last : last == 'A' ? 'B' : 'A') << "stage " << int(stage);
      EXPECT_EQ(TempFiles(dir.Path()), tempsBefore + (stage != WriteStage::Open)) << "stage " << int(stage);
      EXPECT_EQ(fs.List(dir.Path(), "*"), std::vector<std::string>{"Tarvolin.ini"});
      last = now;
    }
  }
  // Kills spread over a few replacements, however fast this disk flushes.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) WriteSet(fs, path, 0);
  const long spanUs = std::clamp(
      long(std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count()), 1000L,
      20000L);
  std::mt19937 random(20261206);
  int flips = 0;
  for (int kill = 0; kill < 200; ++kill) {
    const char now = killWriter(nullptr, std::uniform_int_distribution<long>(0, spanUs)(random));
    ASSERT_NE(now, '?') << "torn file after kill " << kill;
    flips += now != last;
    last = now;
  }
  EXPECT_GT(flips, 0) << "the writer never completed a replacement";
}

}  // namespace
}  // namespace tv
