#pragma once
// Text scans of group archives and batch files, which the program reads as
// raw bytes, and a memory of their results: a start-up pass runs after every
// dialog, and a large ".zip" must not be read again while it is unchanged.
#include <cstddef>
#include <map>
#include <string>
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

class GroupScanCache {
 public:
  // For each target (lower case), whether the file at path (its name as on
  // disk: one stat is all an unchanged file costs) read as kind contains it.
  // The file is read at most once for all the targets not yet known, and the
  // results are kept while its identity, size and times stay the same. A file
  // that is missing or cannot be read contains nothing.
  std::vector<bool> Contains(FileSystem& fs, const std::string& path, ScanKind kind,
                             const std::vector<std::string>& targets);
  // Forgets the files not asked about since the last sweep.
  void Sweep();
  // How often a file was read; tests and benchmarks watch the reuse with it.
  std::size_t FilesRead() const { return m_filesRead; }

 private:
  struct Stamp {
    unsigned long long device = 0, inode = 0;
    long long size = -1, modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Known {
    Stamp stamp;
    std::map<std::string, bool> found;  // target -> contained
    bool asked = true;
  };
  static bool StampOf(const std::string& path, Stamp& stamp);

  std::unordered_map<std::string, Known> m_known;  // by kind and resolved path
  std::size_t m_filesRead = 0;
};

}  // namespace tv
