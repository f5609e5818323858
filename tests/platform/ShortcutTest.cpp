#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "platform/Shortcut.h"

namespace tv::test {
namespace {

std::vector<std::string> FilesUnder(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(e.path().string().substr(folder.size()));
  std::sort(files.begin(), files.end());
  return files;
}

class ShortcutTest : public ::testing::Test {
 protected:
  fixture::TempHome home;
  std::string Home(const std::string& rest) const { return home.Path() + rest; }
};

TEST_F(ShortcutTest, EachSpecialFolderNameMeansItsFolderHere) {
  fixture::MakeFolder(Home("Desktop"));
  fixture::MakeFolder(Home("Documents"));
  const struct {
    const char* name;
    std::string folder;
  } cases[] = {
      {"Desktop", Home("Desktop/")},
      {"MyDocuments", Home("Documents/")},
      {"ProgramGroups", Home(".local/share/applications/")},
      {"StartMenu", Home(".local/share/applications/")},
      {"Startup", Home(".config/autostart/")},
      {"SendTo", ""},
      {"desktop", ""},  // the names are exact
      {"Programs", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SpecialFolderPath(c.name), c.folder) << c.name;
}

TEST_F(ShortcutTest, TheUsersOwnFolderNamesWin) {
  fixture::WriteFile(Home(".config/user-dirs.dirs"),
                     "# written by xdg-user-dirs-update\n"
                     "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                     "XDG_DOCUMENTS_DIR=\"" +
                         Home("Papiere") + "\"\n");
  fixture::MakeFolder(Home("Schreibtisch"));
  fixture::MakeFolder(Home("Papiere"));
  fixture::MakeFolder(Home("Desktop"));
  EXPECT_EQ(SpecialFolderPath("Desktop"), Home("Schreibtisch/"));
  EXPECT_EQ(SpecialFolderPath("MyDocuments"), Home("Papiere/"));

  fixture::MakeFolder(Home("Elsewhere"));
  fixture::ScopedEnv desktop("XDG_DESKTOP_DIR", Home("Elsewhere"));
  fixture::ScopedEnv data("XDG_DATA_HOME", Home("data"));
  fixture::ScopedEnv config("XDG_CONFIG_HOME", Home("conf"));
  EXPECT_EQ(SpecialFolderPath("Desktop"), Home("Elsewhere/"));
  EXPECT_EQ(SpecialFolderPath("StartMenu"), Home("data/applications/"));
  EXPECT_EQ(SpecialFolderPath("Startup"), Home("conf/autostart/"));
}

TEST_F(ShortcutTest, AMissingDesktopIsNotMade) {
  EXPECT_EQ(SpecialFolderPath("Desktop"), "");
  CreateShortcut("/games/duke/", "Tarvolin", "Desktop", "Tarvolin");
  EXPECT_EQ(FilesUnder(home.Path()), std::vector<std::string>{});
}

TEST(DesktopEntry, CarriesTargetArgumentsFolderAndDescription) {
  const struct {
    const char* folder;
    const char* file;
    const char* name;
    const char* exec;
  } cases[] = {
      {"/games/duke/", "Tarvolin", "Tarvolin", "/games/duke/Tarvolin"},
      {"/games/duke", "Tarvolin", "Tarvolin", "/games/duke/Tarvolin"},
      {"/games/Duke Nukem 3D/", "Tarvolin", "Tarvolin", "\"/games/Duke Nukem 3D/Tarvolin\""},
      {"/games/duke/", "Tarvolin /min /x", "Tarvolin", "/games/duke/Tarvolin min /x"},
      {"/games/100%/", "a$b", "T", "\"/games/100%%/a\\\\$b\""},
      {"/games/\"q\"/", "x\\y", "T", "\"/games/\\\\\"q\\\\\"/x\\\\\\\\y\""},
  };
  for (const auto& c : cases) {
    const std::string expected = std::string("[Desktop Entry]\nType=Application\nName=") + c.name +
                                 "\nComment=" + c.name + "\nExec=" + c.exec + "\nPath=" + c.folder +
                                 "\nTerminal=false\n";
    EXPECT_EQ(DesktopEntry(c.folder, c.file, c.name), expected) << c.folder << c.file;
  }
}

// One program for many game folders: the folder is an argument of its own,
// quoted as Exec wants, then escaped as a string value (\ doubled).
TEST(ProgramEntry, NamesTheGameFolderAsOneArgument) {
  const struct {
    const char* folder;
    const char* exec;
  } cases[] = {
      {"/games/duke/", "/usr/bin/Tarvolin /games/duke/"},
      {"/games/Duke Nukem 3D/", "/usr/bin/Tarvolin \"/games/Duke Nukem 3D/\""},
      {"/games/100%/", "/usr/bin/Tarvolin /games/100%%/"},
      {"/games/it's $HOME/", "/usr/bin/Tarvolin \"/games/it's \\\\$HOME/\""},
      {"/games/\"q\" `x`/", "/usr/bin/Tarvolin \"/games/\\\\\"q\\\\\" \\\\`x\\\\`/\""},
  };
  for (const auto& c : cases) {
    const std::string expected = std::string("[Desktop Entry]\nType=Application\nName=Tarvolin\nComment=Tarvolin\nExec=") +
                                 c.exec + "\nPath=" + c.folder + "\nTerminal=false\n";
    EXPECT_EQ(ProgramEntry("/usr/bin/Tarvolin", {c.folder}, c.folder, "Tarvolin"), expected) << c.folder;
  }
}

TEST_F(ShortcutTest, IsReplacedNotDuplicatedAndCanBeStarted) {
  fixture::MakeFolder(Home("Desktop"));
  CreateShortcut("/games/old/", "Tarvolin", "Desktop", "Tarvolin");
  CreateShortcut("/games/duke/", "Tarvolin", "Desktop", "Tarvolin");
  EXPECT_EQ(FilesUnder(home.Path()), std::vector<std::string>{"Desktop/Tarvolin.desktop"});
  EXPECT_EQ(fixture::ReadFile(Home("Desktop/Tarvolin.desktop")), DesktopEntry("/games/duke/", "Tarvolin", "Tarvolin"));
  struct stat st {};
  ASSERT_EQ(::stat(Home("Desktop/Tarvolin.desktop").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);
}

TEST_F(ShortcutTest, GoesWhereTheNameSaysOrNowhere) {
  const struct {
    const char* special;
    std::vector<std::string> files;
  } cases[] = {
      {"Startup", {".config/autostart/Game.desktop"}},
      {"ProgramGroups", {".local/share/applications/Game.desktop"}},
      {"SendTo", {}},
      {"Favourites", {}},
  };
  for (const auto& c : cases) {
    fixture::TempHome fresh;
    CreateShortcut("/games/duke/", "Tarvolin", c.special, "Game");
    EXPECT_EQ(FilesUnder(fresh.Path()), c.files) << c.special;
  }
}

}  // namespace
}  // namespace tv::test
