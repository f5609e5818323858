#include "catalog/OpinionTexts.h"

#include <array>

namespace tv {
namespace {

struct OpinionTexts {
  std::string_view exported;  // aligned by their spaces
  std::string_view compared;
};

constexpr std::array<OpinionTexts, kOpinionCodes> kTexts = {{
    {"", "Map not played yet."},
    {"[Green]  - Map was Good.", "Map played and was good."},
    {"[Blue]   - Map was Fair.", "Map played and was fair."},
    {"[Red]    - Map was Bad.", "Map played and was bad."},
    {"[Violet] - Confused or Stuck.", "Map played and is confusing."},
    {"[Yellow] - Map was Excellent.", "Map played and was excellent."},
    {"[Teal]   - Map is Multiplayer.", "Map played and was a Dukematch."},
    {"[Aqua]   - Map crashes or hangs.", "Map played and crashes or hangs."},
    {"", "Map not played yet."},  // olive: only ever read from files
}};

bool Known(int code) { return code >= 0 && code < kOpinionCodes; }

}  // namespace

std::string_view ExportText(int code) { return Known(code) ? kTexts[std::size_t(code)].exported : ""; }

std::string_view ComparisonText(int code) {
  return Known(code) ? kTexts[std::size_t(code)].compared : kTexts[0].compared;
}

}  // namespace tv
