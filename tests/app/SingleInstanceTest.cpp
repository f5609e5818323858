#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "fixture/Fixture.h"

namespace tv {
namespace {

// Starts the program file with these arguments, with a private runtime and
// home folder and no display.
pid_t StartProgramOn(const std::string& exe, const std::vector<std::string>& args, const std::string& runtime) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::setenv("HOME", runtime.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(exe.c_str(), argv.data());
    ::_exit(127);
  }
  return pid;
}

// Starts the program copied into folder, with a private runtime folder.
pid_t StartProgram(const std::string& folder, const std::string& runtime) {
  return StartProgramOn(folder + "Tarvolin", {}, runtime);
}

// Waits up to a few seconds; returns the exit status, or -1 while it still runs.
int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (std::chrono::steady_clock::now() < end) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

TEST(SingleInstance, ASecondStartEndsAtOnceWithExitCodeZero) {
  fixture::TempFolder folder;
  fixture::TempFolder runtime;
  std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
  std::filesystem::copy_file(TARVOLIN_EXE, folder.Path() + "Tarvolin");

  const pid_t first = StartProgram(folder.Path(), runtime.Path());
  // The first copy writes its settings file once its first pass ran.
  for (int i = 0; i < 250 && !fixture::Exists(folder.Path() + "Tarvolin.ini"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(fixture::Exists(folder.Path() + "Tarvolin.ini"));

  const pid_t second = StartProgram(folder.Path(), runtime.Path());
  EXPECT_EQ(WaitFor(second, std::chrono::seconds(5)), 0);
  EXPECT_EQ(WaitFor(first, std::chrono::milliseconds(100)), -1) << "the first copy keeps running";

  ::kill(first, SIGKILL);
  WaitFor(first, std::chrono::seconds(5));

  // With the first copy gone the lock is free again.
  const pid_t third = StartProgram(folder.Path(), runtime.Path());
  EXPECT_EQ(WaitFor(third, std::chrono::milliseconds(500)), -1);
  ::kill(third, SIGKILL);
  WaitFor(third, std::chrono::seconds(5));
}

// The lock is per game folder: the one program runs on two folders at once,
// and a second start on a folder already open ends at once.
TEST(SingleInstance, OneCopyPerGameFolder) {
  fixture::TempFolder games;
  fixture::TempFolder runtime;
  std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
  const std::string duke = games.Path() + "Duke Nukem 3D/";
  const std::string other = games.Path() + "other/";
  fixture::MakeFolder(duke);
  fixture::MakeFolder(other);
  const auto started = [](const std::string& folder) {
    for (int i = 0; i < 250 && !fixture::Exists(folder + "Tarvolin.ini"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fixture::Exists(folder + "Tarvolin.ini");
  };

  const pid_t first = StartProgramOn(TARVOLIN_EXE, {duke}, runtime.Path());
  ASSERT_TRUE(started(duke));
  const pid_t second = StartProgramOn(TARVOLIN_EXE, {other}, runtime.Path());
  EXPECT_TRUE(started(other)) << "a second game folder opens beside the first";
  // The same folder by another spelling is the same folder.
  const pid_t again = StartProgramOn(TARVOLIN_EXE, {games.Path() + "other/../Duke Nukem 3D"}, runtime.Path());
  EXPECT_EQ(WaitFor(again, std::chrono::seconds(5)), 0);
  EXPECT_EQ(WaitFor(first, std::chrono::milliseconds(100)), -1);
  EXPECT_EQ(WaitFor(second, std::chrono::milliseconds(100)), -1);
  for (const pid_t pid : {first, second}) {
    ::kill(pid, SIGKILL);
    WaitFor(pid, std::chrono::seconds(5));
  }
}

// A wrong command line ends with exit code 2 before anything is made.
TEST(SingleInstance, AMissingGameFolderEndsWithExitCodeTwo) {
  fixture::TempFolder games;
  fixture::TempFolder runtime;
  std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
  const pid_t pid = StartProgramOn(TARVOLIN_EXE, {games.Path() + "missing"}, runtime.Path());
  EXPECT_EQ(WaitFor(pid, std::chrono::seconds(5)), 2);
  EXPECT_FALSE(fixture::Exists(games.Path() + "missing"));
  EXPECT_TRUE(std::filesystem::is_empty(runtime.Path())) << "no lock, no configuration";
}

}  // namespace
}  // namespace tv
