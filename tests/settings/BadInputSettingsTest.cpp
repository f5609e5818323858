// Settings files that were damaged, edited by hand or replaced by something
// that is no file: each reads without a crash or a hang, and a write keeps
// every byte it does not own or fails with the run-time error.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "fixture/Fixture.h"
#include "platform/RunTimeError.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

using fixture::ReadFile;
using fixture::WriteFile;
using namespace std::string_literals;

// A read that blocks ends the test program instead of hanging CI.
class NoHang {
 public:
  NoHang() { ::alarm(20); }
  ~NoHang() { ::alarm(0); }
};

class BadSettings : public ::testing::Test {
 protected:
  std::string Path() const { return m_dir.Path() + "Tarvolin.ini"; }
  fixture::TempFolder m_dir;
  FileSystem m_fs;
  NoHang m_noHang;
};

// Damaged bytes are text like any other: read as they are, and a write of
// another key leaves them byte for byte.
TEST_F(BadSettings, DamagedBytesAreKeptAndReadAsTheyAre) {
  const std::string longLine(10'000'000, 'x');
  const struct {
    const char* what;
    std::string file;
    std::string key;
    std::string value;     // as read
    std::string expected;  // the file after SkillLevel=4
  } cases[] = {
      {"NUL bytes", "[Tarvolin]\r\nNick\0name=a\0b\r\nSkillLevel=3\r\n"s, "Nick\0name"s, "a\0b"s,
       "[Tarvolin]\r\nNick\0name=a\0b\r\nSkillLevel=4\r\n"s},
      {"invalid UTF-8", "[Tarvolin]\r\nFolderMap0=\xff\xfe\xc3(.map\r\n\x80\x81\r\n", "FolderMap0", "\xff\xfe\xc3(.map",
       "[Tarvolin]\r\nFolderMap0=\xff\xfe\xc3(.map\r\nSkillLevel=4\r\n\x80\x81\r\n"},
      {"a line of 10 MB", "[Tarvolin]\r\nNickname=" + longLine + "\r\nSkillLevel=2\r\n", "Nickname",
       longLine.substr(0, 2047), "[Tarvolin]\r\nNickname=" + longLine + "\r\nSkillLevel=4\r\n"},
      {"CR-only line ends", "[Tarvolin]\rSkillLevel=2\r[Network_Game]\rNickname=Duke\r", "SkillLevel", "2",
       "[Tarvolin]\rSkillLevel=4\r[Network_Game]\rNickname=Duke\r"},
      {"no line end at all", "[Tarvolin]", "SkillLevel", "<none>", "[Tarvolin]\r\nSkillLevel=4\r\n"},
  };
  for (const auto& c : cases) {
    WriteFile(Path(), c.file);
    IniFile ini(m_fs, Path());
    EXPECT_EQ(ini.ReadString("Tarvolin", c.key, "<none>"), c.value) << c.what;
    ini.WriteString("Tarvolin", "SkillLevel", "4");
    EXPECT_EQ(ReadFile(Path()), c.expected) << c.what;
  }
}

// Regression: a section name with a line break (a TC's file name may hold
// one) wrote a header of two lines; its second line could open a section of
// the program's own, and the name was never found again.
TEST_F(BadSettings, ALineBreakInANameNeverStartsALine) {
  const char* const original = "[Tarvolin]\r\nSkillLevel=2\r\n";
  for (const char* section : {"Evil]\r\n[Tarvolin", "Evil]\n[Tarvolin", "Evil]\r[Tarvolin"}) {
    WriteFile(Path(), original);
    IniFile(m_fs, Path()).WriteString(section, "SkillLevel", "9");
    const std::string once = ReadFile(Path());
    EXPECT_EQ(once, "[Tarvolin]\r\nSkillLevel=2\r\n[Evil][Tarvolin]\r\nSkillLevel=9\r\n");
    EXPECT_EQ(IniFile(m_fs, Path()).ReadString("Tarvolin", "SkillLevel", ""), "2");
    EXPECT_EQ(IniFile(m_fs, Path()).ReadString(section, "SkillLevel", ""), "9");
    IniFile(m_fs, Path()).WriteString(section, "SkillLevel", "9");
    EXPECT_EQ(ReadFile(Path()), once) << "found again, nothing added";
  }
  IniFile(m_fs, Path()).WriteString("Tarvolin", "Skill\r\nLevel", "5");
  EXPECT_EQ(IniFile(m_fs, Path()).ReadString("Tarvolin", "SkillLevel", ""), "5");
}

// Something that is no regular file where the settings file belongs: it reads
// as no file, without blocking, and a write is the run-time error that names
// it, leaving it as it was.
TEST_F(BadSettings, NoRegularFileReadsAsNoneAndIsNotWritten) {
  const struct {
    const char* what;
    void (*make)(const std::string& path);
  } cases[] = {
      {"a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
      {"a device by a symlink", [](const std::string& p) { ASSERT_EQ(::symlink("/dev/zero", p.c_str()), 0); }},
      {"a folder", [](const std::string& p) { fixture::MakeFolder(p); }},
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    const std::string path = dir.Path() + "Tarvolin.ini";
    c.make(path);
    struct stat before {};
    ASSERT_EQ(::lstat(path.c_str(), &before), 0) << c.what;
    IniFile ini(m_fs, path);
    EXPECT_FALSE(ini.FileExisted()) << c.what;
    EXPECT_EQ(ini.ReadString("Tarvolin", "SkillLevel", "<none>"), "<none>") << c.what;
    try {
      ini.WriteString("Tarvolin", "SkillLevel", "4");
      ADD_FAILURE() << "written: " << c.what;
    } catch (const RunTimeError& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to write to " + path) << c.what;
    }
    struct stat after {};
    ASSERT_EQ(::lstat(path.c_str(), &after), 0) << c.what;
    EXPECT_EQ(after.st_ino, before.st_ino) << c.what;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file left";
  }
}

// A symlink loop where the settings file belongs reads as no file; the first
// save puts a settings file in the link's place.
TEST_F(BadSettings, ASymlinkLoopReadsAsNoneAndIsReplacedBySaving) {
  ASSERT_EQ(::symlink("Tarvolin.ini", Path().c_str()), 0);
  IniFile ini(m_fs, Path());
  EXPECT_FALSE(ini.FileExisted());
  EXPECT_EQ(ini.ReadString("Tarvolin", "SkillLevel", "<none>"), "<none>");
  ini.WriteString("Tarvolin", "SkillLevel", "4");
  struct stat st {};
  ASSERT_EQ(::lstat(Path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(ReadFile(Path()), "[Tarvolin]\r\nSkillLevel=4\r\n");
}

}  // namespace
}  // namespace tv
