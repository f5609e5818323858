#pragma once
// The TC list: its rows and the row remembered in LastPlayedTC.
#include <string>
#include <vector>

#include "catalog/TcDiscovery.h"

namespace tv {

// A row whose text holds this is a separator: never started, never rated.
inline constexpr const char* kTcSeparator = "-------------";

// The row texts: every TC with a display name, in table order.
std::vector<std::string> TcListRows(const std::vector<TcRecord>& tcs);

// The row LastPlayedTC selects: -1 when it is empty or outside the rows.
// Throws RunTimeError when it is not a decimal number.
int TcRowToSelect(const std::string& lastPlayedTC, std::size_t rowCount);

// The opinion field of a TC as the lists draw it; anything but a number is 0.
int TcOpinionCode(const std::string& opinion);

}  // namespace tv
