#include "install/ExecutableVersion.h"

#include <array>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tv {
namespace {

constexpr std::size_t kBlock = 2000;

// Reads a file block by block, so memory stays the same whatever the
// executable's size; the last partial block is never read. The reads go a
// few dozen blocks at a time, and a block whose raw bytes lack the marker's
// word is skipped unconverted (it cannot hold the marker after conversion).
class BlockText {
 public:
  BlockText(FileSystem& fs, const std::string& path) : m_file(fs, path) {
    m_blocks = m_file.IsOpen() ? m_file.Size() / kBlock : 0;
  }
  std::uint64_t Blocks() const { return m_blocks; }

  // Block k with every byte outside 32..126 made a space, and one space more,
  // or nothing when its raw bytes do not contain word. A block that cannot be
  // read is all spaces.
  std::optional<std::string_view> Read(std::uint64_t k, std::string_view word) {
    const std::uint64_t first = k - k % kBlocksPerRead;
    if (!m_loaded || m_first != first) {
      m_buffer.fill('\0');
      const std::uint64_t count = std::min<std::uint64_t>(kBlocksPerRead, m_blocks - first);
      m_file.ReadAt(first * kBlock, m_buffer.data(), std::size_t(count) * kBlock);
      m_first = first;
      m_loaded = true;
    }
    const std::string_view raw(m_buffer.data() + (k - first) * kBlock, kBlock);
    if (raw.find(word) == std::string_view::npos) return std::nullopt;
    for (std::size_t i = 0; i < kBlock; ++i) {
      const auto c = static_cast<unsigned char>(raw[i]);
      m_text[i] = c < 32 || c > 126 ? ' ' : char(c);
    }
    m_text[kBlock] = ' ';
    return std::string_view(m_text.data(), m_text.size());
  }

 private:
  static constexpr std::uint64_t kBlocksPerRead = 32;
  FileReader m_file;
  std::uint64_t m_blocks = 0;
  std::uint64_t m_first = 0;
  bool m_loaded = false;
  std::array<char, kBlock * kBlocksPerRead> m_buffer{};
  std::array<char, kBlock + 1> m_text{};
};

// Up to count characters from position start (0-based); none past the end.
std::string Copy(std::string_view text, std::size_t start, std::size_t count) {
  if (start >= text.size()) return {};
  return std::string(text.substr(start, count));
}

void DropLeadingSpace(std::string& v) {
  if (!v.empty() && v.front() == ' ') v.erase(0, 1);
}

// "1.4 x" loses the x: the last character goes when the one before it is a space.
void DropLoneLastCharacter(std::string& v) {
  if (v.size() >= 2 && v[v.size() - 2] == ' ') v.pop_back();
}

}  // namespace

std::string ReadDuke3dwVersion(FileSystem& fs, const std::string& path) {
  std::string v = kNoVersion;
  if (!fs.FileExists(path)) return v;
  constexpr std::string_view kMarker = "Duke3dw - Version";
  BlockText blocks(fs, path);
  for (std::uint64_t k = 0; k < blocks.Blocks(); ++k) {
    const auto text = blocks.Read(k, "Duke3dw");
    if (!text) continue;
    if (const std::size_t p = text->find(kMarker); p != std::string_view::npos) {
      v = Copy(*text, p + kMarker.size() + 1, 8);  // the character after the marker is skipped
      break;
    }
  }
  v = v.substr(0, v.find('-'));  // the build date follows a dash
  DropLeadingSpace(v);
  DropLoneLastCharacter(v);
  if (v.empty() || v.front() < '4') v = v.substr(0, 4);
  return v;
}

std::string ReadEDuke32Version(FileSystem& fs, const std::string& path) {
  std::string v = kNoVersion;
  if (!fs.FileExists(path)) return v;
  constexpr std::string_view kMarker = "EDuke32 ";
  BlockText blocks(fs, path);
  for (std::uint64_t k = 0; k < blocks.Blocks(); ++k) {
    const auto text = blocks.Read(k, "EDuke32");
    if (!text) continue;
    if (const std::size_t p = text->find(kMarker); p != std::string_view::npos) {
      v = Copy(*text, p + kMarker.size(), 5);
      // The engine names itself in other texts too; a version starts with 1 or 2.
      if (!v.empty() && (v.front() == '1' || v.front() == '2')) break;
    }
  }
  DropLeadingSpace(v);
  DropLoneLastCharacter(v);
  return v;
}

}  // namespace tv
