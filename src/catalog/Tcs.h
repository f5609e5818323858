#pragma once
// Total conversions: one record per group file of the Games folder, its
// defaults taken from the companion files and from a scan of the group file,
// and a per-TC settings file written once with those defaults; the TC list's
// rows, the users' opinions of them and the maps inside their group files.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "catalog/GroupScan.h"
#include "platform/Files.h"
#include "settings/GameData.h"
#include "settings/IniFile.h"

namespace tv {

inline constexpr std::size_t kMaxTcs = 300;
inline constexpr const char* kGroupFilePatterns = "*.grp;*.zip";

// The Games folder as one listing: discovery asks it whether hundreds of
// companion files exist, which must cost neither a system call nor a walk
// through the folder each.
class TcFolder {
 public:
  // Lists the folder (path without a separator at the end); a folder that
  // does not exist holds nothing.
  TcFolder(FileSystem& fs, std::string path);

  const std::string& Path() const { return m_path; }
  bool Exists() const { return m_exists; }
  // A regular, non-hidden file of that name, letter case ignored.
  bool Holds(std::string_view name) const;
  // The file's path with its name as on disk, or with name as given when the
  // folder does not hold it.
  std::string PathOf(std::string_view name) const;

 private:
  std::string m_path;
  bool m_exists = false;
  std::unordered_set<std::string> m_exact;
  std::unordered_map<std::string, std::string> m_upper;  // upper-case name -> first name of that spelling
};

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

// --- The TC list: its rows and the row remembered in LastPlayedTC.

// A row whose text holds this is a separator: never started, never rated.
inline constexpr const char* kTcSeparator = "-------------";

// The row texts: every TC with a display name, in table order.
std::vector<std::string> TcListRows(const std::vector<TcRecord>& tcs);

// The row LastPlayedTC selects: -1 when it is empty or outside the rows.
// Throws RunTimeError when it is not a decimal number.
int TcRowToSelect(const std::string& lastPlayedTC, std::size_t rowCount);

// The opinion field of a TC as the lists draw it; anything but a number is 0.
int TcOpinionCode(const std::string& opinion);

// --- The users' TC opinions in the section [TarvolinTC] of the settings
// file: keys TC_00, TC_01 ... holding the code, a space and the TC's group file.

inline constexpr const char* kTcOpinionSection = "TarvolinTC";

// "TC_" + the index, two digits at least.
std::string TcOpinionKey(std::size_t index);

// Drops the entries whose code is "0" and closes the gaps, from TC_00 up to
// the first empty value.
void PackTCOpinions(IniFile& ini);

struct TcRowOpinion {
  std::size_t row;
  char code;
};
// The opinion of each TC list row the entries name, in key order (a later
// entry for the same row wins when applied in order). Entries of the older
// form (the display name in place of the group file) are rewritten in ini.
std::vector<TcRowOpinion> LoadTCOpinions(IniFile& ini, const std::vector<TcRecord>& tcs,
                                         const std::vector<std::string>& rows);

// Records text (the code, a space and a TC list row's text): the entry of
// that TC is updated, else the first free key gets it.
void StoreTCOpinion(IniFile& ini, const std::vector<TcRecord>& tcs, std::size_t rowCount, const std::string& text);

// --- The maps inside a TC's group file, for the level table: upper-case
// names without the ".map" ending.

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
