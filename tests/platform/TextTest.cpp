#include "platform/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace tv {
namespace {

// Only A-Z and a-z change case; 8-bit characters and everything else stay.
TEST(Text, CaseChangesOnlyTouchAToZ) {
  for (const auto& [text, upper, lower, capitalized] : std::initializer_list<std::tuple<const char*, const char*, const char*, const char*>>{
           {"Duke3d.GRP", "DUKE3D.GRP", "duke3d.grp", "Duke3d.grp"}, {"\xE9t\xC9", "\xE9T\xC9", "\xE9t\xC9", "\xE9t\xC9"},
           {"@[`{zA", "@[`{ZA", "@[`{za", "@[`{za"}, {"", "", "", ""}}) {
    EXPECT_EQ(Upper(text), upper);
    EXPECT_EQ(Lower(text), lower);
    EXPECT_EQ(Capitalized(text), capitalized);
  }
  constexpr auto npos = std::string_view::npos;
  for (const auto& [a, b, equal, found, exact] : std::initializer_list<std::tuple<const char*, const char*, bool, std::size_t, bool>>{
           {"game1.SAV", "GAME1.sav", true, 0, false}, {"a", "a ", false, npos, false}, {"\xE9", "\xC9", false, npos, false},
           {"[", "{", false, npos, false}, {"", "", true, 0, true}, {"Duke3dw - Version 1.3", "VERSION", false, 10, false},
           {"abcABC", "C", false, 2, true}, {"ab", "", false, 0, true}, {"EDuke32 ", "eduke32 ", true, 0, false}}) {
    EXPECT_EQ(EqualsNoCase(a, b), equal) << a << "|" << b;
    EXPECT_EQ(FindNoCase(a, b), found) << a << "|" << b;
    EXPECT_EQ(ContainsNoCase(a, b), found != npos) << a << "|" << b;
    EXPECT_EQ(Contains(a, b), exact) << a << "|" << b;
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
