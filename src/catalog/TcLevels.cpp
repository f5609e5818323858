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

std::vector<std::string> LevelNamesInZip(std::string text) {
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    c = (b < 32 || b > 122) ? '\n' : LowerAZ(c);
  }
  std::vector<std::string> names;
  std::size_t from = 0;
  for (int pass = 0; pass < kZipLevelPasses; ++pass) {
    const std::size_t p = text.find(".map", from);
    if (p == std::string::npos) break;
    // The nearest space or control byte within the 29 bytes before p.
    std::size_t q = std::string::npos;
    for (std::size_t back = 1; back < 30 && back <= p; ++back) {
      if (static_cast<unsigned char>(text[p - back]) <= 32) {
        q = p - back;
        break;
      }
    }
    // Without one this ".map" would be found again by every later pass.
    if (q == std::string::npos) break;
    // The next pass finds the next ".map": the "." at p no longer counts.
    from = p + 1;
    const std::string name = Upper(std::string_view(text).substr(q + 1, p - q - 1));
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

}  // namespace tv
