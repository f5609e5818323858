#include "catalog/GroupScan.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/Text.h"

namespace tv {
namespace {

using ByteMap = std::array<char, 256>;

// Bytes below 32 or above 122 read as spaces; letters folded one way.
constexpr ByteMap MakeByteMap(char (*fold)(char), bool controlsAsSpaces) {
  ByteMap map{};
  for (int b = 0; b < 256; ++b)
    map[std::size_t(b)] = controlsAsSpaces && (b < 32 || b > 122) ? ' ' : fold(char(b));
  return map;
}
constexpr char FoldLower(char c) { return LowerAZ(c); }
constexpr char FoldUpper(char c) { return UpperAZ(c); }
constexpr ByteMap kLowerText = MakeByteMap(FoldLower, true);
constexpr ByteMap kUpperText = MakeByteMap(FoldUpper, true);
constexpr ByteMap kLowerBatch = MakeByteMap(FoldLower, false);

// Finds targets in what raw bytes read as through a byte map, without
// translating the bytes: each target is anchored on its byte that the fewest
// raw bytes read as (a "." or a digit is only itself, a letter one of two),
// those are found with memchr and only there is the rest compared. A large
// zip then costs little more than reading it.
class TextSearch {
 public:
  TextSearch(const ByteMap& map, const std::vector<std::string>& targets) : m_map(map), m_targets(targets) {
    std::array<int, 256> readers{};  // how many raw bytes read as each text byte
    for (char c : map) ++readers[static_cast<unsigned char>(c)];
    for (std::size_t k = 0; k < targets.size(); ++k) {
      const std::string& t = targets[k];
      std::size_t best = 0;
      int fewest = 257;
      for (std::size_t j = 0; j < t.size(); ++j) {
        const int n = readers[static_cast<unsigned char>(t[j])];
        if (n < fewest || (n == fewest && t[j] == '.')) {
          best = j;
          fewest = n;
        }
      }
      if (fewest == 0) continue;  // a byte nothing reads as: never found
      if (fewest > 2) {
        m_translated.push_back(k);  // only spaces and the like, or nothing
        continue;
      }
      for (int raw = 0; raw < 256; ++raw)
        if (map[std::size_t(raw)] == t[best]) m_anchors.push_back({char(raw), k, best});
    }
    std::sort(m_anchors.begin(), m_anchors.end(),
              [](const Anchor& a, const Anchor& b) { return static_cast<unsigned char>(a.raw) < static_cast<unsigned char>(b.raw); });
  }

  // Marks the targets found in bytes, each lying whole within one piece of
  // `piece` bytes (the first starting at bytes[0]); true once all are found.
  bool Mark(std::string_view bytes, std::size_t piece, std::vector<bool>& found) const {
    for (std::size_t first = 0; first < m_anchors.size();) {
      std::size_t last = first;
      while (last < m_anchors.size() && m_anchors[last].raw == m_anchors[first].raw) ++last;
      MarkAround(bytes, piece, first, last, found);
      first = last;
    }
    std::string translated;
    for (std::size_t k : m_translated) {
      // Pieces as the rule reads them: an empty text is one empty piece.
      for (std::size_t at = 0; !found[k] && (at < bytes.size() || at == 0); at += piece) {
        translated = bytes.substr(at, piece);
        for (char& c : translated) c = m_map[static_cast<unsigned char>(c)];
        found[k] = translated.find(m_targets[k]) != std::string::npos;
        if (bytes.empty()) break;
      }
    }
    return std::all_of(found.begin(), found.end(), [](bool f) { return f; });
  }

 private:
  struct Anchor {
    char raw;            // a raw byte that reads as the target's anchor byte
    std::size_t target;  // index into m_targets
    std::size_t at;      // where the anchor lies in the target
  };

  // The anchors [first, last) share their raw byte: one memchr run for them all.
  void MarkAround(std::string_view bytes, std::size_t piece, std::size_t first, std::size_t last,
                  std::vector<bool>& found) const {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    const auto pending = [&] {
      for (std::size_t a = first; a < last; ++a)
        if (!found[m_anchors[a].target]) return true;
      return false;
    };
    if (!pending()) return;
    for (const void* hit = std::memchr(data, m_anchors[first].raw, size); hit;) {
      const std::size_t i = std::size_t(static_cast<const char*>(hit) - data);
      for (std::size_t a = first; a < last; ++a) {
        const Anchor& anchor = m_anchors[a];
        const std::string& t = m_targets[anchor.target];
        if (found[anchor.target] || i < anchor.at) continue;
        const std::size_t p = i - anchor.at;
        if (p + t.size() > size || p / piece != (p + t.size() - 1) / piece) continue;
        std::size_t j = 0;
        while (j < t.size() && m_map[static_cast<unsigned char>(data[p + j])] == t[j]) ++j;
        if (j == t.size()) {
          found[anchor.target] = true;
          if (!pending()) return;
        }
      }
      hit = i + 1 < size ? std::memchr(data + i + 1, m_anchors[first].raw, size - i - 1) : nullptr;
    }
  }

  const ByteMap& m_map;
  const std::vector<std::string>& m_targets;
  std::vector<Anchor> m_anchors;          // by raw byte
  std::vector<std::size_t> m_translated;  // targets searched in the translated text
};

std::vector<bool> ScanHead(FileSystem& fs, const std::string& path, ScanKind kind,
                           const std::vector<std::string>& targets) {
  std::string head = fs.ReadBytes(path, 0, kScanBlock);
  if (kind == ScanKind::Batch) head.resize(std::min(head.size(), head.find('\0')));
  std::vector<bool> found(targets.size(), false);
  TextSearch(kind == ScanKind::Batch ? kLowerBatch : kLowerText, targets).Mark(head, kScanBlock, found);
  return found;
}

std::vector<bool> ScanZip(FileSystem& fs, const std::string& path, long long size,
                          const std::vector<std::string>& targets) {
  std::vector<bool> found(targets.size(), false);
  if (size < static_cast<long long>(kScanBlock)) return found;
  std::vector<std::string> upper;
  for (const std::string& t : targets) upper.push_back(Upper(t));
  const TextSearch search(kUpperText, upper);
  // Many blocks at a time into one buffer; each block is still searched on its own.
  constexpr std::size_t kBlocksPerRead = 100;
  const FileReader file(fs, path);
  std::vector<char> buffer(kScanBlock * kBlocksPerRead);
  for (std::uint64_t offset = 0;;) {
    const std::size_t got = file.ReadAt(offset, buffer.data(), buffer.size());
    if (got == 0 || search.Mark(std::string_view(buffer.data(), got), kScanBlock, found)) return found;
    if (got < buffer.size()) return found;
    offset += got;
  }
}

}  // namespace

bool GroupScanCache::StampOf(const std::string& path, Stamp& stamp) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  stamp = {st.st_dev,          st.st_ino,         st.st_size,        st.st_mtim.tv_sec,
           st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
  return true;
}

std::vector<bool> GroupScanCache::Contains(FileSystem& fs, const std::string& given, ScanKind kind,
                                           const std::vector<std::string>& targets) {
  const std::string path = fs.Resolve(given);  // the stamps are taken beside the file layer
  if (!m_loaded) Load();
  Stamp stamp;
  if (!StampOf(path, stamp)) return std::vector<bool>(targets.size(), false);

  Known& known = m_known[std::to_string(int(kind)) + path];
  known.asked = true;
  if (!(known.stamp == stamp)) known = {stamp, {}, {}, true};

  std::vector<std::string> unknown;
  for (const std::string& t : targets)
    if (!known.found.contains(t)) unknown.push_back(t);
  if (!unknown.empty()) {
    ++m_filesRead;
    const std::vector<bool> found =
        kind == ScanKind::Zip ? ScanZip(fs, path, stamp.size, unknown) : ScanHead(fs, path, kind, unknown);
    // A file that changed while it was read is read again next time.
    Stamp after;
    const bool steady = StampOf(path, after) && after == stamp;
    for (std::size_t i = 0; i < unknown.size(); ++i) known.found[unknown[i]] = found[i];
    if (!steady) known.stamp = Stamp{};
    m_changed = true;
  }

  std::vector<bool> result;
  for (const std::string& t : targets) result.push_back(known.found[t]);
  return result;
}

std::vector<std::string> GroupScanCache::LevelNames(const std::string& path,
                                                    const std::function<std::vector<std::string>()>& read) {
  if (!m_loaded) Load();
  Stamp stamp;
  if (!StampOf(path, stamp)) return read();
  Known& known = m_known[kLevelsKind + path];
  known.asked = true;
  if (known.stamp == stamp) return known.levels;
  ++m_filesRead;
  known.levels = read();
  Stamp after;
  known.stamp = StampOf(path, after) && after == stamp ? stamp : Stamp{};
  m_changed = true;
  return known.levels;
}

void GroupScanCache::Sweep() {
  const auto drop = [](auto& item) {
    Stamp stamp;
    return !item.second.asked &&
           !(item.first.starts_with(kLevelsKind) && StampOf(item.first.substr(1), stamp));
  };
  if (std::erase_if(m_known, drop) > 0) m_changed = true;
  for (auto& [key, known] : m_known) known.asked = false;
}

}  // namespace tv
