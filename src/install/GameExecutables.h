#pragma once
// The game executables of the program folder, and how the current one
// (DukeFilename) names the Play button and the window title.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tv {

inline constexpr std::size_t kMaxGameExecutables = 10;
inline constexpr std::size_t kDukeMenuEntries = 5;  // the entries of "Select Duke Game"

// "*.exe" files whose name holds "duke", except the launcher's own
// "Tarvolin.exe", in listing order, each lower-cased with its first letter
// upper-cased; at most kMaxGameExecutables.
std::vector<std::string> ListGameExecutables(FileSystem& fs, const std::string& programFolder);

// The menu caption of a list entry: without its last four characters.
std::string MenuCaption(const std::string& executable);

// "Play " + the name up to its first ".".
std::string PlayButtonCaption(const std::string& dukeFilename);

struct GameTitle {
  std::string text;  // the part of the window caption after the bar
  bool eduke32 = false;
};

// The name up to its first "." unless that "." leads, with the version of
// "Duke3dw.exe" or "EDuke32.exe" when the name starts like one of them.
GameTitle MakeGameTitle(FileSystem& fs, const std::string& programFolder, const std::string& dukeFilename);

}  // namespace tv
