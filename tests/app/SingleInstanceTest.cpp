// The program as built, started as a process: one copy per game folder, and
// a wrong command line refused before anything is made.
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

struct SingleInstance : ::testing::Test {
  SingleInstance() { std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all); }
  ~SingleInstance() override {
    for (pid_t pid : started) ::kill(pid, SIGKILL), Exit(pid, 5s);
  }
  // The program on a game folder ("" for the one it lies in), with a private
  // runtime and home folder and no display.
  pid_t Start(const std::string& exe, const std::string& folder = "") {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
      ::setenv("HOME", runtime.Path().c_str(), 1);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      ::execl(exe.c_str(), exe.c_str(), folder.empty() ? nullptr : folder.c_str(), nullptr);
      ::_exit(127);
    }
    started.push_back(pid);
    return pid;
  }
  int Exit(pid_t pid, std::chrono::milliseconds limit) {
    int status = 0;
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
      if (const pid_t ended = ::waitpid(pid, &status, WNOHANG))  // the exit code; -1 while it runs
        return ended == pid && WIFEXITED(status) ? WEXITSTATUS(status) : 128;
      std::this_thread::sleep_for(20ms);
    }
    return -1;
  }
  static bool Running(const std::string& folder) {  // its settings file comes after its first pass
    for (int i = 0; i < 250 && !fixture::Exists(folder + "Tarvolin.ini"); ++i) std::this_thread::sleep_for(20ms);
    return fixture::Exists(folder + "Tarvolin.ini");
  }
  fixture::TempFolder games, runtime;
  std::vector<pid_t> started;
};

TEST_F(SingleInstance, ASecondStartOnTheSameFolderEndsAtOnceWithExitCodeZero) {
  const std::string duke = games.Path() + "Duke Nukem 3D/", other = games.Path() + "other/";
  for (const std::string& folder : {duke, other}) fixture::MakeFolder(folder);
  std::filesystem::copy_file(TARVOLIN_EXE, duke + "Tarvolin");
  const pid_t first = Start(duke + "Tarvolin");
  ASSERT_TRUE(Running(duke));
  const pid_t beside = Start(TARVOLIN_EXE, other);
  EXPECT_TRUE(Running(other)) << "another game folder opens beside the first";
  EXPECT_EQ(Exit(Start(duke + "Tarvolin"), 5s), 0);
  EXPECT_EQ(Exit(Start(TARVOLIN_EXE, games.Path() + "other/../Duke Nukem 3D"), 5s), 0)
      << "the same folder spelt otherwise";
  EXPECT_EQ(Exit(first, 100ms), -1);
  EXPECT_EQ(Exit(beside, 100ms), -1);
  ::kill(first, SIGKILL);
  Exit(first, 5s);
  EXPECT_EQ(Exit(Start(duke + "Tarvolin"), 500ms), -1) << "with the first copy gone the folder is free again";
}

TEST_F(SingleInstance, AMissingGameFolderEndsWithExitCodeTwoAndMakesNothing) {
  EXPECT_EQ(Exit(Start(TARVOLIN_EXE, games.Path() + "missing"), 5s), 2);
  EXPECT_FALSE(fixture::Exists(games.Path() + "missing"));
  EXPECT_TRUE(std::filesystem::is_empty(runtime.Path())) << "no lock, no configuration";
}

}  // namespace
}  // namespace tv
