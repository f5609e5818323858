#include <gtest/gtest.h>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "install/ExecutableVersion.h"

namespace tv::test {
namespace {

using fixture::kVersionBlock;
using fixture::Mark;

struct Case {
  const char* what;
  std::uint64_t size;  // 0: no file at all
  std::vector<Mark> marks;
  std::string version;
};

std::string Read(std::string (*reader)(FileSystem&, const std::string&), const Case& c) {
  fixture::TempFolder dir;
  if (c.size > 0) fixture::WriteExecutable(dir.Path() + "game.exe", c.size, c.marks);
  FileSystem fs(dir.Path());
  return reader(fs, dir.Path() + "game.exe");
}

TEST(ReadDuke3dwVersion, TakesEightCharactersAfterTheMarkerAndTidiesThem) {
  const std::uint64_t three = 3 * kVersionBlock;
  const Case cases[] = {
      {"no executable", 0, {}, "x.x"},
      {"no marker", three, {}, "x.x"},
      {"shorter than a block", 1999, {{10, "Duke3dw - Version 1.4"}}, "x.x"},
      // Cut at the dash, keeping "1.4 ", whose first character sorts before "4".
      {"dash and year", three, {{100, "Duke3dw - Version 1.4 -2003"}}, "1.4 "},
      {"in a later block", three, {{2 * kVersionBlock + 5, "Duke3dw - Version 1.3 - 2002"}}, "1.3 "},
      {"first block wins",
       three,
       {{10, "Duke3dw - Version 1.2-"}, {kVersionBlock + 10, "Duke3dw - Version 1.4-"}},
       "1.2"},
      {"last partial block never read", three + 1500, {{three + 10, "Duke3dw - Version 1.4-"}}, "x.x"},
      {"across a block boundary", three, {{kVersionBlock - 8, "Duke3dw - Version 1.4-"}}, "x.x"},
      // Zero bytes read as spaces; "1.5.2   " loses its lone last character,
      // then keeps its first four.
      {"no dash, zero bytes after", three, {{10, "Duke3dw - Version 1.5.2"}}, "1.5."},
      {"leading space dropped", three, {{10, "Duke3dw - Version  1.3\x01\x02"}}, "1.3 "},
      {"from 4 on nothing is cut", three, {{10, "Duke3dw - Version 4.1"}}, "4.1    "},
      {"the character after the marker is skipped", three, {{10, "Duke3dw - VersionX9.9ABCDEFG"}}, "9.9ABCDE"},
      {"bytes above 126 are spaces",
       three,
       {{10,
         "Duke3dw - Version 1.4\xff\x7f"
         "b"}},
       "1.4 "},
      {"marker ends the block", three, {{kVersionBlock - 17, "Duke3dw - Version"}}, ""},
      {"dash right away", three, {{10, "Duke3dw - Version -2003"}}, ""},
      {"letter case matters", three, {{10, "DUKE3DW - VERSION 1.4-"}}, "x.x"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(ReadDuke3dwVersion, c), c.version) << c.what;
}

TEST(ReadEDuke32Version, KeepsLookingUntilAVersionStartsWithOneOrTwo) {
  const std::uint64_t four = 4 * kVersionBlock;
  const Case cases[] = {
      {"no executable", 0, {}, "x.x"},
      {"no marker", four, {}, "x.x"},
      {"shorter than a block", 1000, {{10, "EDuke32 2.0.0"}}, "x.x"},
      {"version right away", four, {{10, "EDuke32 2.0.0devel"}}, "2.0.0"},
      {"a later version wins over other texts",
       four,
       {{10, "EDuke32 Build"}, {kVersionBlock + 10, "EDuke32 1.5.0"}, {2 * kVersionBlock, "EDuke32 2.1.0"}},
       "1.5.0"},
      {"none accepted: the last block with the marker",
       four,
       {{10, "EDuke32 Build"}, {kVersionBlock + 10, "EDuke32 r1234"}},
       "r1234"},
      {"only the first marker of a block counts", four, {{10, "EDuke32 xx EDuke32 2.0.0"}}, "xx ED"},
      {"tidy: lone last character dropped", four, {{10, "EDuke32 1.5"}}, "1.5 "},
      {"tidy: leading space dropped, not accepted", four, {{10, "EDuke32  2.0"}}, "2.0 "},
      {"last partial block never read", four + 100, {{four + 10, "EDuke32 2.0.0"}}, "x.x"},
      {"across a block boundary", four, {{kVersionBlock - 4, "EDuke32 2.0.0"}}, "x.x"},
      {"the trailing space belongs to the marker", four, {{10, "EDuke32-2.0.0"}}, "x.x"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(ReadEDuke32Version, c), c.version) << c.what;
}

TEST(ReadVersion, FindsTheExecutableWhateverItsLetterCase) {
  fixture::TempFolder dir;
  fixture::WriteExecutable(dir.Path() + "DUKE3DW.EXE", kVersionBlock, {{0, "Duke3dw - Version 1.4-"}});
  FileSystem fs(dir.Path());
  EXPECT_EQ(ReadDuke3dwVersion(fs, dir.Path() + "Duke3dw.exe"), "1.4");
}

}  // namespace
}  // namespace tv::test
