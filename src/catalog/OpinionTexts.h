#pragma once
// What each opinion code says in the export file and in the comparison with
// another installation.
#include <string_view>

namespace tv {

inline constexpr int kOpinionCodes = 9;  // 0..8

// The verdict written to the opinions export; empty for codes that are not
// exported (0, 8 and anything outside 0..8).
std::string_view ExportText(int code);
// The comparison's verdict for a code read from another installation's file.
std::string_view ComparisonText(int code);

}  // namespace tv
