#include "ui/FileFilter.h"

namespace tv {
namespace {

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == separator) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

std::string QtPatterns(std::string_view windowsPatterns) {
  std::string patterns;
  for (std::string_view p : Split(windowsPatterns, ';')) {
    if (p.empty()) continue;
    if (!patterns.empty()) patterns += ' ';
    patterns += p == "*.*" ? std::string_view("*") : p;
  }
  return patterns;
}

}  // namespace

std::vector<std::string> NameFilters(std::string_view filter) {
  std::vector<std::string> filters;
  const std::vector<std::string_view> parts = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    // Qt reads the patterns from the last parentheses; the dialog hides that
    // part (HideNameFilterDetails), so the user sees the name as given.
    filters.push_back(std::string(parts[i]) + " (" + QtPatterns(parts[i + 1]) + ")");
  }
  return filters;
}

}  // namespace tv
