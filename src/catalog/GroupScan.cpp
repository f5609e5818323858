#include "catalog/GroupScan.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "platform/Text.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TV_WIDE_SEARCH 1
#endif

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

// Which raw bytes read as a text byte: the one value, or a letter's two cases.
struct ByteTest {
  unsigned char value = 0;
  bool anyCase = false;  // the value with 0x20 set matches both cases
  bool usable = false;   // false: too many readers to test at once; none: no test
  bool operator==(const ByteTest&) const = default;
  bool Passes(char raw) const {
    return (anyCase ? static_cast<unsigned char>(raw | 0x20) : static_cast<unsigned char>(raw)) == value;
  }
};

#ifdef TV_WIDE_SEARCH
// The two tests 32 bytes at a time where the processor can (most that run
// the program): the search of a large zip then costs half as many steps. The
// positions passing both go to check in increasing order, as the narrower
// loops give them; returns where it stopped, or SIZE_MAX once check said so.
template <class Check>
__attribute__((target("avx2"))) std::size_t RunWide(const char* data, std::size_t i, std::size_t end,
                                                     const ByteTest& first, const ByteTest& second,
                                                     std::ptrdiff_t offset, Check& check) {
  const __m256i value1 = _mm256_set1_epi8(static_cast<char>(first.value));
  const __m256i case1 = _mm256_set1_epi8(first.anyCase ? 0x20 : 0);
  const __m256i value2 = _mm256_set1_epi8(static_cast<char>(second.value));
  const __m256i case2 = _mm256_set1_epi8(second.anyCase ? 0x20 : 0);
  constexpr std::size_t kStep = 64;
  for (; i + kStep <= end; i += kStep) {
    __m256i hit[2];
    for (std::size_t q = 0; q < 2; ++q) {
      const char* at = data + i + 32 * q;
      const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
      const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + offset));
      hit[q] = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(a, case1), value1),
                                _mm256_cmpeq_epi8(_mm256_or_si256(b, case2), value2));
    }
    if (_mm256_testz_si256(_mm256_or_si256(hit[0], hit[1]), _mm256_or_si256(hit[0], hit[1]))) continue;
    for (std::size_t q = 0; q < 2; ++q)
      for (auto m = unsigned(_mm256_movemask_epi8(hit[q])); m != 0; m &= m - 1)
        if (!check(i + 32 * q + std::size_t(__builtin_ctz(m)))) return SIZE_MAX;
  }
  return i;
}

bool WideSearch() {
  static const bool wide = __builtin_cpu_supports("avx2");
  return wide;
}
#endif

// Finds targets in what raw bytes read as through a byte map, without
// translating the bytes. Each target is found by two of its bytes, those that
// the fewest raw bytes read as (a "." or a digit is only itself, a letter one
// of two), tested sixteen raw bytes at a time; only where both match is the
// rest compared. One test alone would stop every 256 bytes of an archive's
// noise, and those unforeseeable stops cost more than reading the bytes;
// two stop once in tens of kilobytes. Targets that share their two tests (the names
// of one TC differ in their ending only) are found in one run over the bytes.
// A large zip then costs little more than reading it.
class TextSearch {
 public:
  TextSearch(const ByteMap& map, const std::vector<std::string>& targets) : m_map(map), m_targets(targets) {
    std::array<int, 256> readers{};  // how many raw bytes read as each text byte
    std::array<ByteTest, 256> tests{};
    for (int raw = 0; raw < 256; ++raw) {
      const auto c = static_cast<unsigned char>(map[std::size_t(raw)]);
      ByteTest& test = tests[c];
      if (readers[c]++ == 0)
        test = {static_cast<unsigned char>(raw), false, true};
      else if (readers[c] == 2 && (test.value ^ raw) == 0x20)
        test = {static_cast<unsigned char>(raw | 0x20), true, true};  // a letter in either case
      else
        test.usable = false;
    }
    for (std::size_t k = 0; k < targets.size(); ++k) {
      const std::string& t = targets[k];
      const auto readersAt = [&](std::size_t j) { return readers[static_cast<unsigned char>(t[j])]; };
      const auto usableAt = [&](std::size_t j) { return tests[static_cast<unsigned char>(t[j])].usable; };
      bool never = false;
      std::size_t first = t.size();
      for (std::size_t j = 0; j < t.size(); ++j) {
        never = never || readersAt(j) == 0;
        if (usableAt(j) && (first == t.size() || readersAt(j) < readersAt(first) ||
                            (readersAt(j) == readersAt(first) && t[j] == '.' && t[first] != '.')))
          first = j;
      }
      if (never) continue;  // a byte nothing reads as: never found
      if (first == t.size()) {
        m_translated.push_back(k);  // only spaces and the like, or nothing
        continue;
      }
      // The second test: the fewest readers again, the nearest to the first.
      std::size_t second = t.size();
      const auto distance = [&](std::size_t j) { return j < first ? first - j : j - first; };
      for (std::size_t j = 0; j < t.size(); ++j)
        if (j != first && usableAt(j) &&
            (second == t.size() || readersAt(j) < readersAt(second) ||
             (readersAt(j) == readersAt(second) && distance(j) < distance(second))))
          second = j;
      Filter filter{tests[static_cast<unsigned char>(t[first])], {}, 0, {}};
      if (second != t.size()) {
        filter.second = tests[static_cast<unsigned char>(t[second])];
        filter.offset = std::ptrdiff_t(second) - std::ptrdiff_t(first);
      }
      auto same = std::find_if(m_filters.begin(), m_filters.end(), [&](const Filter& f) {
        return f.first == filter.first && f.second == filter.second && f.offset == filter.offset;
      });
      if (same == m_filters.end()) same = m_filters.insert(m_filters.end(), filter);
      same->members.push_back({k, first});
    }
  }

  // Marks the targets found in bytes, each lying whole within one piece of
  // `piece` bytes (the first starting at bytes[0]); true once all are found.
  bool Mark(std::string_view bytes, std::size_t piece, std::vector<bool>& found) const {
    for (const Filter& filter : m_filters) Run(filter, bytes, piece, found);
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
  struct Member {
    std::size_t target;  // index into m_targets
    std::size_t at;      // where the first test's byte lies in the target
  };
  // Byte i passes first and byte i + offset passes second (when usable).
  struct Filter {
    ByteTest first, second;
    std::ptrdiff_t offset;
    std::vector<Member> members;
  };

  // Every byte i passing the filter's tests is where each member's first
  // tested byte may lie: there the member is compared whole.
  void Run(const Filter& filter, std::string_view bytes, std::size_t piece, std::vector<bool>& found) const {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    const auto pending = [&] {
      return std::any_of(filter.members.begin(), filter.members.end(),
                         [&](const Member& m) { return !found[m.target]; });
    };
    // Compares the members at i; false once none is left to find.
    const auto check = [&](std::size_t i) {
      for (const Member& m : filter.members) {
        const std::string& t = m_targets[m.target];
        if (found[m.target] || i < m.at) continue;
        const std::size_t p = i - m.at;
        if (p + t.size() > size || p / piece != (p + t.size() - 1) / piece) continue;
        std::size_t j = 0;
        while (j < t.size() && m_map[static_cast<unsigned char>(data[p + j])] == t[j]) ++j;
        if (j == t.size()) found[m.target] = true;
      }
      return pending();
    };
    if (!pending()) return;
    const bool two = filter.second.usable;
    const std::size_t before = two && filter.offset < 0 ? std::size_t(-filter.offset) : 0;
    const std::size_t after = two && filter.offset > 0 ? std::size_t(filter.offset) : 0;
    if (size < before + after + 1) return;
    const std::size_t end = size - after;  // i in [before, end): both bytes inside
    std::size_t i = before;
#ifdef __SSE2__
    // Without a second test the first stands in for it: one loop, no branches in it.
    const ByteTest& second = two ? filter.second : filter.first;
    const std::ptrdiff_t offset = two ? filter.offset : 0;
#ifdef TV_WIDE_SEARCH
    if (WideSearch() && (i = RunWide(data, i, end, filter.first, second, offset, check)) == SIZE_MAX) return;
#endif
    const __m128i value1 = _mm_set1_epi8(static_cast<char>(filter.first.value));
    const __m128i case1 = _mm_set1_epi8(filter.first.anyCase ? 0x20 : 0);
    const __m128i value2 = _mm_set1_epi8(static_cast<char>(second.value));
    const __m128i case2 = _mm_set1_epi8(second.anyCase ? 0x20 : 0);
    const auto passes = [&](const char* at) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + offset));
      return _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, case1), value1),
                           _mm_cmpeq_epi8(_mm_or_si128(b, case2), value2));
    };
    constexpr std::size_t kStep = 64;
    for (; i + kStep <= end; i += kStep) {
      const __m128i hit[4] = {passes(data + i), passes(data + i + 16), passes(data + i + 32), passes(data + i + 48)};
      if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(hit[0], hit[1]), _mm_or_si128(hit[2], hit[3]))) == 0) continue;
      for (std::size_t q = 0; q < 4; ++q)
        for (auto m = unsigned(_mm_movemask_epi8(hit[q])); m != 0; m &= m - 1)
          if (!check(i + 16 * q + std::size_t(__builtin_ctz(m)))) return;
    }
#endif
    for (; i < end; ++i)
      if (filter.first.Passes(data[i]) && (!two || filter.second.Passes(data[std::ptrdiff_t(i) + filter.offset])))
        if (!check(i)) return;
  }

  const ByteMap& m_map;
  const std::vector<std::string>& m_targets;
  std::vector<Filter> m_filters;
  std::vector<std::size_t> m_translated;  // targets searched in the translated text
};

std::vector<bool> ScanHead(const FileReader& file, ScanKind kind, const std::vector<std::string>& targets) {
  std::string head(std::size_t(std::min<std::uint64_t>(kScanBlock, file.Size())), '\0');
  head.resize(file.ReadAt(0, head.data(), head.size()));
  if (kind == ScanKind::Batch) head.resize(std::min(head.size(), head.find('\0')));
  std::vector<bool> found(targets.size(), false);
  TextSearch(kind == ScanKind::Batch ? kLowerBatch : kLowerText, targets).Mark(head, kScanBlock, found);
  return found;
}

std::vector<bool> ScanZip(const FileReader& file, long long size, const std::vector<std::string>& targets) {
  std::vector<bool> found(targets.size(), false);
  if (size < static_cast<long long>(kScanBlock)) return found;
  std::vector<std::string> upper;
  for (const std::string& t : targets) upper.push_back(Upper(t));
  const TextSearch search(kUpperText, upper);
  // Many blocks at a time into one buffer; each block is still searched on its
  // own. A buffer that stays in the processor's cache between the copy and
  // the search: a larger one is searched from memory, at half the speed.
  constexpr std::size_t kBlocksPerRead = 25;
  std::vector<char> buffer(kScanBlock * kBlocksPerRead);
  for (std::uint64_t offset = 0;;) {
    const std::size_t got = file.ReadAt(offset, buffer.data(), buffer.size());
    if (got == 0 || search.Mark(std::string_view(buffer.data(), got), kScanBlock, found)) return found;
    if (got < buffer.size()) return found;
    offset += got;
  }
}

}  // namespace

GroupScanCache::Stamp GroupScanCache::StampOf(const struct stat& st) {
  return {st.st_dev,          st.st_ino,         st.st_size,        st.st_mtim.tv_sec,
          st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

bool GroupScanCache::StampOf(const std::string& path, Stamp& stamp) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  stamp = StampOf(st);
  return true;
}

std::vector<bool> GroupScanCache::Contains(FileSystem& fs, const std::string& given, ScanKind kind,
                                           const std::vector<std::string>& targets) {
  if (!m_loaded) Load();
  // The one stat of the file gives its stamp and lets it be opened without another.
  struct stat st {};
  std::string path;
  if (!fs.Locate(given, path, st) || !S_ISREG(st.st_mode)) return std::vector<bool>(targets.size(), false);
  const Stamp stamp = StampOf(st);

  Known& known = m_known[std::to_string(int(kind)) + path];
  known.asked = true;
  if (!(known.stamp == stamp)) known = {stamp, {}, {}, true};

  std::vector<std::string> unknown;
  for (const std::string& t : targets)
    if (!known.found.contains(t)) unknown.push_back(t);
  if (!unknown.empty()) {
    ++m_filesRead;
    const FileReader file(fs, path, st);
    const std::vector<bool> found =
        kind == ScanKind::Zip ? ScanZip(file, stamp.size, unknown) : ScanHead(file, kind, unknown);
    // A file that changed while it was read is read again next time; one
    // replaced since its stamp was taken was read through another identity.
    struct stat now {};
    Stamp after;
    const bool steady = file.IsOpen() ? file.Stat(now) && StampOf(now) == stamp
                                      : StampOf(path, after) && after == stamp;
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
