#include "platform/Process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <tuple>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Home.h"

namespace tv {
namespace {

using Args = std::vector<std::string>;

// Native programs run directly, Windows ones and batch files through Wine ("wine", else "wine64" on the PATH,
// else Debian's place; an empty PATH entry is no folder), anything else through the desktop's opener.
TEST(PlanStart, EachKindOfFileRunsTheWayTheShellWouldOpenIt) {
  fixture::TempFolder base, tools, only64, bare;
  const std::string folder = base.Path() + "Duke 3D/", wine = tools.Path() + "wine", debian = bare.Path() + "wine64";
  for (const std::string& program : {wine, tools.Path() + "wine64", tools.Path() + "xdg-open", only64.Path() + "wine64",
                                     folder + "Duke3dw.exe"})
    fixture::WriteRecordingProgram(program, program + ".log");
  fixture::WriteFile(folder + "eduke32", "\177ELF\2\1\1");
  ::chmod((folder + "eduke32").c_str(), 0755);
  for (const char* name : {"plain.sh", "D3WSetup.EXE", "Run.Bat", "Batch/Other.bat", "readme.txt"})
    fixture::WriteFile(folder + name, std::string(name).ends_with(".sh") ? "#!/bin/sh\n" : "MZ");
  const fixture::ScopedWineCandidates hideWine{{"wine", "wine64", debian}};  // the machine's own stays out of sight
  const std::string previous = ProcessFolder(), exe = folder + "Duke3dw.exe", setup = folder + "D3WSetup.EXE";
  ASSERT_EQ(::chdir(tools.Path().c_str()), 0);
  FileSystem fs(base.Path());
  const std::tuple<std::string, Args, std::string, StartFailure, Args> cases[] = {
      {"Duke3dw.exe", {"-j/g/Duke 3D", "-map", "A.map"}, tools.Path(), {}, {exe, "-j/g/Duke 3D", "-map", "A.map"}},
      {"eduke32", {"-v2", "-l05"}, bare.Path(), {}, {folder + "eduke32", "-v2", "-l05"}},
      {"plain.sh", {}, tools.Path(), StartFailure::NotExecutable, {}},
      // Wine gets each argument apart and quotes those with spaces itself.
      {"D3WSetup.exe", {"/x", "My Map.map"}, tools.Path(), {}, {wine, setup, "/x", "My Map.map"}},
      {"D3WSetup.exe", {}, bare.Path() + ":" + only64.Path(), {}, {only64.Path() + "wine64", setup}},
      {"D3WSetup.exe", {}, debian, {}, {debian, setup}},
      {"D3WSetup.exe", {}, ":" + bare.Path() + "::", StartFailure::NeedsWine, {}},
      {"run.bat", {"a b"}, tools.Path(), {}, {wine, "cmd", "/c", "Run.Bat", "a b"}},
      // Wine sees the Unix tree on drive Z:, with its own separators.
      {folder + "Batch/Other.bat", {}, tools.Path(), {}, {wine, "cmd", "/c", "Z:" + folder + "Batch/Other.bat"}},
      {folder + "run.bat", {}, bare.Path(), StartFailure::NeedsWine, {}},
      {"readme.txt", {"-map", "x.map"}, tools.Path(), {}, {tools.Path() + "xdg-open", folder + "readme.txt"}},
      {"readme.txt", {}, bare.Path(), StartFailure::NoOpener, {}},
      {"missing.exe", {}, tools.Path(), StartFailure::NotFound, {}},
      {"", {}, tools.Path(), StartFailure::NotFound, {}},
  };
  for (auto [program, arguments, path, failure, argv] : cases) {
    fixture::ScopedEnv env("PATH", path);
    if (path == debian) fixture::WriteRecordingProgram(debian, debian + ".log");
    const StartPlan plan = PlanStart(fs, program, arguments, folder);
    for (std::string& a : argv)
      if (a.starts_with("Z:")) std::replace(a.begin(), a.end(), '/', '\\');
    EXPECT_EQ(plan.failure, failure) << program << " " << path;
    EXPECT_EQ(plan.argv, argv) << program << " " << path;
    std::filesystem::remove(debian);
  }
  EXPECT_EQ(OpenProgram(fs, "missing.exe", {}, folder).failure, StartFailure::NotFound);
  ASSERT_EQ(::chdir(previous.c_str()), 0);
}

// The program runs in its folder and gets the arguments as they are, whatever
// they hold: no shell runs any part of them.
TEST(StartDetached, NoShellSeesTheFolderOrTheParameters) {
  const Args texts = {"$(touch pwned).map", "`touch pwned`", "a;touch pwned;.map", "a|touch pwned>pwned <pwned &",
                      "\"quoted name\" 'single'", "100% %PATH% ${HOME} ~ *", "\xff\xfe.map \\ \\\\"};
  Args arguments = texts;
  for (const std::string& t : texts)
    for (const std::string& word : SplitParameters(t)) arguments.push_back(word);
  fixture::TempFolder base;
  for (const std::string name : {"Duke Nukem 3D", "it's \"quoted\"", "100% %f %u %%", "$(touch pwned)", "a;b|c&d>e<f",
                                 "`touch pwned`~*?#[x]", "back\\slash", "\xff\xfe \xe9", " lead ", "tab\tx"}) {
    const std::string folder = base.Path() + name + "/", log = base.Path() + "game.log";
    fixture::WriteRecordingProgram(folder + "duke3d", log);
    FileSystem fs(folder);
    ASSERT_TRUE(OpenProgram(fs, "duke3d", arguments, folder)) << name;
    Args expected = {std::filesystem::canonical(folder).string()};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    EXPECT_EQ(fixture::WaitForRecord(log), expected) << name;
    EXPECT_FALSE(fixture::Exists(folder + "pwned")) << name;
    std::filesystem::remove(log);
  }
  EXPECT_FALSE(fixture::Exists(base.Path() + "pwned"));
}

// The program waits for a word from the test, which comes only after the
// start has returned. What the system refuses comes back as its error;
// nothing is left to reap.
TEST(StartDetached, DoesNotWaitAndReportsWhatTheSystemRefused) {
  fixture::TempFolder folder;
  ASSERT_EQ(::mkfifo((folder.Path() + "go").c_str(), 0600), 0);
  ::alarm(20);  // a start that waited for the program would never return
  EXPECT_TRUE(StartDetached({"/bin/sh", "-c", "exec >/dev/null 2>&1 <go; read w; echo $w >s.part && mv s.part said"},
                            folder.Path()));
  fixture::WriteFile(folder.Path() + "go", "released\n");
  ::alarm(0);
  EXPECT_EQ(fixture::WaitForRecord(folder.Path() + "said"), Args{"released"});
  for (const auto& [path, in] : {std::pair{folder.Path() + "missing", folder.Path()},
                                 std::pair{std::string("/bin/sh"), folder.Path() + "no such folder/"}}) {
    const StartResult r = StartDetached({path}, in);
    EXPECT_TRUE(r.failure == StartFailure::SystemError && r.error == ENOENT) << path << " in " << in;
  }
  errno = 0;
  EXPECT_TRUE(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}

}  // namespace
}  // namespace tv
