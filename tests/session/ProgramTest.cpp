#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iterator>

#include "support/ProgramFixture.h"
#include "install/Messages.h"

namespace tv::test {
namespace {

using SettingsFile = ProgramTest;
using StartupPass = ProgramTest;

constexpr const char* kFirstStartFile =
    "[Tarvolin]\r\nDukeFilename=Duke3dw.exe\r\nLastPlayedTC=\r\nLastPlayedMap=\r\nLastMapFolder=0\r\nSkillLevel=3\r\n"
    "NoMonsters=0\r\nMapSetupDone=0\r\nSkinColor=Black\r\nSortedMaps=0\r\nFolderMap0=\r\nFolderMap1=\r\n"
    "FolderMap2=\r\nFolderMap3=\r\nFolderMap4=\r\nFolderMap5=\r\nFolderMap6=\r\n";

TEST_F(SettingsFile, FirstStartWritesTheDefaultsAndTheNextPassMarksTheRun) {
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(Ini(), kFirstStartFile);
  EXPECT_EQ(p.View().skillText, "Skill Level 3") << "the skill held, which the file now holds too";
  EXPECT_TRUE(p.View().listsVisible);
  p.Activate();
  EXPECT_EQ(Ini(), std::string(kFirstStartFile) + "Initialized=True\r\n");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SettingsFile, InitializedIsRewrittenOnlyWhenItIsNotTrue) {
  const std::pair<const char*, const char*> cases[] = {
      {"true", "true"}, {"TRUE", "TRUE"}, {"True", "True"}, {"yes", "True"}, {"", "True"}};
  for (const auto& [stored, after] : cases) {
    WriteIni(std::string("[Tarvolin]\r\nInitialized=") + stored + "\r\n");
    Start().Activate();
    EXPECT_EQ(Setting("Tarvolin", "Initialized"), after) << stored;
  }
}

TEST_F(SettingsFile, ValuesAreReadByTheProgramsRules) {
  WriteIni(
      "[tarvolin]\r\ndukefilename=EDuke32.exe\r\nSortedMaps=0x2\r\nLastMapFolder=x\r\nSkillLevel=\r\n"
      "NoMonsters=yes\r\nInitialized=True\r\nFolderMap3=E1l1.map\r\n[Network_Game]\r\nNumPlayers=abc\r\nNickname=Ann\r\n");
  Program& p = Start();
  p.Activate();
  const tv::Settings& s = p.CurrentSettings();
  EXPECT_EQ(std::tuple(s.dukeFilename, s.sortedMaps, s.lastMapFolder, s.skillLevel, s.noMonsters, s.folderMap[3]),
            std::tuple("EDuke32.exe", 2, 0, "", false, "E1l1.map"));
  EXPECT_EQ(std::tuple(s.network.numPlayers, p.View().nicknameHeading, p.View().skillText),
            std::tuple(2, "Ann", "Skill Level "));
}

TEST_F(SettingsFile, SkinNamesAreMatchedInAnyCaseAndUnknownOnesBecomeBlack) {
  const std::pair<const char*, const char*> cases[] = {{"GRAY", "Silver"}, {"silver", "Silver"}, {"teal", "Teal"},
                                                        {"NONE", "None"},   {"Pink", "Black"},    {"", "Black"}};
  for (const auto& [stored, applied] : cases) {
    Program& p = Started(std::string("SkinColor=") + stored + "\r\n");
    EXPECT_STREQ(p.View().skin->name, applied) << stored;
    EXPECT_EQ(Setting("Tarvolin", "SkinColor"), applied) << stored;
  }
}

TEST_F(SettingsFile, SaveKeepsOtherSectionsAndKeysAndNeverWritesReadOnlyKeys) {
  WriteIni("; mine\r\n[Tarvolin]\r\nOpinionPath=/other/\r\nInitialized=True\r\nCustom=1\r\n[History]\r\nPlayedMaps[0]=A.map\r\n");
  Start().Activate();
  program->Quit();
  const std::string ini = Ini();
  EXPECT_EQ(ini.rfind("; mine\r\n[Tarvolin]\r\nOpinionPath=/other/\r\nInitialized=True\r\nCustom=1\r\n", 0), 0u);
  EXPECT_NE(ini.find("[History]\r\nPlayedMaps[0]=A.map\r\n"), std::string::npos);
  EXPECT_EQ(ini.find("CommandLine"), std::string::npos);
  EXPECT_TRUE(ui.quit);
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenStopsThePassWithTheErrorShown) {
  fixture::MakeFolder(Path("Tarvolin.ini"));  // a folder where the file should be
  Program& p = Start();
  p.Activate();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind + ": " + ui.shown[0].text, "error: Unable to write to " + Path("Tarvolin.ini") + ".");
  EXPECT_FALSE(p.View().listsVisible);
  EXPECT_EQ(p.View().caption, "Tarvolin - vx.x");
  std::vector<std::string> steps;
  p.SetPassObserver([&](const char* step) { steps.emplace_back(step); });
  p.Activate();  // the next pass starts from the beginning again, and stops at the same step
  EXPECT_EQ(steps.front() + " .. " + steps.back(), "FindProgramFolder .. LoadSettings");
  p.Handle([&] { p.Quit(); });  // the program stays up while the save fails
  EXPECT_FALSE(ui.quit);
  EXPECT_EQ(ui.shown.size(), 3u);
}

TEST_F(StartupPass, AboutShowsTheVersionWithItsBeep) {
  Program& p = Started();
  p.ShowAbout();
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, AboutText("6.2"));
}

TEST_F(StartupPass, DeletesAStrayGame10InTheCurrentFolderOnly) {
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "GAME10.SAV", "x");
  fixture::WriteFile(Path("game10.sav"), "x");
  FileSystem startedElsewhere(elsewhere.Path());
  Program(startedElsewhere, ui, {dir.Path(), {}}).Activate();
  EXPECT_TRUE(!fixture::Exists(elsewhere.Path() + "GAME10.SAV") && fixture::Exists(Path("game10.sav")));
}

// A settings file that cannot be read or may not be written is never replaced: each write is the error instead,
// and the file keeps its bytes, owner and mode. Faults injected, and refused by the system (root drops to nobody).
TEST(SettingsFileKept, WhenItCannotBeReadOrWritten) {
  constexpr uid_t kNobody = 65534;
  const bool root = ::geteuid() == 0;
  const std::string original =
      "\xEF\xBB\xBF[Tarvolin]\r\nInitialized=True\r\nSkinColor=Teal\r\nSkillLevel=4\r\n"
      "[History]\r\nPlayedMaps[0]=A.map\r\n[Network_Game]\r\nNickname=Ann\r\n";
  // The mode for the refused user, who owns it unless root does; the start-up pass writes a file it could not read.
  const struct {
    const char* what; std::function<void(FileSystem&)> inject; mode_t mode; bool runnerOwnsIt; std::size_t passErrors;
  } cases[] = {
      {"cannot be read",
       [](FileSystem& fs) { fs.SetReadFaultHook([](const std::string& p) { return p.ends_with("/Tarvolin.ini"); }); },
       mode_t(root ? 0600 : 0000), !root, 1},
      {"read-only",
       [](FileSystem& fs) { fs.SetWriteFaultHook([](WriteStage at, const std::string&) { return at == WriteStage::Access; }); },
       0444, true, 0},
  };
  // The start-up pass, a skin chosen and Quit; the texts the user was shown.
  const auto run = [](const std::string& folder, const std::function<void(FileSystem&)>& inject) {
    FileSystem fs(folder);
    if (inject) inject(fs);
    RecordingUi ui;
    Program p(fs, ui, {folder, {}});
    p.Activate();
    p.Handle([&] { p.ChooseSkin(2); });
    p.Handle([&] { p.Quit(); });
    std::string shown;
    for (const auto& s : ui.shown) shown += s.kind + ": " + s.text + "\n";
    return shown + (ui.quit ? "quit\n" : "");
  };
  for (const auto& c : cases) {
    for (const bool real : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (real ? ", refused by the system" : ", injected"));
      fixture::TempHome home;
      fixture::TempFolder base;
      const std::string folder = base.Path() + "Duke 3D/";
      const std::string path = folder + "Tarvolin.ini";
      fixture::WriteFile(path, original);
      if (real) {
        ASSERT_EQ(::chmod(base.Path().c_str(), 0755), 0);
        ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);  // the folder would allow replacing the file
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        if (root && c.runnerOwnsIt) {
          ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }
      }
      struct stat before {};
      ASSERT_EQ(::stat(path.c_str(), &before), 0);

      std::string shown = real ? "" : run(folder, c.inject);
      int fds[2];
      const pid_t pid = real && ::pipe(fds) == 0 ? ::fork() : -1;
      if (pid == 0) {  // the refused user's process
        const bool dropped = !root || (::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                                       ::setresuid(kNobody, kNobody, kNobody) == 0);
        const std::string text = dropped ? run(folder, nullptr) : "could not become nobody";
        ::_exit(::write(fds[1], text.data(), text.size()) == ssize_t(text.size()) ? 0 : 3);
      }
      if (real) {
        ASSERT_GT(pid, 0);
        ::close(fds[1]);
        char buffer[4096];
        for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) shown.append(buffer, std::size_t(n));
        ::close(fds[0]);
        int status = 0;
        ASSERT_TRUE(::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
      }
      std::string expected;
      for (std::size_t i = 0; i < c.passErrors + 2; ++i) expected += "error: Unable to write to " + path + ".\n";
      EXPECT_EQ(shown, expected);
      struct stat after {};
      ASSERT_EQ(::stat(path.c_str(), &after), 0);
      EXPECT_EQ(std::tuple(after.st_ino, after.st_uid, after.st_mode),
                std::tuple(before.st_ino, before.st_uid, before.st_mode));
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "nothing beside it";
      if (!root) ::chmod(path.c_str(), 0600);  // to read it back
      EXPECT_EQ(fixture::ReadFile(path), original);
    }
  }
}

}  // namespace
}  // namespace tv::test
