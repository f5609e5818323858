#include "catalog/OpinionTime.h"

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
  // The hour itself, not the printed time: many locales print no ":" at all.
  const int hour = LocalTime(fileTime).tm_hour;
  return ShowsTwelveHourClock(formats.longTime) ? (hour + 11) % 12 + 1 : hour;
}

}  // namespace tv
