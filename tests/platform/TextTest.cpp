#include "platform/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tv {
namespace {

constexpr auto npos = std::string_view::npos;

// Only A-Z and a-z change case; 8-bit characters and everything else stay.
TEST(Text, CaseChangesOnlyTouchAToZ) {
  const struct {
    std::string text, upper, lower, capitalized;
  } cases[] = {
      {"Duke3d.GRP", "DUKE3D.GRP", "duke3d.grp", "Duke3d.grp"}, {"\xE9t\xC9", "\xE9T\xC9", "\xE9t\xC9", "\xE9t\xC9"},
      {"@[`{zA", "@[`{ZA", "@[`{za", "@[`{za"},                 {"", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Upper(c.text), c.upper) << c.text;
    EXPECT_EQ(Lower(c.text), c.lower) << c.text;
    EXPECT_EQ(Capitalized(c.text), c.capitalized) << c.text;
  }
}

TEST(Text, ComparingAndFindingIgnoreOnlyTheCaseOfAToZ) {
  const struct {
    const char *hay, *needle;
    bool equal;
    std::size_t noCase;
    bool exact;
  } cases[] = {
      {"game1.SAV", "GAME1.sav", true, 0, false},   {"a", "a ", false, npos, false},
      {"\xE9", "\xC9", false, npos, false},         {"[", "{", false, npos, false},
      {"", "", true, 0, true},                      {"Duke3dw - Version 1.3", "VERSION", false, 10, false},
      {"abcABC", "C", false, 2, true},              {"ab", "", false, 0, true},
      {"x\xE9y", "\xC9", false, npos, false},       {"EDuke32 ", "eduke32 ", true, 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EqualsNoCase(c.hay, c.needle), c.equal) << c.hay << "|" << c.needle;
    EXPECT_EQ(FindNoCase(c.hay, c.needle), c.noCase) << c.hay << "|" << c.needle;
    EXPECT_EQ(ContainsNoCase(c.hay, c.needle), c.noCase != npos) << c.hay << "|" << c.needle;
    EXPECT_EQ(Contains(c.hay, c.needle), c.exact) << c.hay << "|" << c.needle;
  }
}

// Listings are in name order without regard to case, and the order is total.
TEST(Text, NameOrderIgnoresCase) {
  const std::vector<std::string> expected = {"a.map", "B.map", "b1.map", "b10.map", "B2.MAP", "c", "Z", "_u", "\xE9"};
  std::vector<std::string> names(expected.rbegin(), expected.rend());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  EXPECT_EQ(names, expected);
  EXPECT_FALSE(LessNoCase("abc", "abc"));
  EXPECT_NE(LessNoCase("abc", "ABC"), LessNoCase("ABC", "abc"));
}

}  // namespace
}  // namespace tv
