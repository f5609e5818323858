#pragma once
// The maps inside a TC's group file, for the level table: upper-case names
// without the ".map" ending.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace tv {

inline constexpr std::size_t kGrpLevelBytes = 30000;
inline constexpr int kZipLevelPasses = 72;

// The ".grp" directory: the 16-byte entries after the 16-byte header, up to
// the first entry that does not start with a printable byte. head is the
// file's first 30000 bytes (fewer when shorter); duplicates are kept.
std::vector<std::string> LevelNamesInGrp(std::string_view head);

// The ".zip" read as text: each ".map" with a name before it (at most 29
// bytes back, after a space or control byte), at most 72 occurrences, each
// name once. Scanning stops at the first ".map" without such a name.
// The bytes may come in pieces of any size: a zip may be larger than memory.
class ZipLevelScan {
 public:
  // Scans the next bytes of the file; false once the scan has ended.
  bool Feed(std::string_view bytes);
  const std::vector<std::string>& Names() const { return m_names; }

 private:
  std::string m_text;      // the bytes as text: the last ones seen, then the new ones
  std::size_t m_from = 0;  // where in m_text the next ".map" may start
  int m_passes = 0;
  bool m_done = false;
  std::vector<std::string> m_names;
};

std::vector<std::string> LevelNamesInZip(std::string_view bytes);

// The same, for the file at path, read a piece at a time.
std::vector<std::string> LevelNamesInZipFile(FileSystem& fs, const std::string& path);

}  // namespace tv
