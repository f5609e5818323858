#pragma once
// Which map folders the program offers: "Maps", then "Maps1".."Maps6" as far
// as they go without a gap, then "Mapsdm" in the first free slot.
#include <array>
#include <string>

#include "platform/Files.h"

namespace tv {

inline constexpr int kMapFolderSlots = 7;
using MapFolderTable = std::array<std::string, kMapFolderSlots>;

// Slot 0 is "Maps" whether it exists or not; unused slots are empty.
MapFolderTable MapFolderSlots(FileSystem& fs, const std::string& programFolder);

}  // namespace tv
