#include "session/StartArguments.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "session/Program.h"
#include "platform/Files.h"
#include "platform/Shortcut.h"

namespace tv {
namespace {

std::string WithSep(std::string folder) {
  if (folder.empty() || folder.back() != kSep) folder += kSep;
  return folder;
}

StartRequest Print(std::string text, int exitCode) {
  StartRequest r;
  r.action = StartRequest::Action::Print;
  r.text = std::move(text);
  r.exitCode = exitCode;
  return r;
}

StartRequest Mistake(const std::string& what) {
  return Print("Tarvolin: " + what + "\nTry 'Tarvolin --help' for more information.\n", 2);
}

StartRequest Run(std::string folder) {
  StartRequest r;
  r.folder = std::move(folder);
  return r;
}

constexpr const char* kHelp =
    "Usage: Tarvolin [GAME-FOLDER]\n"
    "Starts the launcher on the game's folder: the settings file, maps, total\n"
    "conversions and saved games are all read and written there.\n"
    "Without GAME-FOLDER the folder of this program is the game folder; the\n"
    "installed program asks for one instead.\n"
    "\n"
    "  -h, --help     show this text and end\n"
    "  -v, --version  show the version and end\n"
    "  --             what follows is GAME-FOLDER, even when it starts with '-'\n"
    "\n"
    "Exit status: 0, or 2 when the command line or the folder is wrong.\n";

// The folder given, canonical; a mistake when it is missing or no folder.
StartRequest GameFolder(const std::string& given, const std::string& currentFolder) {
  if (given.empty()) return Mistake("the game folder is empty");
  const std::filesystem::path path = given.front() == kSep ? given : WithSep(currentFolder) + given;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return Mistake("the game folder '" + given + "' does not exist");
  if (!S_ISDIR(st.st_mode)) return Mistake("'" + given + "' is not a folder");
  std::error_code ec;
  const std::filesystem::path canonical = std::filesystem::canonical(path, ec);
  if (ec) return Mistake("the game folder '" + given + "' cannot be read");
  return Run(WithSep(canonical.string()));
}

std::string LastFolderFile() {
  const std::string config = ConfigHome();
  return config.empty() ? "" : config + "/tarvolin/game-folder";
}

}  // namespace

StartRequest ReadStartArguments(const std::vector<std::string>& args, const std::string& currentFolder,
                                const std::string& executableFolder, const std::string& installedFolder) {
  std::vector<std::string> folders;
  bool optionsEnd = false;
  for (const std::string& a : args) {
    if (optionsEnd || a.empty() || a.front() != '-' || a == "-") {
      folders.push_back(a);
    } else if (a == "--") {
      optionsEnd = true;
    } else if (a == "-h" || a == "--help") {
      return Print(kHelp, 0);
    } else if (a == "-v" || a == "--version") {
      return Print(std::string("Tarvolin ") + kProgramVersion + "\n", 0);
    } else {
      return Mistake("unknown option '" + a + "'");
    }
  }
  if (folders.size() > 1) return Mistake("only one game folder can be given");
  if (folders.size() == 1) return GameFolder(folders.front(), currentFolder);
  if (WithSep(executableFolder) == WithSep(installedFolder)) {
    StartRequest r;
    r.action = StartRequest::Action::AskForFolder;
    return r;
  }
  return Run(WithSep(executableFolder));
}

std::string RunningExecutable() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? "" : exe.string();
}

std::string InstalledProgramFolder() {
  // The install folder as configured; a link on the way (/usr/local/bin
  // pointing elsewhere) is followed, as it is for the running executable.
  std::error_code ec;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(TV_INSTALL_BINDIR, ec);
  return WithSep(ec ? std::string(TV_INSTALL_BINDIR) : canonical.string());
}

std::string LastGameFolder() {
  const std::string file = LastFolderFile();
  if (file.empty()) return {};
  std::ifstream in(file);
  std::string folder;
  std::getline(in, folder);
  return folder;
}

void RememberGameFolder(const std::string& folder) {
  const std::string file = LastFolderFile();
  if (file.empty() || folder.find('\n') != std::string::npos) return;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
  FileSystem fs;
  fs.ReplaceFile(file, folder + "\n");  // remembering is a convenience: a failure is silent
}

}  // namespace tv
