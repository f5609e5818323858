#include "platform/Shortcut.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "fixture/Fixture.h"
#include "fixture/Home.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;

Names FilesUnder(const std::string& folder) {
  Names files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(e.path().string().substr(folder.size()));
  std::sort(files.begin(), files.end());
  return files;
}

// Whatever a folder holds, Exec means the launcher in it: an argument with a
// reserved character is quoted (" ` $ \ escaped), % doubled, and the line
// escaped as a string value (\ doubled, control characters named).
TEST(DesktopEntry, TheExecLineMeansTheLauncherInAnyFolder) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"100%", "100%", "/g/100%%/Tarvolin"},
      {"it's \"q\"", "it's \"q\"", R"("/g/it's \\"q\\"/Tarvolin")"},
      {"$(x) `y` %f", "$(x) `y` %f", R"("/g/\\$(x) \\`y\\` %%f/Tarvolin")"},
      {"a;b|c&d>e<f~*?#[x]", "a;b|c&d>e<f~*?#[x]", R"("/g/a;b|c&d>e<f~*?#[x]/Tarvolin")"},
      {"back\\slash", R"(back\\slash)", R"("/g/back\\\\slash/Tarvolin")"},
      {"new\nline\ttab", R"(new\nline\ttab)", R"("/g/new\nline\ttab/Tarvolin")"},
  };
  for (const auto& [name, escaped, exec] : cases) {
    EXPECT_EQ(DesktopEntry("/g/" + name + "/", "Tarvolin", name),
              "[Desktop Entry]\nType=Application\nName=" + escaped + "\nComment=" + escaped + "\nExec=" + exec +
                  "\nPath=/g/" + escaped + "/\nTerminal=false\n");
  }
  // A "/" in the file starts its switches, runs of spaces between them; the
  // folder may lack its separator.
  EXPECT_EQ(DesktopEntry("/g/duke", "Tarvolin /min  $(x) ", " T"),
            "[Desktop Entry]\nType=Application\nName=\\sT\nComment=\\sT\nExec=/g/duke/Tarvolin min \"\\\\$(x)\"\n"
            "Path=/g/duke\nTerminal=false\n");
  // One program for many game folders: the folder is an argument of its own.
  EXPECT_EQ(ProgramEntry("/usr/bin/Tarvolin", {"/g/it's $HOME/", ""}, "/g/", "T"),
            "[Desktop Entry]\nType=Application\nName=T\nComment=T\n"
            R"(Exec=/usr/bin/Tarvolin "/g/it's \\$HOME/" "")"
            "\nPath=/g/\nTerminal=false\n");
}

// A shortcut goes where its special folder's name says (the user's own folder
// names win; desktop and documents only when they exist) or nowhere, replaces
// the earlier one (a planted link too, never followed) and can be started.
TEST(Shortcut, GoesWhereItsSpecialFolderNameSays) {
  fixture::TempHome home;
  const std::string h = home.Path();
  for (const char* special : {"Startup", "ProgramGroups", "MyDocuments", "SendTo", "Desktop", "Favourites"})
    CreateShortcut("/games/duke/", "Tarvolin", special, "Game");
  EXPECT_EQ(FilesUnder(h), (Names{".config/autostart/Game.desktop", ".local/share/applications/Game.desktop"}));
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
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "victim"), "precious");
  EXPECT_EQ(fixture::ReadFile(shortcut),
            ProgramEntry("/usr/bin/Tarvolin", {"/games/duke/"}, "/games/duke/", "Tarvolin"));
  EXPECT_EQ(FilesUnder(h + "Desktop/"), Names{"Tarvolin.desktop"});
  struct stat st {};
  EXPECT_TRUE(::lstat(shortcut.c_str(), &st) == 0 && (st.st_mode & 07777) == 0755);
  fixture::WriteFile(h + ".config/user-dirs.dirs", "# by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Tisch\"\n"
                                                   "XDG_DOCUMENTS_DIR=\"" + h + "Papiere\"\n");
  for (const char* made : {"Tisch", "Papiere"}) fixture::MakeFolder(h + made);
  EXPECT_EQ(SpecialFolderPath("Desktop"), h + "Tisch/");
  EXPECT_EQ(SpecialFolderPath("MyDocuments"), h + "Papiere/");
  fixture::ScopedEnv data("XDG_DATA_HOME", h + "data"), config("XDG_CONFIG_HOME", h + "conf");
  EXPECT_TRUE(SpecialFolderPath("StartMenu") == h + "data/applications/" &&
              SpecialFolderPath("Startup") == h + "conf/autostart/");
}

}  // namespace
}  // namespace tv
