#include "platform/Shortcut.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/Files.h"
#include "platform/Process.h"

namespace tv {
namespace {

// Relative values of the XDG variables are to be ignored, as the base
// directory rules say.
std::string AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != kSep) return {};
  return value;
}

std::string Home() { return AbsoluteEnv("HOME"); }

std::string DataHome() {
  const std::string data = AbsoluteEnv("XDG_DATA_HOME");
  if (!data.empty()) return data;
  return Home().empty() ? "" : Home() + "/.local/share";
}

// A user folder as xdg-user-dirs names it: the variable, else its line in
// user-dirs.dirs (XDG_DESKTOP_DIR="$HOME/Schreibtisch"), else the fallback
// under the home folder.
std::string UserDir(const char* variable, const char* fallback) {
  std::string dir = AbsoluteEnv(variable);
  const std::string config = ConfigHome();
  if (dir.empty() && !config.empty()) {
    std::ifstream in(config + "/user-dirs.dirs");
    const std::string key = std::string(variable) + "=\"";
    for (std::string line; dir.empty() && std::getline(in, line);) {
      if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
      std::string value = line.substr(key.size(), line.size() - key.size() - 1);
      if (value.rfind("$HOME", 0) == 0)
        dir = Home().empty() ? "" : Home() + value.substr(5);
      else if (!value.empty() && value.front() == kSep)
        dir = value;
    }
  }
  if (dir.empty() && !Home().empty()) dir = Home() + kSep + fallback;
  return dir;
}

enum class Place { User, Data, Config, None };

struct SpecialFolder {
  const char* name;
  Place place;
  const char* variable;  // of a user folder
  const char* folder;    // under the home, data or config folder
};

// The six names of the shortcut service and what each means here.
constexpr SpecialFolder kSpecialFolders[] = {
    {"Desktop", Place::User, "XDG_DESKTOP_DIR", "Desktop"},
    {"MyDocuments", Place::User, "XDG_DOCUMENTS_DIR", "Documents"},
    {"ProgramGroups", Place::Data, nullptr, "applications"},
    {"SendTo", Place::None, nullptr, nullptr},
    {"StartMenu", Place::Data, nullptr, "applications"},
    {"Startup", Place::Config, nullptr, "autostart"},
};
static_assert(std::size(kSpecialFolders) == 6);

std::string Existing(const std::string& dir) {
  struct stat st {};
  if (dir.empty() || ::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
  return dir.back() == kSep ? dir : dir + kSep;
}

std::string Made(const std::string& dir) {
  if (dir.empty()) return {};
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return Existing(dir);
}

// A value of type string: backslash and control characters escaped, and a
// leading space kept.
std::string EscapeValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  if (!out.empty() && out.front() == ' ') out.replace(0, 1, "\\s");
  return out;
}

// One argument of Exec: quoted when it holds a reserved character, with ",
// `, $ and \ escaped inside the quotes; % is doubled everywhere because it
// starts a field code.
std::string ExecArgument(std::string_view arg) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string out;
  const bool quote = arg.empty() || arg.find_first_of(kReserved) != std::string_view::npos;
  if (quote) out += '"';
  for (char c : arg) {
    if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
    out += c;
    if (c == '%') out += '%';
  }
  if (quote) out += '"';
  return out;
}

}  // namespace

std::string ConfigHome() {
  const std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
  if (!config.empty()) return config;
  return Home().empty() ? "" : Home() + "/.config";
}

std::string SpecialFolderPath(const std::string& specialFolder) {
  for (const SpecialFolder& f : kSpecialFolders) {
    if (specialFolder != f.name) continue;
    switch (f.place) {
      case Place::User:
        return Existing(UserDir(f.variable, f.folder));
      case Place::Data:
        return Made(DataHome().empty() ? "" : DataHome() + kSep + f.folder);
      case Place::Config:
        return Made(ConfigHome().empty() ? "" : ConfigHome() + kSep + f.folder);
      case Place::None:
        return {};
    }
  }
  return {};
}

std::string DesktopEntry(const std::string& folder, const std::string& file, const std::string& name) {
  // A "/" after the file name starts its switches ("Tarvolin.exe /x"). On
  // this system every folder holds "/", so only the file part is looked at;
  // the folder of the Windows original never holds one.
  std::string program = file;
  std::string arguments;
  if (const std::size_t slash = file.find('/'); slash != std::string::npos) {
    arguments = file.substr(slash + 1);
    program = file.substr(0, slash == 0 ? 0 : slash - 1);
  }
  const std::string target = (folder.empty() || folder.back() == kSep) ? folder + program : folder + kSep + program;
  return ProgramEntry(target, SplitParameters(arguments), folder, name);
}

std::string ProgramEntry(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::string& name) {
  std::string exec = ExecArgument(program);
  for (const std::string& a : arguments) exec += ' ' + ExecArgument(a);
  std::string entry = "[Desktop Entry]\nType=Application\n";
  entry += "Name=" + EscapeValue(name) + "\n";
  entry += "Comment=" + EscapeValue(name) + "\n";
  entry += "Exec=" + EscapeValue(exec) + "\n";
  entry += "Path=" + EscapeValue(folder) + "\n";
  return entry + "Terminal=false\n";
}

namespace {

void WriteShortcut(const std::string& specialFolder, const std::string& name, const std::string& entry) {
  const std::string where = SpecialFolderPath(specialFolder);
  if (where.empty()) return;
  FileSystem fs(where);
  const std::string path = fs.Resolve(where + name + ".desktop");
  // Desktops start only launchers that carry the run bit.
  if (fs.ReplaceFile(path, entry)) ::chmod(path.c_str(), 0755);
}

}  // namespace

void CreateShortcut(const std::string& folder, const std::string& file, const std::string& specialFolder,
                    const std::string& name) {
  WriteShortcut(specialFolder, name, DesktopEntry(folder, file, name));
}

void CreateProgramShortcut(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& folder, const std::string& specialFolder, const std::string& name) {
  WriteShortcut(specialFolder, name, ProgramEntry(program, arguments, folder, name));
}

}  // namespace tv
