#pragma once
// Total conversions: one record per group file of the Games folder, its
// defaults taken from the companion files and from a scan of the group file,
// and a per-TC settings file written once with those defaults.
#include <cstddef>
#include <string>
#include <vector>

#include "catalog/GroupScan.h"
#include "catalog/TcFolder.h"
#include "platform/Files.h"
#include "settings/GameData.h"

namespace tv {

inline constexpr std::size_t kMaxTcs = 300;
inline constexpr const char* kGroupFilePatterns = "*.grp;*.zip";

// What a TC holds or names: for each extension (".con", ".def", ".map"),
// the lower-case base name of the group file + ext when the batch file beside
// it or the group file itself names that file, else "". The group file is
// read at most once for all the extensions asked.
std::vector<std::string> FindInTC(FileSystem& fs, GroupScanCache& scans, const TcFolder& games,
                                  const std::string& groupFile, const std::vector<std::string>& exts);

// One record per listed group file, in listing order, at most kMaxTcs; the
// stock data and high-resolution packs are no TCs. A TC without its settings
// file gets one; an existing one is never changed. Throws RunTimeError when
// a settings file cannot be written.
std::vector<TcRecord> DiscoverTCs(FileSystem& fs, GroupScanCache& scans, const std::string& gamesFolder,
                                  const std::vector<std::string>& groupListing);

}  // namespace tv
