#pragma once
// The maps inside a TC's group file, for the level table: upper-case names
// without the ".map" ending.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
// The bytes are taken over: a zip may be large.
std::vector<std::string> LevelNamesInZip(std::string bytes);

}  // namespace tv
