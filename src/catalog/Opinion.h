#pragma once
// The opinions a player gives maps and TCs, one row each: the colour every
// list draws it in, what the export file and the comparison with another
// installation say of it, and its places in the colour-sorted map list and in
// the opinion window.
#include <array>
#include <cstddef>
#include <string_view>

#include "platform/Color.h"

namespace tv {

// The values are the codes the users' files hold (settings, file times of the
// maps): they never change.
enum class Opinion : int {
  None = 0,
  Good = 1,
  Fair = 2,
  Bad = 3,
  Confusing = 4,
  Excellent = 5,
  Multiplayer = 6,
  Crashes = 7,
  FromFiles = 8,  // only ever read from files: the window offers no row for it
};

inline constexpr Rgb kSilver{192, 192, 192};

struct OpinionInfo {
  Opinion opinion;
  Rgb color;
  std::string_view exported;  // "" for not exported; aligned by their spaces
  std::string_view compared;
  int colorPlace;  // place in the map list sorted by colour
  int windowRow;   // row in the opinion window, top to bottom; -1 for none
  const char* panel;
  const char* rowText;
  const char* hint;  // "" for none
};

inline constexpr std::array<OpinionInfo, 9> kOpinions = {{
    {Opinion::None, kSilver, "", "Map not played yet.", 8, 7, "clearRow", "Clear Color Indexing", ""},
    {Opinion::Good, {0, 255, 0}, "[Green]  - Map was Good.", "Map played and was good.", 1, 1, "goodRow",
     "Played and was Good", ""},
    {Opinion::Fair, {0, 0, 255}, "[Blue]   - Map was Fair.", "Map played and was fair.", 2, 2, "fairRow",
     "Played and was Fair", ""},
    {Opinion::Bad, {255, 0, 0}, "[Red]    - Map was Bad.", "Map played and was bad.", 3, 3, "badRow",
     "Played and was Bad", ""},
    {Opinion::Confusing, {255, 0, 255}, "[Violet] - Confused or Stuck.", "Map played and is confusing.", 5, 4,
     "confusingRow", "Confusing or  stuck", ""},
    {Opinion::Excellent, {255, 255, 0}, "[Yellow] - Map was Excellent.", "Map played and was excellent.", 0, 0,
     "excellentRow", "Played and was Excellent", ""},
    {Opinion::Multiplayer, {0, 128, 128}, "[Teal]   - Map is Multiplayer.", "Map played and was a Dukematch.", 7, 6,
     "multiplayerRow", "Multiplayer Only", "Map has no monsters"},
    {Opinion::Crashes, {0, 255, 255}, "[Aqua]   - Map crashes or hangs.", "Map played and crashes or hangs.", 6, 5,
     "crashesRow", "Crashes or Hangs", ""},
    {Opinion::FromFiles, {128, 128, 0}, "", "Map not played yet.", 4, -1, "", "", ""},
}};

namespace opinion_detail {

constexpr bool RowsAreInCodeOrder() {
  for (std::size_t i = 0; i < kOpinions.size(); ++i)
    if (kOpinions[i].opinion != Opinion(i)) return false;
  return true;
}

// Each of 0..count-1 taken by exactly one row, the others -1 when allowed.
constexpr bool IsPermutation(int OpinionInfo::*place, std::size_t count, bool noneAllowed) {
  std::array<int, kOpinions.size()> taken{};
  std::size_t placed = 0;
  for (const OpinionInfo& o : kOpinions) {
    const int p = o.*place;
    if (p == -1 && noneAllowed) continue;
    if (p < 0 || std::size_t(p) >= count || taken[std::size_t(p)]++ != 0) return false;
    ++placed;
  }
  return placed == count;
}

constexpr std::size_t WindowRowCount() {
  std::size_t n = 0;
  for (const OpinionInfo& o : kOpinions) n += o.windowRow >= 0 ? 1 : 0;
  return n;
}

constexpr bool WindowRowsAreNamed() {
  for (const OpinionInfo& o : kOpinions)
    if (o.windowRow >= 0 && (std::string_view(o.panel).empty() || std::string_view(o.rowText).empty())) return false;
  return true;
}

}  // namespace opinion_detail

static_assert(opinion_detail::RowsAreInCodeOrder(), "each row's opinion is its index");
static_assert(opinion_detail::IsPermutation(&OpinionInfo::colorPlace, kOpinions.size(), false),
              "every opinion has its own place in the colour order");
static_assert(opinion_detail::IsPermutation(&OpinionInfo::windowRow, opinion_detail::WindowRowCount(), true),
              "the window rows are numbered from the top without gaps");
static_assert(opinion_detail::WindowRowsAreNamed(), "every window row has a panel and a text");

constexpr bool IsOpinionCode(int code) { return code >= 0 && code < int(kOpinions.size()); }

// Codes outside the table draw silver.
constexpr Rgb OpinionColor(int code) { return IsOpinionCode(code) ? kOpinions[std::size_t(code)].color : kSilver; }

// The verdict written to the opinions export; empty for codes that are not
// exported (0, 8 and anything outside 0..8).
constexpr std::string_view ExportText(int code) {
  return IsOpinionCode(code) ? kOpinions[std::size_t(code)].exported : "";
}

// The comparison's verdict for a code read from another installation's file.
constexpr std::string_view ComparisonText(int code) {
  return kOpinions[IsOpinionCode(code) ? std::size_t(code) : 0].compared;
}

// The opinions in the order the map list sorted by colour shows them.
inline constexpr std::array<Opinion, kOpinions.size()> kOpinionColorOrder = [] {
  std::array<Opinion, kOpinions.size()> order{};
  for (const OpinionInfo& o : kOpinions) order[std::size_t(o.colorPlace)] = o.opinion;
  return order;
}();

// A clickable row of the opinion window; its colour is its code's OpinionColor,
// except the clear row (code 0), drawn in the system's window colour.
struct OpinionRow {
  const char* panel;
  const char* text;
  int code;  // the opinion a click applies
  const char* hint;
};

// The window's rows, top to bottom.
inline constexpr std::array<OpinionRow, opinion_detail::WindowRowCount()> kOpinionRows = [] {
  std::array<OpinionRow, opinion_detail::WindowRowCount()> rows{};
  for (const OpinionInfo& o : kOpinions)
    if (o.windowRow >= 0) rows[std::size_t(o.windowRow)] = {o.panel, o.rowText, int(o.opinion), o.hint};
  return rows;
}();
// The hint of the window's top line, which names the map or TC.
inline constexpr const char* kOpinionTopHint = "Your selected map";

}  // namespace tv
