// The program as built, started as a process: one copy per game folder, however the folder is spelt, and a wrong
// command line refused before anything is made.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "fixture/Fixture.h"

namespace tv {
namespace {

using namespace std::chrono_literals;
TEST(SingleInstance, OneCopyPerGameFolderAndAMissingFolderEndsWithExitCodeTwo) {
  fixture::TempFolder games, runtime;
  std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
  const auto start = [&](const std::string& folder) {  // a private runtime and home, no display
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1), ::setenv("HOME", runtime.Path().c_str(), 1);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1), ::execl(TARVOLIN_EXE, TARVOLIN_EXE, folder.c_str(), nullptr);
      ::_exit(127);
    }
    return pid;
  };
  const auto exitCode = [](pid_t pid, std::chrono::milliseconds limit) {  // -1 while it runs
    int status = 0;
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
      if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
      std::this_thread::sleep_for(20ms);
    }
    return -1;
  };
  const auto running = [](const std::string& folder) {  // its settings file comes after its first pass
    for (int i = 0; i < 250 && !fixture::Exists(folder + "Tarvolin.ini"); ++i) std::this_thread::sleep_for(20ms);
    return fixture::Exists(folder + "Tarvolin.ini");
  };
  EXPECT_EQ(exitCode(start(games.Path() + "missing"), 5s), 2);
  EXPECT_TRUE(!fixture::Exists(games.Path() + "missing") && std::filesystem::is_empty(runtime.Path()))
      << "nothing made: no folder, no lock, no configuration";
  const std::string duke = games.Path() + "Duke Nukem 3D/", other = games.Path() + "other/";
  fixture::MakeFolder(duke), fixture::MakeFolder(other);
  const pid_t first = start(duke);
  EXPECT_TRUE(running(duke));
  const pid_t beside = start(other);
  EXPECT_TRUE(running(other)) << "another game folder opens beside the first";
  EXPECT_EQ(exitCode(start(other + "../Duke Nukem 3D"), 5s), 0) << "the same folder spelt otherwise";
  for (const pid_t pid : {first, beside}) {
    const bool runs = exitCode(pid, 100ms) == -1;
    EXPECT_TRUE(runs) << "the copies keep running";
    if (runs) ::kill(pid, SIGKILL), exitCode(pid, 5s);
  }
}
}  // namespace
}  // namespace tv
