#include "catalog/TcLevels.h"

#include <algorithm>
#include <array>

#include "platform/Text.h"

namespace tv {
namespace {

bool Printable(unsigned char b) { return b >= 32 && b <= 127; }

}  // namespace

std::vector<std::string> LevelNamesInGrp(std::string_view head) {
  head = head.substr(0, kGrpLevelBytes);
  std::array<char, kGrpLevelBytes> buffer{};
  std::copy(head.begin(), head.end(), buffer.begin());
  const long entries = long(head.size() / 16) - 16;
  std::vector<std::string> names;
  for (long k = 0; k < entries; ++k) {
    const std::size_t at = 16 + 16 * std::size_t(k);
    if (!Printable(static_cast<unsigned char>(buffer[at]))) break;
    std::string name;
    for (std::size_t i = at; i < at + 12 && Printable(static_cast<unsigned char>(buffer[i])); ++i) name += buffer[i];
    name = Upper(name);
    // ".MAP" with at least one character before it.
    const std::size_t dot = name.find(".MAP");
    if (dot != std::string::npos && dot >= 1) names.push_back(name.substr(0, dot));
  }
  return names;
}

bool ZipLevelScan::Feed(std::string_view bytes) {
  if (m_done) return false;
  // A name lies at most 29 bytes before its ".map"; older text can go.
  constexpr std::size_t kKeep = 32;
  if (m_text.size() > kKeep) {
    const std::size_t drop = m_text.size() - kKeep;
    m_text.erase(0, drop);
    m_from = m_from > drop ? m_from - drop : 0;
  }
  const std::size_t start = m_text.size();
  m_text.append(bytes);
  for (std::size_t i = start; i < m_text.size(); ++i) {
    const auto b = static_cast<unsigned char>(m_text[i]);
    m_text[i] = (b < 32 || b > 122) ? '\n' : LowerAZ(m_text[i]);
  }
  for (; m_passes < kZipLevelPasses; ++m_passes) {
    const std::size_t p = m_text.find(".map", m_from);
    if (p == std::string::npos) {
      // A ".map" may begin in the last three bytes and end in the next piece.
      m_from = std::max(m_from, m_text.size() < 3 ? 0 : m_text.size() - 3);
      return true;
    }
    // The nearest space or control byte within the 29 bytes before p.
    std::size_t q = std::string::npos;
    for (std::size_t back = 1; back < 30 && back <= p; ++back) {
      if (static_cast<unsigned char>(m_text[p - back]) <= 32) {
        q = p - back;
        break;
      }
    }
    // Without one this ".map" would be found again by every later pass.
    if (q == std::string::npos) break;
    // The next pass finds the next ".map": the "." at p no longer counts.
    m_from = p + 1;
    const std::string name = Upper(std::string_view(m_text).substr(q + 1, p - q - 1));
    if (!name.empty() && std::find(m_names.begin(), m_names.end(), name) == m_names.end()) m_names.push_back(name);
  }
  m_done = true;
  return false;
}

std::vector<std::string> LevelNamesInZip(std::string_view bytes) {
  ZipLevelScan scan;
  scan.Feed(bytes);
  return scan.Names();
}

std::vector<std::string> LevelNamesInZipFile(FileSystem& fs, const std::string& path) {
  constexpr std::size_t kPiece = 1 << 20;
  ZipLevelScan scan;
  for (std::uint64_t offset = 0;; offset += kPiece) {
    const std::string piece = fs.ReadBytes(path, offset, kPiece);
    if (!scan.Feed(piece) || piece.size() < kPiece) break;
  }
  return scan.Names();
}

}  // namespace tv
