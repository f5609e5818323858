#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "platform/Process.h"

namespace tv::test {
namespace {

std::string Canonical(const std::string& folder) { return std::filesystem::canonical(folder).string(); }

TEST(SplitParameters, RunsOfSpacesSeparateAndNothingIsQuoted) {
  const struct {
    const char* text;
    std::vector<std::string> parts;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"-map E1L1.map", {"-map", "E1L1.map"}},
      {"-j/games/Duke 3D/Maps  -xFoo.con -map Foo.map /s3 -m",
       {"-j/games/Duke", "3D/Maps", "-xFoo.con", "-map", "Foo.map", "/s3", "-m"}},
      {" -v2 -l05 /s3", {"-v2", "-l05", "/s3"}},
      {"-map \"a b.map\"", {"-map", "\"a", "b.map\""}},
      {"$(touch x).map a;b.map", {"$(touch", "x).map", "a;b.map"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitParameters(c.text), c.parts) << c.text;
}

// What runs for each kind of file: native programs directly, Windows programs
// and batch files through Wine, anything else through the desktop's opener.
class PlanStartTest : public ::testing::Test {
 protected:
  PlanStartTest() {
    fixture::MakeFolder(folder);
    fixture::MakeFolder(bare.Path());
    fixture::WriteRecordingProgram(tools.Path() + "wine", tools.Path() + "wine.log");
    fixture::WriteRecordingProgram(tools.Path() + "xdg-open", tools.Path() + "open.log");
    fixture::WriteRecordingProgram(folder + "Duke3dw.exe", folder + "game.log");
    fixture::WriteFile(folder + "eduke32", "\177ELF\2\1\1");
    ::chmod((folder + "eduke32").c_str(), 0755);
    fixture::WriteFile(folder + "plain-elf", "\177ELF\2\1\1");
    fixture::WriteFile(folder + "plain.sh", "#!/bin/sh\n");
    fixture::WriteExecutable(folder + "D3WSetup.EXE", 4000);
    fixture::WriteFile(folder + "Run.Bat", "@echo off\r\n");
    fixture::WriteFile(folder + "Batch/Other.bat", "@echo off\r\n");
    fixture::WriteFile(folder + "readme.txt", "hello");
    fixture::MakeFolder(folder + "Folder.exe");
  }

  fixture::TempFolder base;
  fixture::TempFolder tools;
  fixture::TempFolder bare;
  std::string folder = base.Path() + "Duke Nukem 3D/";
  FileSystem fs{base.Path()};
  // The machine's own Wine stays out of sight.
  fixture::ScopedWineCandidates hideWine{{"wine", "wine64", bare.Path() + "lib/wine64"}};
};

TEST_F(PlanStartTest, EachKindOfFileRunsTheWayTheShellWouldOpenIt) {
  const std::string wine = tools.Path() + "wine";
  const std::string opener = tools.Path() + "xdg-open";
  using Args = std::vector<std::string>;
  const struct {
    std::string program;
    Args arguments;
    bool toolsOnPath;
    StartFailure failure;
    Args argv;
  } cases[] = {
      {"Duke3dw.exe",
       {"-j/g/Duke 3D/Maps", "-map", "My Map.map", "/s3"},
       true,
       StartFailure::None,
       {folder + "Duke3dw.exe", "-j/g/Duke 3D/Maps", "-map", "My Map.map", "/s3"}},
      {"DUKE3DW.EXE", {}, false, StartFailure::None, {folder + "Duke3dw.exe"}},
      {"eduke32", {"-v2", "-l05"}, false, StartFailure::None, {folder + "eduke32", "-v2", "-l05"}},
      {"plain-elf", {}, true, StartFailure::NotExecutable, {}},
      {"plain.sh", {}, true, StartFailure::NotExecutable, {}},
      // Wine gets each argument apart and quotes those with spaces itself.
      {"D3WSetup.exe",
       {"/x", "-map", "My Map.map"},
       true,
       StartFailure::None,
       {wine, folder + "D3WSetup.EXE", "/x", "-map", "My Map.map"}},
      {"D3WSetup.exe", {}, false, StartFailure::NeedsWine, {}},
      {"run.bat", {"a b"}, true, StartFailure::None, {wine, "cmd", "/c", "Run.Bat", "a b"}},
      {folder + "Batch/Other.bat",
       {},
       true,
       StartFailure::None,
       {wine, "cmd", "/c", "Z:" + folder + "Batch/Other.bat"}},
      {folder + "run.bat", {}, false, StartFailure::NeedsWine, {}},
      {"readme.txt", {"-map", "x.map"}, true, StartFailure::None, {opener, folder + "readme.txt"}},
      {"readme.txt", {}, false, StartFailure::NoOpener, {}},
      {"missing.exe", {}, true, StartFailure::NotFound, {}},
      {"Folder.exe", {}, true, StartFailure::NotFound, {}},
      {"", {}, true, StartFailure::NotFound, {}},
  };
  for (const auto& c : cases) {
    fixture::ScopedEnv path("PATH", c.toolsOnPath ? tools.Path() : bare.Path());
    StartPlan plan = PlanStart(fs, c.program, c.arguments, folder);
    Args expected = c.argv;
    // Wine sees the Unix tree on drive Z:, with its own separators.
    for (std::string& a : expected)
      if (a.rfind("Z:", 0) == 0)
        for (char& ch : a) ch = ch == '/' ? '\\' : ch;
    EXPECT_EQ(plan.failure, c.failure) << c.program;
    EXPECT_EQ(plan.argv, expected) << c.program;
  }
}

// "wine" on the PATH, else "wine64" on the PATH, else Debian's own place.
TEST_F(PlanStartTest, WineIsLookedForInItsOrder) {
  fixture::TempFolder both, only64;
  for (const std::string& f : {both.Path() + "wine", both.Path() + "wine64", only64.Path() + "wine64"})
    fixture::WriteRecordingProgram(f, f + ".log");
  const std::string debian = bare.Path() + "lib/wine64";
  const struct {
    std::string path;
    bool debianThere;
    std::string wine;
  } cases[] = {
      {both.Path(), true, both.Path() + "wine"},
      {bare.Path() + ":" + only64.Path(), true, only64.Path() + "wine64"},
      {bare.Path(), true, debian},
      {bare.Path(), false, ""},
  };
  for (const auto& c : cases) {
    if (c.debianThere) fixture::WriteRecordingProgram(debian, debian + ".log");
    fixture::ScopedEnv path("PATH", c.path);
    EXPECT_EQ(FindWine(), c.wine) << c.path;
    const StartPlan plan = PlanStart(fs, "D3WSetup.exe", {}, folder);
    EXPECT_EQ(plan.argv.empty() ? "" : plan.argv[0], c.wine) << c.path;
    std::filesystem::remove(debian);
  }
}

TEST_F(PlanStartTest, AnEmptyPathEntryNeverMeansTheCurrentFolder) {
  fixture::ScopedEnv path("PATH", ":" + bare.Path() + ":");
  fixture::WriteRecordingProgram(folder + "wine", folder + "x.log");
  FileSystem inFolder(folder);
  EXPECT_EQ(PlanStart(inFolder, "D3WSetup.exe", {}, folder).failure, StartFailure::NeedsWine);
}

class StartDetachedTest : public ::testing::Test {
 protected:
  StartDetachedTest() { fixture::MakeFolder(folder); }
  fixture::TempFolder base;
  std::string folder = base.Path() + "Game Folder/";
};

TEST_F(StartDetachedTest, RunsInTheFolderWithExactlyTheArgumentsAndLeavesNoZombie) {
  const std::string program = folder + "game";
  fixture::WriteRecordingProgram(program, folder + "game.log");
  const StartResult r = StartDetached({program, "-map", "$(touch x).map", "a;b.map", "*"}, folder);
  EXPECT_TRUE(r);
  // Nothing of ours is left to reap: the program belongs to init, not to us.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  const std::vector<std::string> expected = {Canonical(folder), "-map", "$(touch x).map", "a;b.map", "*"};
  EXPECT_EQ(fixture::WaitForRecord(folder + "game.log"), expected);
  EXPECT_FALSE(fixture::Exists(folder + "x"));
}

TEST_F(StartDetachedTest, DoesNotWaitForTheProgram) {
  const std::string program = folder + "slow";
  // It says it runs, lets its output go (or the test runner would wait for
  // it) and stays a while.
  fixture::WriteFile(program,
                     "#!/bin/sh\necho running > started.part && mv started.part started\n"
                     "exec >/dev/null 2>&1 </dev/null\nsleep 3\n");
  ::chmod(program.c_str(), 0755);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(StartDetached({program}, folder));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
  EXPECT_EQ(fixture::WaitForRecord(folder + "started"), std::vector<std::string>{"running"});
}

TEST_F(StartDetachedTest, ReportsWhatTheSystemRefused) {
  const std::string program = folder + "game";
  fixture::WriteRecordingProgram(program, folder + "game.log");
  const struct {
    std::string program;
    std::string folder;
    int error;
  } cases[] = {
      {folder + "missing", folder, ENOENT},
      {program, folder + "no such folder/", ENOENT},
  };
  for (const auto& c : cases) {
    const StartResult r = StartDetached({c.program}, c.folder);
    EXPECT_EQ(r.failure, StartFailure::SystemError) << c.program << " in " << c.folder;
    EXPECT_EQ(r.error, c.error) << c.program << " in " << c.folder;
  }
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace tv::test
