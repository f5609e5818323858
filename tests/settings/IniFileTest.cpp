#include "settings/IniFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <tuple>

#include "fixture/Fixture.h"
#include "platform/RunTimeError.h"

namespace tv {
namespace {

using fixture::ReadFile, fixture::WriteFile;
using namespace std::string_literals;
constexpr const char* kDef = "<default>";
class IniFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return m_dir.Path() + "Tarvolin.ini"; }
  IniFile Open(const std::string& bytes) { return WriteFile(Path(), bytes), IniFile(m_fs, Path()); }  // afresh
  ino_t Inode() const {
    struct stat st {};
    return ::stat(Path().c_str(), &st) == 0 ? st.st_ino : 0;
  }
  fixture::TempFolder m_dir;
  FileSystem m_fs;
};
TEST_F(IniFileTest, ReadsTheWayWindowsDoes) {
  const std::tuple<std::string, const char*, const char*, std::string> cases[] = {
      {"[tarvolin]\r\ndukefilename=x\r\n", "Tarvolin", "DukeFilename", "x"}, {"[a b]\r\nkl=x\r\n", "a  b", "kl", kDef},
      {"[  S \t]\r\nK=x\r\n", " \tS \t", "\t K ", "x"},   {"[S\xC9]\r\n\xC9=x\r\n", "s\xC9", "\xC9", "x"},
      {"[S]\r\nK=x\r\n", "T", "K", kDef},                 {"[S]\r\nK=x\r\n", "S", "J", kDef},
      {"[S]\r\nK=  \t \r\n", "S", "K", ""},              {"[S]\r\nK\r\n", "S", "K", kDef},
      {"[S]\r\n\tName  =  padded\t\r\n", "S", "name", "padded"}, {"[S]\r\nK=\"x\"\r\n", "S", "K", "x"},
      {"[S]\r\nK='x'\r\n", "S", "K", "x"},                {"[S]\r\nK=\"\"\r\n", "S", "K", ""},
      {"[S]\r\nK=  \"  p  \"  \r\n", "S", "K", "  p  "}, {"[S]\r\nK=\"\r\n", "S", "K", "\""},
      {"[S]\r\nK=\"mismatch'\r\n", "S", "K", "\"mismatch'"}, {"[S]\r\nk = = v=w\r\n", "S", "k", "= v=w"},
      {"[S]\r\nk=x;y#z\r\n", "S", "k", "x;y#z"},          {"[S]\r\n;K=x\r\n", "S", ";K", kDef},
      {"[S]\r\n#K=x\r\n", "S", "#K", "x"},                {"[S]\r\nK=1\r\nK=2\r\n", "S", "k", "1"},
      {"[S]\r\nK=1\r\n[T]\r\n[s]\r\nJ=3\r\n", "S", "J", kDef}, {"K=1\r\n[S]\r\nJ=2\r\n", "", "K", kDef},
      {"[a]b] x\r\nK=1\r\n", "a]b", "K", "1"},            {"[S]\r\nA=1\r\n[broken\r\nB=2\r\n", "S", "B", "2"},
      // A byte-order mark is no part of the first line, and ^Z ends the file; other bytes are kept as they are.
      {"\xEF\xBB\xBF[S]\r\nK=x\r\n", "S", "K", "x"},      {"[S]\r\n\xEF\xBB\xBFK=1\r\n", "S", "K", kDef},
      {"[S]\r\nK=x \x1A\x1A", "S", "K", "x"},             {"[S]\r\nK=x\x1Ay\r\n", "S", "K", "x\x1Ay"},
      {"[S]\r\nK=x\x1A\r\n", "S", "K", "x\x1A"},          {"[S]\r\nK=a\0\xFF\r\n"s, "S", "K", "a\0\xFF"s},
      // Every line end reads the same, a last line may have none.
      {"[S]\nA=1\n\n[T]\nK=3", "T", "K", "3"},            {"[S]\rA=1\r\r[T]\rK=3\r", "T", "K", "3"},
      {"[S]\rA=1\r\n\n[T]\nK=3", "S", "K", kDef},
      // Texts are cut to 2047 characters.
      {"[S]\r\nK=" + std::string(2047, 'x') + "\r\n", "S", "K", std::string(2047, 'x')},
      {"[S]\r\nK=\"" + std::string(2048, 'x') + "\"\r\n", "S", "K", std::string(2047, 'x')}};
  for (const auto& [file, section, key, expected] : cases)
    EXPECT_EQ(Open(file).ReadString(section, key, kDef), expected) << file;
}
// Decimal with a sign, "0x" hexadecimal when longer than two characters, else the default (stricter than Windows).
TEST_F(IniFileTest, IntegersFollowTheProgramsRule) {
  const std::pair<const char*, long> cases[] = {{"42", 42}, {"-7", -7}, {"+5", 5}, {"0079", 79}, {"  12  ", 12},
      {"\"0\"", 0}, {"0x2", 2}, {"0X1f", 31}, {"0xFF", 255}, {"0x9A", 154}, {"0x", 77}, {"0x000000010", 16},
      {"0x7FFFFFFF", 2147483647}, {"2147483647", 2147483647}, {"0x1G", 77}, {"-2147483648", -2147483647L - 1},
      {"0x100000000", 77}, {"12abc", 77}, {"", 77}, {"+", 77}, {"-0x10", 77}, {"2147483648", 77}, {"-2147483649", 77}};
  for (const auto& [stored, expected] : cases) {
    const IniFile ini = Open("[S]\r\nK="s + stored + "\r\n");
    EXPECT_EQ(std::tuple(ini.ReadInteger("S", "K", 77), ini.ReadBool("S", "K", true), ini.ReadBool("S", "K", false)),
              std::tuple(expected, expected != 0, expected != 77 && expected != 0)) << "'" << stored << "'";
  }
  const IniFile one = Open("[S]\r\nK=1\r\n");
  EXPECT_TRUE(one.ReadInteger("S", "Z", 77) == 77 && one.ReadInteger("T", "K", -3) == -3) << "no key, no section";
}
// Writes keep every byte they do not own: a new key goes after its section's last key or comment, a new section at
// the end; a line break in a name or value never starts a line; an unchanged value leaves the file alone.
TEST_F(IniFileTest, AnEditRewritesOnlyItsOwnLine) {
  const std::string longLine(10'000'000, 'x');
  const std::tuple<std::string, const char*, const char*, const char*, std::string> cases[] = {
      {"[S]\r\nA=1\r\nB=2\r\n", "S", "B", "3", "[S]\r\nA=1\r\nB=3\r\n"},
      {"; top\n[S]\nA = 1\n\n[T]\nA=1", "S", "A", "9", "; top\n[S]\nA=9\n\n[T]\nA=1"},
      {"[S]\r\nA=1\nB=2\rC=3", "S", "C", "4", "[S]\r\nA=1\nB=2\rC=4"},
      {"[s]\r\nk=1\r\nK=2\r\n[S]\r\nK=3\r\n", "S", "K", "9", "[s]\r\nk=9\r\nK=2\r\n[S]\r\nK=3\r\n"},
      {"[S]\r\nA=\xE9\r\n  B=2  \r\n\xFF\r\n[T]\r\nX=a\0b\r\n"s, "S", "A", "",
       "[S]\r\nA=\r\n  B=2  \r\n\xFF\r\n[T]\r\nX=a\0b\r\n"s},
      {"[S]\r\nA=\"x\"\r\n", "S", "A", "\xE9 ;#=\"", "[S]\r\nA=\xE9 ;#=\"\r\n"},
      {"\xEF\xBB\xBF[S]\r\nA=1\x1A", "S", "A", "2", "\xEF\xBB\xBF[S]\r\nA=2\x1A"},
      {"[S]\r\nK=" + longLine + "\r\nA=2\r\n", "S", "A", "4", "[S]\r\nK=" + longLine + "\r\nA=4\r\n"},
      {"[S]\nA  =  1  \n;end", "S", "a", "1", "[S]\nA  =  1  \n;end"}, {"[s]\r\nA=\r\n", "S", "A", "", "[s]\r\nA=\r\n"},
      {"[S]\r\nA=1\r\n;note\r\n\r\n[T]\r\n", "S", "C", "3", "[S]\r\nA=1\r\n;note\r\nC=3\r\n\r\n[T]\r\n"},
      {"[S]\r\n\r\n[T]\r\n", "S", "C", "3", "[S]\r\nC=3\r\n\r\n[T]\r\n"},
      {"[S]\nA=1", "S", "C", "3", "[S]\nA=1\r\nC=3\r\n"}, {"[S]", "S", "C", "", "[S]\r\nC=\r\n"},
      {"[S]\nA=1\nnot a key\n\n[T]\n", "S", "C", "3", "[S]\nA=1\nC=3\r\nnot a key\n\n[T]\n"},
      {"[S]\nA=1\n[T]\n[S]\nB=1\n", "S", "C", "3", "[S]\nA=1\nC=3\r\n[T]\n[S]\nB=1\n"},
      {"[ s ]\r\n;K=1\r\n", "S", " K ", "2", "[ s ]\r\n;K=1\r\nK=2\r\n"},
      {"\xEF\xBB\xBF[S]\r\nA=1\x1A", "S", "C", "3", "\xEF\xBB\xBF[S]\r\nA=1\r\nC=3\r\n\x1A"},
      {"[S]\r\nA=1", "T", "B", "2", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"}, {"K=1\n", "T", "B", "2", "K=1\n[T]\r\nB=2\r\n"},
      {"[broken\n", " broken ", "B", "", "[broken\n[broken]\r\nB=\r\n"},
      {"\xEF\xBB\xBF", "T", "B", "2", "\xEF\xBB\xBF[T]\r\nB=2\r\n"},
      {"[S]\r\nA=1\r\n\x1A", "T", "B", "2\x1A", "[S]\r\nA=1\r\n[T]\r\nB=2\x1A\r\n\x1A"},
      {"[S]\r\nA=1", "S", "A", "2\x1A", "[S]\r\nA=2\x1A\r\n"},
      {"[T]\r\n", "Evil]\r\n[T", "Skill\r\nLevel", "9", "[T]\r\n[Evil][T]\r\nSkillLevel=9\r\n"},
      {"[T]\r\n[Evil][T]\r\nK=9\r\n", "Evil]\r[T", "K\n", "9", "[T]\r\n[Evil][T]\r\nK=9\r\n"},
      {"[T]\r\nA=1\r\n", "T", "K", "a\r\nB=evil\n", "[T]\r\nA=1\r\nK=aB=evil\r\n"},
      {"[T]\r\nK=1\r\n", "T", "K", "\n[S]\rB=evil", "[T]\r\nK=[S]B=evil\r\n"},
      {"[S]\r\nA=1\r\nB=2\r\n", "S", "A", nullptr, "[S]\r\nB=2\r\n"},
      {"[S]\nA=1\nB=2", "S", "b", nullptr, "[S]\nA=1\n"},
      {"[S]\r\nA=1\r\n", "S", "Z", nullptr, "[S]\r\nA=1\r\n"}, {"[S]\r\nA=1\r\n", "T", "A", nullptr, "[S]\r\nA=1\r\n"},
      {"A=1\r\n[S]\r\n;A=1\r\n", "S", "A", nullptr, "A=1\r\n[S]\r\n;A=1\r\n"}};
  for (const auto& [original, section, key, value, expected] : cases) {
    IniFile ini = Open(original);
    fixture::SetFileTime(Path(), 1'000'000'000);
    const ino_t inode = Inode();
    value ? ini.WriteString(section, key, value) : ini.DeleteKey(section, key);
    EXPECT_EQ(ReadFile(Path()), expected) << original.substr(0, 100);
    EXPECT_EQ(Inode() == inode && fixture::FileTime(Path()) == 1'000'000'000, expected == original)
        << original.substr(0, 100);
    const ino_t written = Inode();
    ini.Flush();  // what is written is not written again
    EXPECT_EQ(Inode(), written) << original.substr(0, 100);
  }
}
// No regular file where the settings file belongs reads as none, without blocking. A write that cannot be made or
// fails at any stage is the error naming the file, leaving all as it was (a link leading nowhere gives way).
TEST_F(IniFileTest, AFailedWriteIsAnErrorAndLeavesEverythingAsItWas) {
  using Make = void (*)(const std::string& path);
  const Make file = [](const std::string& p) { WriteFile(p, "[Tarvolin]\r\nSkillLevel=3\r\n"); };
  const Make nothing = [](const std::string&) {};
  const std::tuple<const char*, Make, std::optional<WriteStage>, bool> cases[] = {
      {"Tarvolin.ini", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, {}, false},
      {"Tarvolin.ini", [](const std::string& p) { fixture::MakeFolder(p); }, {}, false},
      {"Missing/Tarvolin.ini", nothing, {}, false},
      {"plain/Tarvolin.ini", [](const std::string& p) { WriteFile(p.substr(0, p.rfind('/')), "x"); }, {}, false},
      {"Tarvolin.ini", [](const std::string& p) { ASSERT_EQ(::symlink("Tarvolin.ini", p.c_str()), 0); }, {}, true},
      {"Tarvolin.ini", file, WriteStage::Access, false}, {"Tarvolin.ini", file, WriteStage::Open, false},
      {"Tarvolin.ini", file, WriteStage::Write, false},  {"Tarvolin.ini", file, WriteStage::Sync, false},
      {"Tarvolin.ini", file, WriteStage::Rename, false}, {"Tarvolin.ini", nothing, WriteStage::Write, false},
      {"Tarvolin.ini", nothing, WriteStage::Rename, false}};
  ::alarm(20);  // a read that blocks ends the program instead of hanging CI
  for (const auto& [name, make, fault, toBeWritten] : cases) {
    for (const auto writes : {IniFile::Writes::Immediate, IniFile::Writes::Deferred}) {
      fixture::TempFolder dir;
      const std::string path = dir.Path() + name, written = "[Tarvolin]\r\nSkillLevel=4\r\n";
      const auto entries = [&] { return std::distance(std::filesystem::directory_iterator(dir.Path()), {}); };
      make(path);
      const auto entriesBefore = entries();
      const std::string before = m_fs.ReadBytes(path, 0, 100),
                        what = name + (fault ? " failing at " + std::to_string(int(*fault)) : "");
      int asked = 0;
      m_fs.SetWriteFaultHook([&, stage = fault](WriteStage at, const std::string&) { return at == stage && ++asked; });
      IniFile ini(m_fs, path, writes);
      EXPECT_EQ(std::pair(ini.FileExisted(), ini.ReadString("Tarvolin", "SkillLevel", kDef)),
                std::pair(!before.empty(), std::string(before.empty() ? kDef : "3"))) << what;
      try {
        ini.WriteString("Tarvolin", "SkillLevel", "4"), ini.Flush();
        EXPECT_TRUE(toBeWritten) << what;
      } catch (const RunTimeError& e) {
        EXPECT_EQ(std::string(e.what()) + (toBeWritten ? " unexpectedly" : ""), "Unable to write to " + path) << what;
      }
      EXPECT_EQ(std::pair(asked, m_fs.ReadBytes(path, 0, 100)),
                std::pair(fault ? 1 : 0, toBeWritten ? written : before)) << what;
      EXPECT_EQ(entries(), entriesBefore) << what << ": nothing made, no temporary file left";
      m_fs.SetWriteFaultHook(nullptr), fault ? ini.Flush() : void();
      EXPECT_EQ(m_fs.ReadBytes(path, 0, 100), toBeWritten || fault ? written : before) << what;
      EXPECT_EQ(ini.FileExisted(), toBeWritten || fault || !before.empty()) << what;
    }
  }
  ::alarm(0);
}
// Replaces the file with one whole set of 40 values; set 0 flips to the other.
void WriteSet(FileSystem& fs, const std::string& path, char set) {
  IniFile ini(fs, path, IniFile::Writes::Deferred);
  if (!set) set = ini.ReadString("Tarvolin", "Set", "") == "A" ? 'B' : 'A';
  ini.WriteString("Tarvolin", "Set", std::string(1, set));
  for (int k = 0; k < 40; ++k) ini.WriteString("Tarvolin", "Key" + std::to_string(k), std::string(20 + k % 7u, set));
  ini.Flush();
}
// A writer killed in any stage of a replacement, or at random moments, leaves exactly the old or the new set; the
// only trace is a hidden temporary file, never listed.
TEST(IniFile, AKilledWriterLeavesTheOldOrTheNewSet) {
  fixture::TempFolder dir;
  const std::string path = dir.Path() + "Tarvolin.ini";
  FileSystem fs;
  WriteFile(path, "; kept by hand\r\n[Network_Game]\r\nNickname=Duke\r\n\r\n[Tarvolin]\r\n");
  const std::string setA = (WriteSet(fs, path, 'A'), ReadFile(path)), setB = (WriteSet(fs, path, 'B'), ReadFile(path));
  const auto temporaryFiles = [&] {
    return std::count_if(std::filesystem::directory_iterator(dir.Path()), {},
                         [](const auto& e) { return e.path().filename().string().starts_with(".Tarvolin.ini.tmp-"); });
  };
  // Kills a writer by its id once its hook says so (else after delayUs); the set on disk, or '?'.
  const auto killWriter = [&](const std::function<bool(WriteStage)>& stop, long delayUs) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
      fs.SetWriteFaultHook([&](WriteStage at, const std::string&) {
        while (stop && stop(at) && ::write(fds[1], "!", 1) == 1) ::pause();
        return false;
      });
      try {
        for (;;) WriteSet(fs, path, 0);
      } catch (...) {
      }
      ::_exit(3);
    }
    char said = 0;
    EXPECT_TRUE(stop ? ::read(fds[0], &said, 1) == 1 : ::usleep(useconds_t(delayUs)) == 0);
    ::close(fds[0]), ::close(fds[1]), ::kill(pid, SIGKILL);
    int status = 0;
    EXPECT_TRUE(::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status)) << "the writer stopped by itself";
    const std::string bytes = ReadFile(path);
    return bytes == setA ? 'A' : bytes == setB ? 'B' : '?';
  };
  char last = 'B';
  for (const WriteStage stage : {WriteStage::Open, WriteStage::Write, WriteStage::Sync, WriteStage::Rename}) {
    for (const int replacement : {1, 2}) {
      const long before = temporaryFiles();
      int count = 0;
      const char now = killWriter([&](WriteStage at) { return at == stage && ++count == replacement; }, 0);
      EXPECT_EQ(now, replacement == 1 ? last : last == 'A' ? 'B' : 'A') << "stage " << int(stage);
      EXPECT_TRUE(temporaryFiles() == before + (stage != WriteStage::Open) && fs.List(dir.Path(), "*").size() == 1)
          << "stage " << int(stage);
      last = now;
    }
  }
  // Kills spread over a few replacements, however fast this disk flushes.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) WriteSet(fs, path, 0);
  const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::uniform_int_distribution<long> delayUs(0, std::clamp(long(span.count()), 1000L, 20000L));
  std::mt19937 random(20261206);
  int flips = 0;
  for (int kill = 0; kill < 200; ++kill) {
    const char now = killWriter(nullptr, delayUs(random));
    ASSERT_NE(now, '?') << "torn file after kill " << kill;
    flips += now != last;
    last = now;
  }
  EXPECT_GT(flips, 0) << "the writer never completed a replacement";
}
}  // namespace
}  // namespace tv
