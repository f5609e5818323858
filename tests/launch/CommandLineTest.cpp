// The pieces of the game's parameters: whole arguments, and the text made of
// them. The program folder has a space in its path: nothing may be quoted.
#include <gtest/gtest.h>

#include "fixture/Fixture.h"
#include "launch/CommandLine.h"

namespace tv {
namespace {

using Args = std::vector<std::string>;

// The text keeps each piece's spaces; the game gets whole arguments, no empty ones.
TEST(GameLine, PiecesKeepTheirSpacesInTheTextAndAreWholeArguments) {
  const struct {
    GameLine piece;
    std::string text;
    Args arguments;
  } cases[] = {
      // clang-format off
      {MapFolderSwitch("/g/Duke 3D/", "Maps3") + MapSwitch("My Foo.map"), "-j/g/Duke 3D/Maps3 -map My Foo.map",
       {"-j/g/Duke 3D/Maps3", "-map", "My Foo.map"}},
      {MusicPrefix("/m/My Song.mid") + NoMonstersSwitch(false) + SavedGameSlotSwitch(7), "-music /m/My Song.mid  /7",
       {"-music", "/m/My Song.mid", "/7"}},
      {GameLine::OwnSwitches("  -v2  -l05 "), "  -v2  -l05 ", {"-v2", "-l05"}},
      {GameLine::OwnSwitches("  "), "  ", {}},
      {GameLine::Argument("", 0, 1) + GameLine::Argument("a b", 2), "   a b", {"a b"}},
      {NoMonstersSwitch(false), "", {}},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.piece.Text(), c.text);
    EXPECT_EQ(c.piece.Arguments(), c.arguments) << c.text;
    EXPECT_EQ(c.piece.Empty(), c.text.empty()) << c.text;
  }
}

TEST(SkillBox, ItsTextGivesItsDigitAndAnythingElseThree) {
  const char* const cases[][2] = {{"Skill Level 1", "1"}, {"Skill Level 4", "4"},  {"Skill Level 5", "3"},
                                  {"skill level 1", "3"}, {"Skill Level 1 ", "3"}, {"", "3"}};
  for (const auto& c : cases) EXPECT_EQ(SkillLevelFromBox(c[0]), c[1]) << c[0];
  EXPECT_EQ(SkillLevelFromBox(SkillBoxText("2")), "2");
}

TEST(MapExtras, ComeFromTheFilesBesideTheMapOnly) {
  const struct {
    const char* map;
    std::vector<std::string> beside;  // in the map folder
    const char* extras;
  } cases[] = {
      {"Foo.map", {}, ""},
      {"Foo.map", {"Foo.con"}, " -xFoo.con "},
      {"Foo.map", {"Foo.gam"}, " -xFoo.gam "},
      {"FOO.MAP", {"FOO.CON"}, " -xFOO.con "},
      {"Foo.Map", {"Foo.con"}, " -xFoo.con "},
      {"Foo", {"Foo.con"}, " -xfoo.con "},      // without ".map" the whole name, lower-cased, is the base
      {"Foo.map", {"fOO.CON"}, " -xFoo.con "},  // files found whatever their case; the map's case stays
      {"Foo.map", {"Foo.grp"}, " -gFoo.grp "},  // a group switch left last keeps the map switch apart
      {"Foo.map", {"Foo.grp", "Foo.zip"}, " -gFoo.zip "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.def"}, " -gFoo_hrp.zip "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.grp"}, " -gFoo_hrp.zip -gFoo.grp "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.zip"}, " -gFoo.zip "},
      {"Foo.map", {"Foo.def"}, " -hFoo.def "},
      {"Foo.map", {"Foo.grp", "Foo.def", "Foo.con", "Foo.gam"}, " -gFoo.grp -hFoo.def  -xFoo.con  -xFoo.gam "},
      {"Foo.map", {"Foo.zip", "Foo.def", "Foo.con"}, " -gFoo.zip  -hFoo.def  -xFoo.con "},
      {"Foo.map", {"Foo.con/x"}, ""},  // a folder is no file
      {"Foo.map", {"../Foo.con", "../Maps1/Foo.grp", "../Games/Foo.def"}, ""},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    const std::string pf = folder.Path() + "Duke 3D/";
    fixture::MakeFolder(pf + "Maps");
    for (const std::string& f : c.beside) fixture::WriteFile(pf + "Maps/" + f, "x");
    FileSystem fs(pf);
    EXPECT_EQ(BuildMapExtras(fs, pf, "Maps", c.map).Text(), c.extras) << c.map << " with " << c.beside.size();
  }
}

TEST(TcLine, IsMadeFromTheFirstNamedEntryWithAGroupFile) {
  fixture::TempFolder dir;
  const std::string pf = dir.Path() + "Duke 3D/", games = pf + "Games";
  fixture::WriteFile(games + "/Hrp_hrp.zip", "x");
  fixture::WriteFile(games + "/Foo_hrp.zip/inside", "x");  // a folder of that name is no pack
  FileSystem fs(pf);
  // Name, group file, script, high-resolution pack, definitions, start map.
  const std::vector<TcRecord> tcs = {
      {"Foo", "Foo.grp", "Foo.con", "", "", ""},
      {"Bar", "", "Other.con", "", "", ""},
      {"Bar", "Bar.zip", "BarGame.con", "", "Bar.def", "E1L1.map"},
      {"Bar", "Late.grp", "", "", "", ""},
      {"Hrp", "Hrp.grp", "", "", "Hrp.def", ""},
      {"NoDot", "NODOT", "", "", "", ""},
  };
  const std::string j = "-j" + games + " ";
  const struct {
    const char *tc, *map;
    std::string line;
  } cases[] = {
      {"Foo", "", j + "-xFoo.con -gFoo.grp "},
      {"Bar", "", j + "-xBarGame.con -hBar.def -gBar.zip -map E1L1.map"},
      {"Bar", "E2L2.map", j + "-xBarGame.con -hBar.def -gBar.zip "},  // a chosen map replaces the start map
      {"Hrp", "", j + "-gHrp_hrp.zip -gHrp.grp "},  // the pack beside the group file drops the definitions
      {"NoDot", "", j + "-gNODOT "},
      {"foo", "", ""},
      {"Missing", "x.map", ""},
      {"", "", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BuildTCCommandLine(fs, pf, games, tcs, c.tc, c.map).Text(), c.line) << c.tc << " " << c.map;
}

}  // namespace
}  // namespace tv
