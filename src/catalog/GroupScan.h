#pragma once
// Text scans of group archives and batch files, which the program reads as
// raw bytes, and a memory of their results: a start-up pass runs after every
// dialog, and a large ".zip" must not be read again while it is unchanged,
// neither in this run nor at the next start (the results are kept in a cache
// file, see ScanCacheFile.cpp).
#include <cstddef>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Files.h"

namespace tv {

inline constexpr std::size_t kScanBlock = 10000;

enum class ScanKind {
  // The first 10000 bytes up to the first zero byte, lower-cased.
  Batch,
  // The first 10000 bytes, every byte below 32 or above 122 a space, lower-cased.
  Group,
  // Nothing when shorter than 10000 bytes; else each block of 10000 bytes on
  // its own (a name across two blocks is not seen), bytes below 32 or above
  // 122 as spaces, upper-cased.
  Zip,
};

// The scan cache's folder: $XDG_CACHE_HOME/tarvolin/, else ~/.cache/tarvolin/;
// empty when neither is an absolute path. Takes the two variables' values.
std::string CacheFolderOf(const char* xdgCacheHome, const char* home);

class GroupScanCache {
 public:
  // For each target (lower case), whether the file at path (its name as on
  // disk: one stat is all an unchanged file costs) read as kind contains it.
  // The file is read at most once for all the targets not yet known, and the
  // results are kept while its identity, size and times stay the same. A file
  // that is missing or cannot be read contains nothing.
  std::vector<bool> Contains(FileSystem& fs, const std::string& path, ScanKind kind,
                             const std::vector<std::string>& targets);
  // The level names of the group file at path (its name as on disk), as
  // read() finds them; read() runs at most once while the file is unchanged.
  std::vector<std::string> LevelNames(const std::string& path,
                                      const std::function<std::vector<std::string>()>& read);
  // Forgets the files not asked about since the last sweep; level names are
  // kept while their file is there (they are asked for outside the passes).
  void Sweep();
  // How often a file was read; tests and benchmarks watch the reuse with it.
  std::size_t FilesRead() const { return m_filesRead; }

  // Keeps the results between runs in a file of cacheFolder named after the
  // program folder; no file when cacheFolder is empty. The file is read on
  // the first question; now() tells which files changed too recently for
  // their times to tell a later change (those are not kept).
  void KeepIn(const std::string& cacheFolder, const std::string& programFolder,
              std::function<std::time_t()> now = [] { return std::time(nullptr); });
  // Writes the results when they differ from the cache file's. A cache that
  // cannot be written is given up for the run, silently: it only saves time.
  void Store();
  // The cache file's path; empty when none is kept.
  const std::string& CacheFile() const { return m_cacheFile; }
  void SetWriteFaultHook(WriteFaultHook hook) { m_writeFault = std::move(hook); }

 private:
  struct Stamp {
    unsigned long long device = 0, inode = 0;
    long long size = -1, modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Known {
    Stamp stamp;
    std::map<std::string, bool> found;  // target -> contained
    std::vector<std::string> levels;    // for the level names' entries
    bool asked = true;
  };
  static constexpr char kLevelsKind = 'L';  // keys are a kind (a ScanKind's digit or this) and a path
  static Stamp StampOf(const struct stat& st);
  static bool StampOf(const std::string& path, Stamp& stamp);
  void Load();
  std::string Serialized() const;
  bool Deserialize(std::string_view bytes);
  // Whether a change within the times' granularity could leave stamp as it is.
  bool Recent(const Stamp& stamp) const;

  std::unordered_map<std::string, Known> m_known;  // by kind and resolved path
  std::size_t m_filesRead = 0;
  std::string m_cacheFile;
  std::string m_programFolder;
  std::function<std::time_t()> m_now;
  WriteFaultHook m_writeFault;
  bool m_loaded = false;
  bool m_changed = false;  // since the cache file was read or written
};

}  // namespace tv
