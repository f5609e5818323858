#include "platform/DateTime.h"

#include <array>
#include <cstdio>

namespace tv {
namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string Num(int v, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", width, v);
  return buf;
}

std::size_t Run(std::string_view p, std::size_t i) {
  std::size_t n = 1;
  while (i + n < p.size() && p[i + n] == p[i]) ++n;
  return n;
}

}  // namespace

bool IsTwelveHour(std::string_view pattern) {
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') quoted = !quoted;
    else if (!quoted && (c == 'A' || c == 'a')) return true;
  }
  return false;
}

bool ShowsTwelveHourClock(std::string_view pattern) {
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') quoted = !quoted;
    else if (!quoted && (c == 'h' || c == 'H')) return c == 'h' && IsTwelveHour(pattern);
  }
  return false;
}

std::tm LocalTime(std::time_t t) {
  std::tm tm{};
  ::localtime_r(&t, &tm);
  return tm;
}

std::string FormatDateTime(const std::tm& t, std::string_view p) {
  const bool twelve = IsTwelveHour(p);
  std::string out;
  for (std::size_t i = 0; i < p.size();) {
    const char c = p[i];
    std::size_t n = Run(p, i);
    switch (c) {
      case '\'': {
        const std::size_t end = p.find('\'', i + 1);
        if (end == i + 1) out += '\'';
        else out.append(p.substr(i + 1, (end == std::string_view::npos ? p.size() : end) - i - 1));
        i = end == std::string_view::npos ? p.size() : end + 1;
        continue;
      }
      case 'd':
        n = std::min<std::size_t>(n, 4);
        if (n <= 2) out += Num(t.tm_mday, int(n));
        else out += n == 3 ? std::string(kDays[std::size_t(t.tm_wday)], 3) : kDays[std::size_t(t.tm_wday)];
        break;
      case 'M':
        n = std::min<std::size_t>(n, 4);
        if (n <= 2) out += Num(t.tm_mon + 1, int(n));
        else out += n == 3 ? std::string(kMonths[std::size_t(t.tm_mon)], 3) : kMonths[std::size_t(t.tm_mon)];
        break;
      case 'y':
        if (n >= 4) { n = 4; out += Num(t.tm_year + 1900, 4); }
        else if (n >= 2) { n = 2; out += Num((t.tm_year + 1900) % 100, 2); }
        else out += c;
        break;
      case 'h': {
        n = std::min<std::size_t>(n, 2);
        int h = t.tm_hour;
        if (twelve) h = h % 12 == 0 ? 12 : h % 12;
        out += Num(h, int(n));
        break;
      }
      case 'H': n = std::min<std::size_t>(n, 2); out += Num(t.tm_hour, int(n)); break;
      case 'm': n = std::min<std::size_t>(n, 2); out += Num(t.tm_min, int(n)); break;
      case 's': n = std::min<std::size_t>(n, 2); out += Num(t.tm_sec, int(n)); break;
      case 'z': n = n >= 3 ? 3 : 1; out += n == 3 ? "000" : "0"; break;
      case 'A':
      case 'a': {
        const bool upper = c == 'A';
        n = (i + 1 < p.size() && (p[i + 1] == 'P' || p[i + 1] == 'p')) ? 2 : 1;
        out += t.tm_hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
        break;
      }
      case 't': n = 1; out += t.tm_zone ? t.tm_zone : ""; break;
      default: n = 1; out += c; break;
    }
    i += n;
  }
  return out;
}

}  // namespace tv
