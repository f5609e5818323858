#include "session/StartArguments.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fixture/Fixture.h"
#include "fixture/Home.h"

namespace tv {
namespace {

using Action = StartRequest::Action;

// The command line's rules on real folders: "games/Duke Nukem 3D" and "games/readme.txt" in the current folder.
TEST(StartArguments, FolderOptionsAndMistakes) {
  fixture::TempFolder tmp;
  const std::string root = std::filesystem::canonical(tmp.Path()).string() + "/";
  const std::string duke = root + "games/Duke Nukem 3D/";
  fixture::MakeFolder(duke);
  fixture::WriteFile(root + "games/readme.txt", "x");
  const std::string exeFolder = root + "bin/";
  const std::string usage = "Try 'Tarvolin --help' for more information.\n";
  const struct {
    std::vector<std::string> args;
    std::string installed;  // the install folder; exeFolder makes this the installed copy
    Action action;
    std::string folderOrText;
    int exitCode;
  } cases[] = {
      {{}, "/usr/local/bin/", Action::Run, exeFolder, 0},
      {{}, exeFolder, Action::AskForFolder, "", 0},
      {{duke}, exeFolder, Action::Run, duke, 0},
      {{root + "games/Duke Nukem 3D"}, "", Action::Run, duke, 0},
      {{"games/Duke Nukem 3D"}, "", Action::Run, duke, 0},
      {{"./games/../games/Duke Nukem 3D/."}, "", Action::Run, duke, 0},
      {{"--", "games/Duke Nukem 3D"}, "", Action::Run, duke, 0},
      {{"games/Missing"}, "", Action::Print, "Tarvolin: the game folder 'games/Missing' does not exist\n" + usage, 2},
      {{"games/readme.txt"}, "", Action::Print, "Tarvolin: 'games/readme.txt' is not a folder\n" + usage, 2},
      {{"--", "-x"}, "", Action::Print, "Tarvolin: the game folder '-x' does not exist\n" + usage, 2},
      {{""}, "", Action::Print, "Tarvolin: the game folder is empty\n" + usage, 2},
      {{duke, duke}, "", Action::Print, "Tarvolin: only one game folder can be given\n" + usage, 2},
      {{"--fullscreen"}, "", Action::Print, "Tarvolin: unknown option '--fullscreen'\n" + usage, 2},
      {{"--version"}, "", Action::Print, "Tarvolin 6.2\n", 0},
      {{"-v", "games/Missing"}, "", Action::Print, "Tarvolin 6.2\n", 0},
      {{duke, "--help"}, "", Action::Print, "Usage: Tarvolin [GAME-FOLDER]\n", 0},
      {{"-h"}, "", Action::Print, "Usage: Tarvolin [GAME-FOLDER]\n", 0},
  };
  for (const auto& c : cases) {
    const std::string shown = testing::PrintToString(c.args);
    const StartRequest r = ReadStartArguments(c.args, root, exeFolder, c.installed);
    EXPECT_EQ(r.action, c.action) << shown;
    EXPECT_EQ(r.exitCode, c.exitCode) << shown;
    // The help's first line is enough here: the rest is prose.
    EXPECT_EQ(r.action == Action::Run ? r.folder : r.text.substr(0, c.folderOrText.size()), c.folderOrText) << shown;
  }
  EXPECT_FALSE(fixture::Exists(root + "games/Missing"));
  EXPECT_FALSE(fixture::Exists(root + "-x"));
}

TEST(StartArguments, TheLastChosenFolderIsKeptInTheUsersConfiguration) {
  fixture::TempHome home;
  EXPECT_EQ(LastGameFolder(), "");
  RememberGameFolder("/games/Duke Nukem 3D/");
  RememberGameFolder("/games/100% Duke/");
  EXPECT_EQ(fixture::ReadFile(home.Path() + ".config/tarvolin/game-folder"), "/games/100% Duke/\n");
  EXPECT_EQ(LastGameFolder(), "/games/100% Duke/");
}

}  // namespace
}  // namespace tv
