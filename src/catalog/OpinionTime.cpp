#include "catalog/OpinionTime.h"

#include <cctype>
#include <string>

namespace tv {

std::time_t OpinionFileTime(int code, std::time_t now, const DateTimeFormats& formats) {
  const int hour = code >= 1 && code <= 8 ? code : 9;
  std::tm day = LocalTime(now);
  if (FormatDateTime(day, formats.shortDate).size() == 8) {
    day.tm_year = 2001 - 1900;
    day.tm_mon = 0;
    day.tm_mday = 1;
  }
  // On the day a daylight-saving change skips the hour, that hour does not
  // exist and would read back as another code: the day before carries it.
  for (int back = 0;; ++back) {
    std::tm t{};
    t.tm_year = day.tm_year;
    t.tm_mon = day.tm_mon;
    t.tm_mday = day.tm_mday - back;
    t.tm_hour = hour;
    t.tm_isdst = -1;
    const std::time_t result = std::mktime(&t);
    if (LocalTime(result).tm_hour == hour || back == 2) return result;
  }
}

int OpinionFromFileTime(std::time_t fileTime, const DateTimeFormats& formats) {
  const std::string text = FormatDateTime(LocalTime(fileTime), formats.longTime);
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return 0;
  std::size_t start = colon;
  while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1]))) --start;
  int hour = 0;
  for (std::size_t i = start; i < colon && hour < 100; ++i) hour = hour * 10 + (text[i] - '0');
  return hour;
}

}  // namespace tv
