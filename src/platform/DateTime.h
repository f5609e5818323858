#pragma once
// The system's short date and long time formats, as patterns in the common
// d/M/y/h/H/m/s/AP notation. The user interface asks the system for them; the
// core takes them as data, so tests can inject any pair.
#include <ctime>
#include <string>
#include <string_view>

namespace tv {

struct DateTimeFormats {
  std::string shortDate = "d MMM yyyy";
  std::string longTime = "HH:mm:ss t";
};

// Formats a local time with a pattern: d dd ddd dddd, M MM MMM MMMM, yy yyyy,
// h hh (12-hour when the pattern has an AM/PM field), H HH, m mm, s ss, z zzz,
// AP A ap a, t (time zone abbreviation), 'quoted text'.
std::string FormatDateTime(const std::tm& local, std::string_view pattern);

// True when the pattern shows a 12-hour clock (it has an AM/PM field).
bool IsTwelveHour(std::string_view pattern);
// True when the pattern's hour is shown on a 12-hour clock: its first hour
// field is "h" and it has an AM/PM field ("H" stays 0..23 even then).
bool ShowsTwelveHourClock(std::string_view pattern);

std::tm LocalTime(std::time_t t);

}  // namespace tv
