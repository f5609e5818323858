#include "platform/Shortcut.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "platform/HostileNames.h"

namespace tv::test {
namespace {

using Args = std::vector<std::string>;

Args FilesUnder(const std::string& folder) {
  Args files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files.push_back(e.path().string().substr(folder.size()));
  return files;
}

// A key's value in an entry of exactly seven lines, unescaped as a desktop
// reads a string value, or nullopt.
std::optional<std::string> EntryValue(const std::string& entry, const std::string& key) {
  std::optional<std::string> value;
  int lines = 0;
  for (std::size_t start = 0, end; start < entry.size(); start = end + 1, ++lines) {
    end = std::min(entry.find('\n', start), entry.size());
    if (entry.compare(start, key.size() + 1, key + "=") != 0) continue;
    value.emplace();
    for (std::size_t i = start + key.size() + 1; i < end; ++i) {
      char c = entry[i];
      if (c == '\\' && i + 1 < end) {
        c = entry[++i];
        c = c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
      }
      *value += c;
    }
  }
  return lines == 7 ? value : std::nullopt;
}

// The arguments of an Exec value as a desktop runs it: quoted arguments with
// their four escapes, "%%" for "%"; any other field code or a reserved
// character outside quotes makes the line invalid (nullopt).
std::optional<Args> ExecArguments(const std::string& exec) {
  Args args;
  for (std::size_t i = 0; i < exec.size();) {
    if (exec[i] == ' ' && ++i) continue;
    std::string arg;
    const bool quoted = exec[i] == '"';
    i += quoted;
    for (; i < exec.size() && exec[i] != (quoted ? '"' : ' '); ++i) {
      char c = exec[i];
      if (quoted && c == '\\' && i + 1 < exec.size() && std::string_view("\"`$\\").find(exec[i + 1]) != std::string::npos)
        c = exec[++i];
      else if (c == '%' && (i + 1 == exec.size() || exec[++i] != '%'))
        return std::nullopt;
      else if (!quoted && std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string::npos)
        return std::nullopt;
      arg += c;
    }
    if (quoted && i++ == exec.size()) return std::nullopt;
    args.push_back(arg);
  }
  return args;
}

// Whatever the folder holds, the Exec line means the launcher in it, and a
// program's shortcut names the game folder as one argument.
TEST(DesktopEntry, TheExecLineMeansTheProgramInAnyFolder) {
  for (const std::string& name : kHostileNames) {
    const std::string folder = "/games/" + name + "/";
    const std::string entry = DesktopEntry(folder, "Tarvolin", name);
    const std::optional<std::string> exec = EntryValue(entry, "Exec");
    ASSERT_TRUE(exec) << "a line was added: " << entry;
    EXPECT_EQ(ExecArguments(*exec), Args{folder + "Tarvolin"}) << *exec;
    EXPECT_EQ(EntryValue(entry, "Path"), folder) << entry;
    EXPECT_EQ(EntryValue(entry, "Name"), name) << entry;
    const std::string program = ProgramEntry("/usr/bin/Tarvolin", {folder}, folder, "Tarvolin");
    EXPECT_EQ(ExecArguments(EntryValue(program, "Exec").value_or("%")), (Args{"/usr/bin/Tarvolin", folder})) << program;
  }
}

// A "/" in the file starts its switches; the folder may lack its separator.
TEST(DesktopEntry, CarriesTargetSwitchesFolderAndDescription) {
  const struct {
    const char *folder, *file, *exec;
  } cases[] = {
      {"/games/duke/", "Tarvolin", "/games/duke/Tarvolin"},
      {"/games/duke", "Tarvolin", "/games/duke/Tarvolin"},
      {"/games/duke/", "Tarvolin /min /x", "/games/duke/Tarvolin min /x"},
      {"/games/100%/", "a$b", "\"/games/100%%/a\\\\$b\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DesktopEntry(c.folder, c.file, "T"), std::string("[Desktop Entry]\nType=Application\nName=T\nComment=T\n") +
                                                       "Exec=" + c.exec + "\nPath=" + c.folder + "\nTerminal=false\n")
        << c.folder << c.file;
  }
}

TEST(Shortcut, EachSpecialFolderNameMeansItsFolderHere) {
  fixture::TempHome home;
  const std::string h = home.Path();
  EXPECT_EQ(SpecialFolderPath("Desktop"), "") << "a missing desktop is not made";
  fixture::MakeFolder(h + "Desktop");
  fixture::MakeFolder(h + "Documents");
  const struct {
    const char* name;
    std::string folder;
  } cases[] = {{"Desktop", h + "Desktop/"},  {"MyDocuments", h + "Documents/"}, {"ProgramGroups", h + ".local/share/applications/"},
               {"StartMenu", h + ".local/share/applications/"}, {"Startup", h + ".config/autostart/"},
               {"SendTo", ""}, {"desktop", ""}};
  for (const auto& c : cases) EXPECT_EQ(SpecialFolderPath(c.name), c.folder) << c.name;
  // The user's own folder names win.
  fixture::WriteFile(h + ".config/user-dirs.dirs", "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Tisch\"\n"
                                                   "XDG_DOCUMENTS_DIR=\"" + h + "Papiere\"\n");
  for (const char* made : {"Tisch", "Papiere", "Elsewhere"}) fixture::MakeFolder(h + made);
  EXPECT_EQ(SpecialFolderPath("Desktop"), h + "Tisch/");
  EXPECT_EQ(SpecialFolderPath("MyDocuments"), h + "Papiere/");
  fixture::ScopedEnv desktop("XDG_DESKTOP_DIR", h + "Elsewhere");
  fixture::ScopedEnv data("XDG_DATA_HOME", h + "data");
  fixture::ScopedEnv config("XDG_CONFIG_HOME", h + "conf");
  EXPECT_EQ(SpecialFolderPath("Desktop"), h + "Elsewhere/");
  EXPECT_EQ(SpecialFolderPath("StartMenu"), h + "data/applications/");
  EXPECT_EQ(SpecialFolderPath("Startup"), h + "conf/autostart/");
}

TEST(Shortcut, GoesWhereTheNameSaysOrNowhere) {
  const struct {
    const char* special;
    Args files;
  } cases[] = {{"Startup", {".config/autostart/Game.desktop"}},
               {"ProgramGroups", {".local/share/applications/Game.desktop"}},
               {"Desktop", {}},
               {"SendTo", {}},
               {"Favourites", {}}};
  for (const auto& c : cases) {
    fixture::TempHome fresh;
    CreateShortcut("/games/duke/", "Tarvolin", c.special, "Game");
    EXPECT_EQ(FilesUnder(fresh.Path()), c.files) << c.special;
  }
}

// A shortcut replaces the earlier one (a planted link too, never followed),
// and carries the run bit desktops want.
TEST(Shortcut, IsReplacedNotDuplicatedNorFollowedAndCanBeStarted) {
  fixture::TempHome home;
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  fixture::MakeFolder(home.Path() + "Desktop");
  const std::string shortcut = home.Path() + "Desktop/Tarvolin.desktop";
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim").c_str(), shortcut.c_str()), 0);
  CreateShortcut("/games/old/", "Tarvolin", "Desktop", "Tarvolin");
  CreateShortcut("/games/duke/", "Tarvolin", "Desktop", "Tarvolin");
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "victim"), "precious");
  EXPECT_EQ(FilesUnder(home.Path()), Args{"Desktop/Tarvolin.desktop"});
  EXPECT_EQ(fixture::ReadFile(shortcut), DesktopEntry("/games/duke/", "Tarvolin", "Tarvolin"));
  struct stat st {};
  ASSERT_EQ(::lstat(shortcut.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);
  EXPECT_TRUE(S_ISREG(st.st_mode));
}

}  // namespace
}  // namespace tv::test
