#pragma once
// Starting outside programs the way the Windows shell's "Open" does: detached,
// in a working folder, with one parameter text. No shell ever sees the text:
// it is split on spaces into arguments.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace tv {

enum class StartFailure {
  None,
  NotFound,       // no such regular file
  NotExecutable,  // a native program or script without the run bit
  NeedsWine,      // a Windows program or batch file, and no `wine` on the PATH
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

// Runs of spaces separate; no quoting, as the game's parameters are never quoted.
std::vector<std::string> SplitParameters(std::string_view text);

// A bare or relative program name is taken from the working folder (ending
// with the separator), its letter case ignored.
StartPlan PlanStart(FileSystem& fs, const std::string& program, const std::string& parameters,
                    const std::string& workingFolder);

// Starts argv in its own session, in folder, without waiting for it and
// without leaving a zombie behind.
StartResult StartDetached(const std::vector<std::string>& argv, const std::string& folder);

// PlanStart, then StartDetached.
StartResult OpenProgram(FileSystem& fs, const std::string& program, const std::string& parameters,
                        const std::string& workingFolder);

// The first executable file of that name in the folders of $PATH, or "".
std::string FindOnPath(const std::string& name);

}  // namespace tv
