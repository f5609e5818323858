#pragma once
// What the program's own command line asks for: the game folder to run on
// ("Tarvolin [GAME-FOLDER]"), a text to print, or a folder to ask the user
// for. The folder given is the program folder for everything.
#include <string>
#include <vector>

namespace tv {

struct StartRequest {
  enum class Action { Run, AskForFolder, Print };
  Action action = Action::Run;
  std::string folder;  // Run: the game folder, canonical, ending with the separator
  std::string text;    // Print: what to print, ending with a line break
  int exitCode = 0;    // Print: 0 for stdout (help, version), 2 for stderr (a mistake)
};

// Reads the arguments after the program's name. Relative folders are taken
// from currentFolder; without a folder the executable's folder is the game
// folder, except for the installed program (its folder is installedFolder),
// which asks. Nothing is created.
StartRequest ReadStartArguments(const std::vector<std::string>& args, const std::string& currentFolder,
                                const std::string& executableFolder, const std::string& installedFolder);

// The running program's file, canonical; "" when it cannot be told.
std::string RunningExecutable();

// The folder `cmake --install` puts the program in, ending with the separator.
std::string InstalledProgramFolder();

// The game folder chosen last in the folder dialog ("" when none), and
// remembering a new one; both under the user's configuration folder.
std::string LastGameFolder();
void RememberGameFolder(const std::string& folder);

}  // namespace tv
