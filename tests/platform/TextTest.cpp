#include "platform/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tv {
namespace {

// Only A-Z and a-z change case; 8-bit characters and everything else stay.
TEST(Text, CaseChangesOnlyTouchAToZ) {
  struct Case {
    std::string text, upper, lower, capitalized;
  } cases[] = {
      {"Duke3d.GRP", "DUKE3D.GRP", "duke3d.grp", "Duke3d.grp"},
      {"\xE9t\xC9", "\xE9T\xC9", "\xE9t\xC9", "\xE9t\xC9"},
      {"[]_^`{}@", "[]_^`{}@", "[]_^`{}@", "[]_^`{}@"},
      {"", "", "", ""},
      {"zA", "ZA", "za", "Za"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Upper(c.text), c.upper) << c.text;
    EXPECT_EQ(Lower(c.text), c.lower) << c.text;
    EXPECT_EQ(Capitalized(c.text), c.capitalized) << c.text;
  }
}

TEST(Text, ComparisonsIgnoreOnlyTheCaseOfAToZ) {
  struct Case {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"Tarvolin", "TARVOLIN", true},   {"a", "a ", false}, {"\xE9", "\xC9", false}, {"[", "{", false}, {"", "", true},
      {"game1.SAV", "GAME1.sav", true},
  };
  for (const Case& c : cases) EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal) << c.a << "|" << c.b;
}

TEST(Text, FindingIgnoresCaseOnlyWhenAsked) {
  struct Case {
    const char* hay;
    const char* needle;
    std::size_t noCase;
    bool exact;
  } cases[] = {
      {"Duke3dw - Version 1.3", "VERSION", 10, false},
      {"abcABC", "C", 2, true},
      {"abc", "", 0, true},
      {"ab", "abc", std::string_view::npos, false},
      {"x\xE9y", "\xC9", std::string_view::npos, false},
      {"EDuke32 ", "eduke32 ", 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindNoCase(c.hay, c.needle), c.noCase) << c.hay << "|" << c.needle;
    EXPECT_EQ(ContainsNoCase(c.hay, c.needle), c.noCase != std::string_view::npos) << c.hay << "|" << c.needle;
    EXPECT_EQ(Contains(c.hay, c.needle), c.exact) << c.hay << "|" << c.needle;
  }
}

// Listings are in name order without regard to case, and the order is total.
TEST(Text, NameOrderIgnoresCase) {
  const std::vector<std::string> expected = {"a.map", "B.map", "b1.map", "b10.map", "B2.MAP",
                                             "c",     "Z",     "_under", "\xE9"};
  std::vector<std::string> names(expected.rbegin(), expected.rend());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  EXPECT_EQ(names, expected);
  EXPECT_FALSE(LessNoCase("abc", "abc"));
  EXPECT_NE(LessNoCase("abc", "ABC"), LessNoCase("ABC", "abc"));
}

}  // namespace
}  // namespace tv
