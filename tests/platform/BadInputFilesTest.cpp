// What lies in a program folder is not always a plain file: names at the
// length limit, FIFOs, devices, links planted to reach files elsewhere. Each
// has one clear outcome, and nothing blocks or writes outside the folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "fixture/Fixture.h"
#include "platform/Files.h"

namespace tv {
namespace {

using fixture::ReadFile;
using fixture::TempFolder;
using fixture::WriteFile;
using Names = std::vector<std::string>;

// Regression: the temporary file took the whole name and a dot and a suffix
// more, so a file with a name near the limit of 255 bytes (a TC's settings
// file takes its name from the group file) could never be written.
TEST(BadInputFiles, ANameOfTheLongestLengthCanBeReplaced) {
  TempFolder dir;
  FileSystem fs;
  for (const std::size_t length : {std::size_t(200), std::size_t(244), std::size_t(255)}) {
    const std::string name = std::string(length - 4, 'N') + ".ini";
    ASSERT_TRUE(fs.ReplaceFile(dir.Path() + name, "[x]\r\n")) << length;
    ASSERT_TRUE(fs.ReplaceFile(dir.Path() + name, "[y]\r\n")) << length;
    EXPECT_EQ(ReadFile(dir.Path() + name), "[y]\r\n") << length;
    EXPECT_EQ(fs.List(dir.Path(), "*"), Names{name}) << "no temporary file left, " << length;
    ASSERT_TRUE(fs.Delete(dir.Path() + name));
  }
}

// A FIFO is never opened: an open would release a writer waiting on it (and
// block a reader where nobody writes). The writer here must still be waiting.
TEST(BadInputFiles, AFifoIsNeverOpened) {
  TempFolder dir;
  const std::string fifo = dir.Path() + "game0.sav";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    const int fd = ::open(fifo.c_str(), O_WRONLY);  // waits for a reader
    ::_exit(fd >= 0 ? 0 : 1);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  FileSystem fs;
  ::alarm(20);
  EXPECT_EQ(fs.ReadBytes(fifo, 0, 32), "");
  EXPECT_EQ(fs.ReadBytes(dir.Path() + "GAME0.SAV", 26, 32), "");
  EXPECT_EQ(fs.FileSize(fifo), -1);
  EXPECT_EQ(fs.List(dir.Path(), "*"), Names{});
  ::alarm(0);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(::waitpid(writer, nullptr, WNOHANG), 0) << "the FIFO was opened";
  ::kill(writer, SIGKILL);
  ::waitpid(writer, nullptr, 0);
}

// A link planted under a name the program writes: the program's file takes
// the link's place, and the file the link points at keeps its bytes or is
// never made. A link to a folder is refused.
TEST(BadInputFiles, ReplacingAPlantedLinkNeverWritesWhereItPoints) {
  const struct {
    const char* what;
    const char* target;  // in the folder "elsewhere"
    bool replaced;
  } cases[] = {
      {"a file elsewhere", "victim.txt", true},
      {"a name elsewhere not yet made", "new.txt", true},
      {"a folder elsewhere", "folder", false},
  };
  for (const auto& c : cases) {
    TempFolder dir, elsewhere;
    WriteFile(elsewhere.Path() + "victim.txt", "precious");
    fixture::MakeFolder(elsewhere.Path() + "folder");
    const std::string link = dir.Path() + "Tarvolin.ini";
    ASSERT_EQ(::symlink((elsewhere.Path() + c.target).c_str(), link.c_str()), 0);
    FileSystem fs;
    EXPECT_EQ(fs.ReplaceFile(dir.Path() + "tarvolin.ini", "[Tarvolin]\r\n"), c.replaced) << c.what;
    EXPECT_EQ(ReadFile(elsewhere.Path() + "victim.txt"), "precious") << c.what;
    EXPECT_EQ(fs.List(elsewhere.Path(), "*"), Names{"victim.txt"}) << c.what;
    EXPECT_EQ(fs.List(elsewhere.Path() + "folder", "*"), Names{}) << c.what;
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_EQ(S_ISREG(st.st_mode), c.replaced) << c.what;
    if (c.replaced) {
      EXPECT_EQ(ReadFile(link), "[Tarvolin]\r\n") << c.what;
    }
  }
}

// Deleting or renaming a planted link moves the link, never what it points at.
TEST(BadInputFiles, DeletingOrRenamingALinkLeavesItsTarget) {
  TempFolder dir, elsewhere;
  WriteFile(elsewhere.Path() + "victim.def", "precious");
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim.def").c_str(), (dir.Path() + "Duke3d.def").c_str()), 0);
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim.def").c_str(), (dir.Path() + "game1.sav").c_str()), 0);
  FileSystem fs;
  EXPECT_TRUE(fs.Rename(dir.Path() + "Duke3d.def", dir.Path() + "Duke3d.def.bak"));
  EXPECT_TRUE(fs.Delete(dir.Path() + "game1.sav"));
  EXPECT_EQ(ReadFile(elsewhere.Path() + "victim.def"), "precious");
  struct stat st {};
  ASSERT_EQ(::lstat((dir.Path() + "Duke3d.def.bak").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_FALSE(fixture::Exists(dir.Path() + "game1.sav"));
}

}  // namespace
}  // namespace tv
