#pragma once
// What game data is installed, from the size of the group file "Duke3d.grp".
#include <cstdint>
#include <string>

#include "platform/Files.h"

namespace tv {

enum class GameEdition {
  Full,         // more than 40,000,000 bytes
  SmallerFull,  // more than 25,000,000, up to 40,000,000
  Shareware,    // 1 to 25,000,000 bytes, or a file that cannot be opened (-1)
  NoData,       // missing, or 0 bytes
};

GameEdition EditionOfLength(std::int64_t length);

struct EditionFound {
  GameEdition edition = GameEdition::NoData;
  bool disablesSkill = false;  // missing file or shareware; an empty file leaves the skill box alone
};

EditionFound FindGameEdition(FileSystem& fs, const std::string& programFolder);

}  // namespace tv
