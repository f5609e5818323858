#include "platform/Text.h"

#include <algorithm>

namespace tv {

std::string Upper(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = UpperAZ(c);
  return r;
}

std::string Lower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = LowerAZ(c);
  return r;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAZ(a[i]) != UpperAZ(b[i])) return false;
  return true;
}

std::size_t FindNoCase(std::string_view hay, std::string_view needle) {
  if (needle.empty()) return 0;
  if (needle.size() > hay.size()) return std::string_view::npos;
  auto it = std::search(hay.begin(), hay.end(), needle.begin(), needle.end(),
                        [](char a, char b) { return UpperAZ(a) == UpperAZ(b); });
  return it == hay.end() ? std::string_view::npos : std::size_t(it - hay.begin());
}

bool ContainsNoCase(std::string_view hay, std::string_view needle) {
  return FindNoCase(hay, needle) != std::string_view::npos;
}

bool Contains(std::string_view hay, std::string_view needle) {
  return hay.find(needle) != std::string_view::npos;
}

bool LessNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(UpperAZ(a[i]));
    const auto cb = static_cast<unsigned char>(UpperAZ(b[i]));
    if (ca != cb) return ca < cb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;  // names that differ only in case keep a stable order
}

std::string Capitalized(std::string_view s) {
  std::string r = Lower(s);
  if (!r.empty()) r[0] = UpperAZ(r[0]);
  return r;
}

std::string Dec(long long v) { return std::to_string(v); }

}  // namespace tv
