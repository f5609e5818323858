#include "catalog/GroupScan.h"

#include <sys/stat.h>

#include <array>
#include <string_view>

#include "platform/Text.h"

namespace tv {
namespace {

using ByteMap = std::array<char, 256>;

// Bytes below 32 or above 122 read as spaces; letters folded one way.
constexpr ByteMap MakeByteMap(char (*fold)(char)) {
  ByteMap map{};
  for (int b = 0; b < 256; ++b) map[std::size_t(b)] = (b < 32 || b > 122) ? ' ' : fold(char(b));
  return map;
}
constexpr char FoldLower(char c) { return LowerAZ(c); }
constexpr char FoldUpper(char c) { return UpperAZ(c); }
constexpr ByteMap kLowerText = MakeByteMap(FoldLower);
constexpr ByteMap kUpperText = MakeByteMap(FoldUpper);

void Translate(std::string& bytes, const ByteMap& map) {
  for (char& c : bytes) c = map[static_cast<unsigned char>(c)];
}

std::vector<bool> ScanHead(FileSystem& fs, const std::string& path, ScanKind kind,
                           const std::vector<std::string>& targets) {
  std::string text = fs.ReadBytes(path, 0, kScanBlock);
  if (kind == ScanKind::Batch) {
    text = Lower(text.substr(0, text.find('\0')));
  } else {
    Translate(text, kLowerText);
  }
  std::vector<bool> found;
  for (const std::string& t : targets) found.push_back(text.find(t) != std::string::npos);
  return found;
}

bool MatchesAt(std::string_view raw, std::size_t at, std::string_view text) {
  for (std::size_t j = 0; j < text.size(); ++j)
    if (kUpperText[static_cast<unsigned char>(raw[at + j])] != text[j]) return false;
  return true;
}

// Marks the targets (upper case) a zip block holds. A "." reads as itself
// and nothing else reads as ".", so a target with a "." can only lie around
// a "." of the raw bytes: those are looked up instead of translating the
// whole block, which keeps a large zip close to the cost of reading it.
bool MarkZipBlock(std::string_view block, const std::vector<std::string>& targets, std::vector<bool>& found) {
  bool all = true;
  std::string translated;
  for (std::size_t k = 0; k < targets.size(); ++k) {
    const std::string& t = targets[k];
    const std::size_t dot = t.rfind('.');
    if (!found[k] && dot == std::string::npos) {
      if (translated.empty()) {
        translated = block;
        Translate(translated, kUpperText);
      }
      found[k] = translated.find(t) != std::string::npos;
    }
    for (std::size_t i = block.find('.', dot);
         !found[k] && i != std::string_view::npos && i - dot + t.size() <= block.size(); i = block.find('.', i + 1))
      found[k] = MatchesAt(block, i - dot, t);
    all = all && found[k];
  }
  return all;
}

std::vector<bool> ScanZip(FileSystem& fs, const std::string& path, long long size,
                          const std::vector<std::string>& targets) {
  std::vector<bool> found(targets.size(), false);
  if (size < static_cast<long long>(kScanBlock)) return found;
  std::vector<std::string> upper;
  for (const std::string& t : targets) upper.push_back(Upper(t));
  // Read many blocks at a time into one buffer; each block is still searched on its own.
  constexpr std::size_t kBlocksPerRead = 100;
  const FileReader file(fs, path);
  std::vector<char> buffer(kScanBlock * kBlocksPerRead);
  for (std::uint64_t offset = 0;;) {
    const std::size_t got = file.ReadAt(offset, buffer.data(), buffer.size());
    const std::string_view view(buffer.data(), got);
    for (std::size_t at = 0; at < view.size(); at += kScanBlock)
      if (MarkZipBlock(view.substr(at, kScanBlock), upper, found)) return found;
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
  Stamp stamp;
  if (!StampOf(path, stamp)) return std::vector<bool>(targets.size(), false);

  Known& known = m_known[std::to_string(int(kind)) + path];
  known.asked = true;
  if (!(known.stamp == stamp)) known = {stamp, {}, true};

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
  }

  std::vector<bool> result;
  for (const std::string& t : targets) result.push_back(known.found[t]);
  return result;
}

void GroupScanCache::Sweep() {
  std::erase_if(m_known, [](auto& item) { return !item.second.asked; });
  for (auto& [key, known] : m_known) known.asked = false;
}

}  // namespace tv
