#include "catalog/MapFolders.h"

#include "platform/Text.h"

namespace tv {

MapFolderTable MapFolderSlots(FileSystem& fs, const std::string& programFolder) {
  MapFolderTable slots;
  slots[0] = "Maps";
  int free = 1;
  for (; free < kMapFolderSlots; ++free) {
    std::string name = "Maps";
    name += Dec(free);
    if (!fs.FolderExists(programFolder + name)) break;
    slots[std::size_t(free)] = name;
  }
  if (free < kMapFolderSlots && fs.FolderExists(programFolder + "Mapsdm")) slots[std::size_t(free)] = "Mapsdm";
  return slots;
}

}  // namespace tv
