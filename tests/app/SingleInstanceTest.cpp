#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "fixture/Fixture.h"

namespace tv {
namespace {

// Starts the program copied into folder, with a private runtime folder.
pid_t StartProgram(const std::string& folder, const std::string& runtime) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::setenv("HOME", runtime.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string exe = folder + "Tarvolin";
    ::execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return pid;
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

}  // namespace
}  // namespace tv
