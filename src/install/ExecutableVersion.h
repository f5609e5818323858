#pragma once
// The version text that the two known engines carry in their executables,
// found by a text search in whole 2000-byte blocks.
#include <string>

#include "platform/Files.h"

namespace tv {

inline constexpr const char* kNoVersion = "x.x";

// After "Duke3dw - Version" and one more character, at most 8 characters,
// tidied; the first block with the marker decides.
std::string ReadDuke3dwVersion(FileSystem& fs, const std::string& path);

// After "EDuke32 ", at most 5 characters; a text starting with "1" or "2"
// ends the search, else the last block holding the marker decides.
std::string ReadEDuke32Version(FileSystem& fs, const std::string& path);

}  // namespace tv
