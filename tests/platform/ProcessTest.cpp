#include "platform/Process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <tuple>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "platform/InstanceLock.h"
#include "platform/Shortcut.h"

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
  fixture::WriteFile(folder + "eduke32", "\177ELF\2\1\1"), ::chmod((folder + "eduke32").c_str(), 0755);
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
      {"", {}, tools.Path(), StartFailure::NotFound, {}}};
  for (auto [program, arguments, path, failure, argv] : cases) {
    fixture::ScopedEnv env("PATH", path);
    if (path == debian) fixture::WriteRecordingProgram(debian, debian + ".log");
    const StartPlan plan = PlanStart(fs, program, arguments, folder);
    for (std::string& a : argv) a.starts_with("Z:") ? std::replace(a.begin(), a.end(), '/', '\\') : void();
    EXPECT_EQ(std::pair(plan.failure, plan.argv), std::pair(failure, argv)) << program << " " << path;
    std::filesystem::remove(debian);
  }
  EXPECT_EQ(OpenProgram(fs, "missing.exe", {}, folder).failure, StartFailure::NotFound);
  EXPECT_EQ(::chdir(previous.c_str()), 0);
}
// The program runs in its folder and gets the arguments as they are, whatever they hold: no shell sees them.
TEST(StartDetached, NoShellSeesTheFolderOrTheParameters) {
  const Args arguments = {"$(touch pwned).map", "`touch pwned`", "a;touch pwned;.map", "a|touch pwned>pwned <pwned &",
                          "\"quoted name\" 'single'", "100% %PATH% ${HOME} ~ *", "\xff\xfe.map \\ \\\\", "pwned).map",
                          "\"", "'", ""};
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
// The program waits for a word the test sends only after the start returned. What the system refuses comes back
// as its error; nothing is left to reap.
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
Args FilesUnder(const std::string& folder) {
  Args files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(e.path().string().substr(folder.size()));
  std::sort(files.begin(), files.end());
  return files;
}
// Whatever a folder holds, Exec means the launcher in it: an argument with a reserved character is quoted
// (" ` $ \ escaped), % doubled, and the line escaped as a string value (\ doubled, control characters named).
TEST(DesktopEntry, TheExecLineMeansTheLauncherInAnyFolder) {
  const std::tuple<std::string, std::string, std::string> cases[] = {  // clang-format off
      {"100%", "100%", "/g/100%%/Tarvolin"}, {"it's \"q\"", "it's \"q\"", R"("/g/it's \\"q\\"/Tarvolin")"},
      {"$(x) `y` %f", "$(x) `y` %f", R"("/g/\\$(x) \\`y\\` %%f/Tarvolin")"},
      {"a;b|c&d>e<f~*?#[x]", "a;b|c&d>e<f~*?#[x]", R"("/g/a;b|c&d>e<f~*?#[x]/Tarvolin")"},
      {"back\\slash", R"(back\\slash)", R"("/g/back\\\\slash/Tarvolin")"},
      {"new\nline\ttab", R"(new\nline\ttab)", R"("/g/new\nline\ttab/Tarvolin")"}};  // clang-format on
  for (const auto& [name, escaped, exec] : cases)
    EXPECT_EQ(DesktopEntry("/g/" + name + "/", "Tarvolin", name),
              "[Desktop Entry]\nType=Application\nName=" + escaped + "\nComment=" + escaped + "\nExec=" + exec +
                  "\nPath=/g/" + escaped + "/\nTerminal=false\n");
  // A "/" in the file starts its switches, runs of spaces between them; the folder may lack its separator.
  EXPECT_EQ(DesktopEntry("/g/duke", "Tarvolin /min  $(x) ", " T"),
            "[Desktop Entry]\nType=Application\nName=\\sT\nComment=\\sT\nExec=/g/duke/Tarvolin min \"\\\\$(x)\"\n"
            "Path=/g/duke\nTerminal=false\n");
  // One program for many game folders: the folder is an argument of its own.
  EXPECT_EQ(ProgramEntry("/usr/bin/Tarvolin", {"/g/it's $HOME/", ""}, "/g/", "T"),
            "[Desktop Entry]\nType=Application\nName=T\nComment=T\n"
            R"(Exec=/usr/bin/Tarvolin "/g/it's \\$HOME/" "")"
            "\nPath=/g/\nTerminal=false\n");
}
// A shortcut goes where its special folder's name says (the user's own folder names win; desktop and documents only
// when they exist) or nowhere, replaces the earlier one (a planted link too, never followed) and can be started.
TEST(Shortcut, GoesWhereItsSpecialFolderNameSays) {
  fixture::TempHome home;
  const std::string h = home.Path();
  for (const char* special : {"Startup", "ProgramGroups", "MyDocuments", "SendTo", "Desktop", "Favourites"})
    CreateShortcut("/games/duke/", "Tarvolin", special, "Game");
  EXPECT_EQ(FilesUnder(h), (Args{".config/autostart/Game.desktop", ".local/share/applications/Game.desktop"}));
  for (const char* made : {"Desktop", "Documents"}) fixture::MakeFolder(h + made);
  for (const auto& [name, folder] : std::initializer_list<std::pair<const char*, std::string>>{
           {"Desktop", h + "Desktop/"}, {"MyDocuments", h + "Documents/"},
           {"ProgramGroups", h + ".local/share/applications/"}, {"StartMenu", h + ".local/share/applications/"},
           {"Startup", h + ".config/autostart/"}, {"SendTo", ""}, {"desktop", ""}})
    EXPECT_EQ(SpecialFolderPath(name), folder) << name;
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  const std::string shortcut = h + "Desktop/Tarvolin.desktop";
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim").c_str(), shortcut.c_str()), 0);
  CreateShortcut("/games/old/", "Tarvolin", "Desktop", "Tarvolin");
  CreateProgramShortcut("/usr/bin/Tarvolin", {"/games/duke/"}, "/games/duke/", "Desktop", "Tarvolin");
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "victim") + fixture::ReadFile(shortcut),
            "precious" + ProgramEntry("/usr/bin/Tarvolin", {"/games/duke/"}, "/games/duke/", "Tarvolin"));
  struct stat st {};
  EXPECT_TRUE(FilesUnder(h + "Desktop/") == Args{"Tarvolin.desktop"} && ::lstat(shortcut.c_str(), &st) == 0 &&
              (st.st_mode & 07777) == 0755);
  fixture::WriteFile(h + ".config/user-dirs.dirs", "# by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Tisch\"\n"
                                                   "XDG_DOCUMENTS_DIR=\"" + h + "Papiere\"\n");
  fixture::MakeFolder(h + "Tisch"), fixture::MakeFolder(h + "Papiere");
  EXPECT_EQ(SpecialFolderPath("Desktop") + SpecialFolderPath("MyDocuments"), h + "Tisch/" + h + "Papiere/");
  fixture::ScopedEnv data("XDG_DATA_HOME", h + "data"), config("XDG_CONFIG_HOME", h + "conf");
  EXPECT_TRUE(SpecialFolderPath("StartMenu") == h + "data/applications/" &&
              SpecialFolderPath("Startup") == h + "conf/autostart/");
}
std::string WithoutSep(const std::string& folder) { return folder.substr(0, folder.size() - 1); }
// The lock is held until its holder goes, in a folder the user alone can write; with anything else planted there
// the program runs without a lock. A lock file planted as a link is not followed. One lock per game folder.
TEST(InstanceLock, OnlyAFolderTheUserAloneCanWriteHoldsTheLock) {
  EXPECT_EQ(InstanceLockName("/g/Duke 3D/"), InstanceLockName("/g/Duke 3D/"));
  EXPECT_NE(InstanceLockName("/g/Duke 3D/"), InstanceLockName("/g/Duke 3D/x/"));
  enum Where { Runtime, Private, None };
  enum Planted { Nothing, Foreign, Open, Link, File };  // at $TMPDIR/tarvolin-<uid>
  constexpr uid_t kSomeoneElse = 54321;
  const std::tuple<const char*, mode_t, bool, bool, Planted, Where> cases[] = {
      {"the user's runtime folder", 0700, false, false, Nothing, Runtime},
      {"a runtime folder others can write", 0720, false, false, Nothing, Private},
      {"a runtime folder of someone else", 0700, true, false, Nothing, Private},
      {"a relative runtime folder", 0700, false, true, Nothing, Private},
      {"a private folder of someone else", 0777, false, false, Foreign, None},
      {"a private folder others can write", 0777, false, false, Open, None},
      {"a link in place of the private folder", 0777, false, false, Link, None},
      {"a file in place of the private folder", 0777, false, false, File, None}};
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  for (const auto& [what, runtimeMode, foreignRuntime, relativeRuntime, planted, where] : cases) {
    fixture::TempFolder run("tv-run"), tmp("tv-tmp");
    const std::string priv = tmp.Path() + "tarvolin-" + std::to_string(::getuid());
    const char* r = run.Path().c_str();
    ASSERT_EQ(::chmod(r, runtimeMode) | (foreignRuntime ? ::chown(r, kSomeoneElse, -1) : 0), 0);
    ASSERT_EQ(planted == Link ? ::symlink(tmp.Path().c_str(), priv.c_str()) : 0, 0);
    if (planted == Foreign || planted == Open) fixture::MakeFolder(priv);
    if (planted == File) fixture::WriteFile(priv, "x");
    ::chmod(priv.c_str(), planted == Open ? 0707 : 0700);
    ASSERT_EQ(planted == Foreign ? ::chown(priv.c_str(), kSomeoneElse, -1) : 0, 0);
    fixture::ScopedEnv xdg("XDG_RUNTIME_DIR",
                           relativeRuntime ? std::filesystem::relative(run.Path()).string() : WithoutSep(run.Path()));
    fixture::ScopedEnv tmpdir("TMPDIR", WithoutSep(tmp.Path()));
    const std::string folder = LockFolder();
    EXPECT_EQ(folder, where == Runtime ? run.Path() : where == Private ? priv + "/" : "") << what;
    struct stat st {};
    const bool made = ::lstat(priv.c_str(), &st) == 0;
    EXPECT_TRUE(made == (where != Runtime) && (where != Private || (st.st_mode & 0777) == 0700)) << what;
    for (const auto& [name, target] : {std::pair{"Other", "victim"}, std::pair{"New", "new"}})
      if (!folder.empty()) ::symlink((elsewhere.Path() + target).c_str(), (folder + name + ".lock").c_str());
    std::optional<InstanceLock> lock("Tarvolin");
    EXPECT_TRUE(lock->Owned() && InstanceLock("Other").Owned() && InstanceLock("New").Owned()) << what;
    EXPECT_EQ(InstanceLock("Tarvolin").Owned(), where == None) << what;
    EXPECT_EQ(fixture::Exists(priv + "/Tarvolin.lock"), where == Private) << what;
    lock.reset();
    EXPECT_TRUE(InstanceLock("Tarvolin").Owned() && fixture::ReadFile(elsewhere.Path() + "victim") == "precious" &&
                !fixture::Exists(elsewhere.Path() + "new")) << what;
  }
}
}  // namespace
}  // namespace tv
