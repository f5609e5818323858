#pragma once
// What game data is installed, from the size of the group file "Duke3d.grp".
#include <cstdint>
#include <string>

#include "platform/Files.h"
#include "settings/GameData.h"

namespace tv {

GameEdition EditionOfLength(std::int64_t length);

struct EditionFound {
  GameEdition edition = GameEdition::NoData;
  bool disablesSkill = false;  // missing file or shareware; an empty file leaves the skill box alone
};

EditionFound FindGameEdition(FileSystem& fs, const std::string& programFolder);

}  // namespace tv
