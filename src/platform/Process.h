#pragma once
// Starting outside programs the way the Windows shell's "Open" does: detached,
// in a working folder, with a list of arguments. No shell ever sees them:
// each reaches the program whole, spaces and quotes included.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace tv {

enum class StartFailure {
  None,
  NotFound,       // no such regular file
  NotExecutable,  // a native program or script without the run bit
  NeedsWine,      // a Windows program or batch file, and no Wine found (see FindWine)
  NoOpener,       // another kind of file, and no `xdg-open` on the PATH
  SystemError,    // the system refused (fork, chdir or exec failed); see error
};

struct StartResult {
  StartFailure failure = StartFailure::None;
  int error = 0;  // errno for SystemError
  explicit operator bool() const { return failure == StartFailure::None; }
};

// What would be executed: argv[0] is the file run, or the failure found first.
struct StartPlan {
  std::vector<std::string> argv;
  StartFailure failure = StartFailure::None;
};

// Runs of spaces separate; no quoting.
std::vector<std::string> SplitParameters(std::string_view text);

// Where Wine is looked for, in this order: names on the PATH, then paths.
// By default "wine", "wine64", and "/usr/lib/wine/wine64", where Debian puts
// it when only its 64-bit package is installed. Tests may hide the machine's
// own Wine by replacing the list.
std::vector<std::string>& WineCandidates();
// The first of WineCandidates() found, or "".
std::string FindWine();

// A bare or relative program name is taken from the working folder (ending
// with the separator), its letter case ignored. Windows programs run through
// Wine, which makes each argument one argument of the Windows command line.
StartPlan PlanStart(FileSystem& fs, const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& workingFolder);

// Starts argv in its own session, in folder, without waiting for it and
// without leaving a zombie behind.
StartResult StartDetached(const std::vector<std::string>& argv, const std::string& folder);

// PlanStart, then StartDetached.
StartResult OpenProgram(FileSystem& fs, const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& workingFolder);

// The first executable file of that name in the folders of $PATH, or "".
std::string FindOnPath(const std::string& name);

}  // namespace tv
