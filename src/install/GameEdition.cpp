#include "install/GameEdition.h"

namespace tv {

GameEdition EditionOfLength(std::int64_t length) {
  if (length > 40'000'000) return GameEdition::Full;
  if (length > 25'000'000) return GameEdition::SmallerFull;
  if (length == 0) return GameEdition::NoData;
  return GameEdition::Shareware;
}

EditionFound FindGameEdition(FileSystem& fs, const std::string& programFolder) {
  const std::string path = programFolder + "Duke3d.grp";
  if (!fs.FileExists(path)) return {GameEdition::NoData, true};
  std::int64_t length = fs.FileSize(path);
  // Present but not readable counts as a file that cannot be opened.
  if (length > 0 && fs.ReadBytes(path, 0, 1).empty()) length = -1;
  const GameEdition edition = EditionOfLength(length);
  return {edition, edition == GameEdition::Shareware};
}

}  // namespace tv
