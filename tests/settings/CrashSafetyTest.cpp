// A settings file being replaced must survive any failure or crash whole:
// either the old bytes or the new ones, never a mix, never a torn file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include "fixture/Fixture.h"
#include "platform/RunTimeError.h"
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

// A failure at any stage of a replacement leaves the old file and no temporary file.
TEST(CrashSafety, InjectedFailuresLeaveTheOldFile) {
  const struct {
    const char *original, *section, *key;  // original nullptr: no file yet
  } scenarios[] = {{"; mine\r\n[Tarvolin]\r\nSkillLevel=3\r\n", "Tarvolin", "SkillLevel"},
                   {"[Tarvolin]\nSkillLevel=3", "Tarvolin", "SortedMaps"},
                   {"[Tarvolin]\r\n", "Network_Game", "Nickname"},
                   {nullptr, "Tarvolin", "SkillLevel"}};
  for (const auto& s : scenarios) {
    for (const WriteStage stage : kStages) {
      for (const auto writes : {IniFile::Writes::Immediate, IniFile::Writes::Deferred}) {
        fixture::TempFolder dir;
        const std::string path = dir.Path() + "Tarvolin.ini";
        if (s.original) WriteFile(path, s.original);
        FileSystem fs;
        int asked = 0;
        fs.SetWriteFaultHook([&](WriteStage at, const std::string&) { return at == stage && ++asked > 0; });
        IniFile ini(fs, path, writes);
        const std::string where = s.key + std::string(" at stage ") + std::to_string(int(stage));
        try {
          ini.WriteString(s.section, s.key, "4");
          ini.Flush();
          ADD_FAILURE() << "no error: " << where;
        } catch (const RunTimeError& e) {
          EXPECT_EQ(std::string(e.what()), "Unable to write to " + path) << where;
        }
        EXPECT_EQ(asked, 1) << where;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), s.original ? 1 : 0) << where;
        EXPECT_EQ(ReadFile(path), s.original ? s.original : "") << where;
        fs.SetWriteFaultHook(nullptr);
        ini.Flush();
        EXPECT_EQ(IniFile(fs, path).ReadString(s.section, s.key, ""), "4") << where;
        EXPECT_EQ(TempFiles(dir.Path()), 0) << where;
      }
    }
  }
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

class KilledWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(m_path, "; kept by hand\r\n[Network_Game]\r\nNickname=Duke\r\n\r\n[Tarvolin]\r\n");
    WriteSet(m_fs, m_path, 'A');
    m_setA = ReadFile(m_path);
    WriteSet(m_fs, m_path, 'B');
    m_setB = ReadFile(m_path);
  }

  // Starts a writer, kills it by its id once it says so (or after delayUs),
  // and gives the set on disk: '?' unless the file reads back whole as
  // exactly one of the two sets.
  char KillWriter(const WriteFaultHook& hook, long delayUs) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    const auto paused = [&](WriteStage at, const std::string& path) {
      if (hook && hook(at, path) && ::write(fds[1], "!", 1) == 1)
        for (;;) ::pause();
      return false;
    };
    if (pid == 0) Writer(m_path, paused);
    ::close(fds[1]);
    char said = 0;
    if (hook) EXPECT_EQ(::read(fds[0], &said, 1), 1);
    else ::usleep(useconds_t(delayUs));
    ::close(fds[0]);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
    const std::string bytes = ReadFile(m_path);
    if (bytes != m_setA && bytes != m_setB) return '?';
    const IniFile ini(m_fs, m_path);
    const char set = ini.ReadString("Tarvolin", "Set", "?")[0];
    for (int k = 0; k < kKeys; ++k)
      if (ini.ReadString("tarvolin", "key" + std::to_string(k), "") != Value(set, k)) return '?';
    return ini.ReadString("Network_Game", "Nickname", "") == "Duke" ? set : '?';
  }

  fixture::TempFolder m_dir;
  std::string m_path = m_dir.Path() + "Tarvolin.ini";
  FileSystem m_fs;
  std::string m_setA, m_setB;
};

// Killed inside each stage of a replacement, the writer leaves the old set
// (in the second replacement, the first one's set); the only trace is a
// hidden temporary file, never listed. Killed at random moments, it always
// leaves the old or the new set.
TEST_F(KilledWriter, LeavesTheOldOrTheNewSet) {
  char last = 'B';
  for (const WriteStage stage : kStages) {
    for (const int replacement : {1, 2}) {
      const long tempsBefore = TempFiles(m_dir.Path());
      int count = 0;
      const char now = KillWriter([&](WriteStage at, const std::string&) { return at == stage && ++count == replacement; }, 0);
      EXPECT_EQ(now, replacement == 1 ? last : last == 'A' ? 'B' : 'A') << "stage " << int(stage);
      EXPECT_EQ(TempFiles(m_dir.Path()), tempsBefore + (stage != WriteStage::Open)) << "stage " << int(stage);
      EXPECT_EQ(m_fs.List(m_dir.Path(), "*"), std::vector<std::string>{"Tarvolin.ini"});
      last = now;
    }
  }
  // Kills spread over a few replacements, however fast this disk flushes.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) WriteSet(m_fs, m_path, 0);
  const auto replacement = (std::chrono::steady_clock::now() - start) / 4;
  const long spanUs = std::clamp(long(std::chrono::duration_cast<std::chrono::microseconds>(3 * replacement).count()),
                                 1000L, 20000L);
  std::mt19937 random(20261206);
  int flips = 0;
  for (int kill = 0; kill < 200; ++kill) {
    const char now = KillWriter(nullptr, std::uniform_int_distribution<long>(0, spanUs)(random));
    ASSERT_NE(now, '?') << "torn file after kill " << kill;
    flips += now != last;
    last = now;
  }
  EXPECT_GT(flips, 0) << "the writer never completed a replacement";
}

}  // namespace
}  // namespace tv
