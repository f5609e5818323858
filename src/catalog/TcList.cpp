#include "catalog/TcList.h"

#include <charconv>

#include "platform/RunTimeError.h"

namespace tv {
namespace {

// A decimal number with an optional sign that fits an int, else nothing.
bool ParseDecimal(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+' && ++first != last && *first == '-') return false;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

}  // namespace

std::vector<std::string> TcListRows(const std::vector<TcRecord>& tcs) {
  std::vector<std::string> rows;
  for (const TcRecord& tc : tcs)
    if (!tc.displayName.empty()) rows.push_back(tc.displayName);
  return rows;
}

int TcRowToSelect(const std::string& lastPlayedTC, std::size_t rowCount) {
  if (lastPlayedTC.empty()) return -1;
  int row = 0;
  if (!ParseDecimal(lastPlayedTC, row)) throw NotValidInteger(lastPlayedTC);
  return row >= 0 && std::size_t(row) < rowCount ? row : -1;
}

int TcOpinionCode(const std::string& opinion) {
  int code = 0;
  return ParseDecimal(opinion, code) ? code : 0;
}

}  // namespace tv
