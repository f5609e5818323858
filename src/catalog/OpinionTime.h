#pragma once
// A map's opinion lives in the hour of its file's modification time, read and
// written in local time through the user's date and time formats.
#include <ctime>

#include "platform/DateTime.h"

namespace tv {

// Local time h:00:00 for the code (h = code for 1..8, else 9, so clearing
// reads back as no opinion) on today's date, or on 1 January 2001 when the
// short date format prints today in exactly 8 characters (a two-digit year).
std::time_t OpinionFileTime(int code, std::time_t now, const DateTimeFormats& formats);

// The local hour of the time: 0..23, or 1..12 when the long time format shows
// a 12-hour clock, so that 14:30 reads as 2 there.
int OpinionFromFileTime(std::time_t fileTime, const DateTimeFormats& formats);

}  // namespace tv
