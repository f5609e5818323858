// Names and folders with every character a shell or a desktop would read as
// syntax: the programs the launcher starts get them as plain arguments, and
// the desktop shortcut's Exec line always means the launcher itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "platform/Process.h"
#include "platform/Shortcut.h"

namespace tv::test {
namespace {

using Args = std::vector<std::string>;

// The folder names tried, each a program folder of its own.
const std::vector<std::string> kFolderNames = {
    "Duke Nukem 3D",
    "it's \"quoted\"",
    "100% done %f %u %%",
    "$(touch pwned)",
    "`touch pwned`",
    "a;b|c&d>e<f",
    "~home*?#[x]",
    "back\\slash",
    "new\nline\ttab",
    "\xff\xfe not UTF-8 \xe9",
    " leading and trailing ",
    std::string(255, 'L'),
};

// A string value of a desktop entry as a reader unescapes it.
std::string Unescaped(const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    const char c = value[++i];
    out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
  }
  return out;
}

// The arguments of an Exec value as a desktop runs it: quoted arguments with
// their four escapes, "%%" for a "%"; any other field code or a reserved
// character outside quotes makes the line invalid (nullopt).
std::optional<Args> ExecArguments(const std::string& exec) {
  Args args;
  std::size_t i = 0;
  while (i < exec.size()) {
    if (exec[i] == ' ') {
      ++i;
      continue;
    }
    std::string arg;
    const bool quoted = exec[i] == '"';
    if (quoted) ++i;
    for (; i < exec.size() && (quoted ? exec[i] != '"' : exec[i] != ' '); ++i) {
      char c = exec[i];
      if (quoted && c == '\\' && i + 1 < exec.size() &&
          std::string_view("\"`$\\").find(exec[i + 1]) != std::string::npos) {
        c = exec[++i];
      } else if (c == '%') {
        if (i + 1 == exec.size() || exec[i + 1] != '%') return std::nullopt;
        ++i;
      } else if (!quoted && std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string::npos) {
        return std::nullopt;
      }
      arg += c;
    }
    if (quoted) {
      if (i == exec.size()) return std::nullopt;
      ++i;
    }
    args.push_back(arg);
  }
  return args;
}

// The value of a key of the written entry, or nullopt; every line must be one
// of the entry's own.
std::optional<std::string> EntryValue(const std::string& entry, const std::string& key) {
  std::optional<std::string> value;
  std::size_t lines = 0;
  for (std::size_t start = 0; start < entry.size();) {
    const std::size_t end = entry.find('\n', start);
    const std::string line = entry.substr(start, end - start);
    start = end == std::string::npos ? entry.size() : end + 1;
    ++lines;
    if (line.rfind(key + "=", 0) == 0) value = Unescaped(line.substr(key.size() + 1));
  }
  if (lines != 7) return std::nullopt;
  return value;
}

TEST(BadInputShortcut, TheExecLineMeansTheLauncherInAnyFolder) {
  for (const std::string& name : kFolderNames) {
    const std::string folder = "/games/" + name + "/";
    const std::string entry = DesktopEntry(folder, "Tarvolin", "Tarvolin");
    const std::optional<std::string> exec = EntryValue(entry, "Exec");
    ASSERT_TRUE(exec) << "a line was added: " << entry;
    EXPECT_EQ(ExecArguments(*exec), Args{folder + "Tarvolin"}) << *exec;
    EXPECT_EQ(EntryValue(entry, "Path"), folder) << entry;
  }
}

TEST(BadInputShortcut, TheWrittenShortcutCarriesTheFolderAsItIs) {
  fixture::TempHome home;
  fixture::MakeFolder(home.Path() + "Desktop");
  for (const std::string& name : kFolderNames) {
    const std::string folder = "/games/" + name + "/";
    CreateShortcut(folder, "Tarvolin", "Desktop", "Tarvolin");
    const std::string written = fixture::ReadFile(home.Path() + "Desktop/Tarvolin.desktop");
    const std::optional<std::string> exec = EntryValue(written, "Exec");
    ASSERT_TRUE(exec) << written;
    EXPECT_EQ(ExecArguments(*exec), Args{folder + "Tarvolin"}) << *exec;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Path() + "Desktop"), {}), 1);
}

// A planted shortcut link is replaced, never followed.
TEST(BadInputShortcut, APlantedLinkIsReplacedNotFollowed) {
  fixture::TempHome home;
  fixture::TempFolder elsewhere;
  fixture::MakeFolder(home.Path() + "Desktop");
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  const std::string shortcut = home.Path() + "Desktop/Tarvolin.desktop";
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim").c_str(), shortcut.c_str()), 0);
  CreateShortcut("/games/duke/", "Tarvolin", "Desktop", "Tarvolin");
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "victim"), "precious");
  struct stat st {};
  ASSERT_EQ(::lstat(shortcut.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(fixture::ReadFile(shortcut), DesktopEntry("/games/duke/", "Tarvolin", "Tarvolin"));
}

// Whatever the folder and the arguments hold, the started program gets them
// as they are, and no shell runs any part of them.
TEST(BadInputProcess, NoShellSeesTheParameters) {
  const std::vector<std::string> texts = {
      "-map $(touch pwned).map /s3",       "-map `touch pwned`.map",
      "-map a;touch pwned;.map -m",        "-map a|touch pwned -x>pwned <pwned &",
      "-map \"quoted name.map\" 'single'", "-map 100%.map %PATH% ${HOME} ~ *",
      "-map \xff\xfe.map \\ \\\\",
  };
  fixture::TempFolder base;
  for (std::size_t f = 0; f < kFolderNames.size(); ++f) {
    if (kFolderNames[f].find('\n') != std::string::npos) continue;  // the record is one argument a line
    const std::string folder = base.Path() + kFolderNames[f] + "/";
    fixture::MakeFolder(folder);
    const std::string canonical = std::filesystem::canonical(folder).string();
    for (std::size_t t = 0; t < texts.size(); ++t) {
      const std::string log = base.Path() + "game" + std::to_string(f) + "-" + std::to_string(t) + ".log";
      fixture::WriteRecordingProgram(folder + "duke3d", log);
      FileSystem fs(folder);
      // Each word, then the whole text as one argument.
      Args arguments = SplitParameters(texts[t]);
      arguments.push_back(texts[t]);
      ASSERT_TRUE(OpenProgram(fs, "duke3d", arguments, folder)) << folder;
      Args expected = {canonical};
      expected.insert(expected.end(), arguments.begin(), arguments.end());
      EXPECT_EQ(fixture::WaitForRecord(log), expected) << kFolderNames[f] << " | " << texts[t];
      EXPECT_FALSE(fixture::Exists(folder + "pwned")) << kFolderNames[f] << " | " << texts[t];
    }
  }
  EXPECT_FALSE(fixture::Exists(base.Path() + "pwned"));
}

}  // namespace
}  // namespace tv::test
