#include <gtest/gtest.h>

#include <vector>

#include "fixture/Fixture.h"
#include "launch/CommandLine.h"

namespace tv {
namespace {

// A program folder with a space in its path: nothing may be quoted.
class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineTest() : programFolder(dir.Path() + "Duke 3D/"), fs(programFolder) {
    fixture::MakeFolder(programFolder + "Maps");
    fixture::MakeFolder(programFolder + "Games");
  }
  void Put(const std::string& relative) { fixture::WriteFile(programFolder + relative, "x"); }

  fixture::TempFolder dir;
  std::string programFolder;
  FileSystem fs;
};

TEST_F(CommandLineTest, PiecesAreWrittenExactlyWithTheirSpaces) {
  const std::string pf = programFolder;
  const struct {
    GameLine piece;
    std::string expected;
  } cases[] = {
      {MapFolderSwitch(pf, "Maps3"), "-j" + pf + "Maps3 "},
      {TcFolderSwitch(pf), "-j" + pf + "Games "},
      {MapSwitch("Foo.map"), "-map Foo.map"},
      {SkillSwitch("4"), " /s4"},
      {MusicPrefix("/m/My Song.mid"), "-music /m/My Song.mid "},
      {NoMonstersSwitch(true), " -m"},
      {NoMonstersSwitch(false), ""},
      {SavedGameSlotSwitch(7), " /7"},
      {TcMapSwitch("E1L1.map"), " -map E1L1.map"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.piece.Text(), c.expected);
}

TEST_F(CommandLineTest, SkillBoxTextGivesItsDigitAndAnythingElseThree) {
  const struct {
    const char* box;
    const char* skill;
  } cases[] = {
      {"Skill Level 1", "1"},
      {"Skill Level 2", "2"},
      {"Skill Level 3", "3"},
      {"Skill Level 4", "4"},
      {"Skill Level 5", "3"},
      {"skill level 1", "3"},
      {"", "3"},
      {"Skill Level 1 ", "3"},
  };
  for (const auto& c : cases) EXPECT_EQ(SkillLevelFromBox(c.box), c.skill) << c.box;
  EXPECT_EQ(SkillBoxText("2"), "Skill Level 2");
}

TEST_F(CommandLineTest, MapExtrasComeFromTheFilesBesideTheMap) {
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
      // Without ".map" the whole name, lower-cased, is the base.
      {"Foo", {"Foo.con"}, " -xfoo.con "},
      // Files are matched without regard to letter case; the switch keeps the map's case.
      {"Foo.map", {"fOO.CON"}, " -xFoo.con "},
      // A group switch left last gets its closing space, so the map switch after it stays apart.
      {"Foo.map", {"Foo.grp"}, " -gFoo.grp "},
      {"Foo.map", {"Foo.grp", "Foo.zip"}, " -gFoo.zip "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.def"}, " -gFoo_hrp.zip "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.grp"}, " -gFoo_hrp.zip -gFoo.grp "},
      {"Foo.map", {"Foo_hrp.zip", "Foo.zip"}, " -gFoo.zip "},
      {"Foo.map", {"Foo.def"}, " -hFoo.def "},
      {"Foo.map", {"Foo.grp", "Foo.def", "Foo.con", "Foo.gam"}, " -gFoo.grp -hFoo.def  -xFoo.con  -xFoo.gam "},
      {"Foo.map", {"Foo.zip", "Foo.def", "Foo.con"}, " -gFoo.zip  -hFoo.def  -xFoo.con "},
      // A folder is no file.
      {"Foo.map", {"Foo.con/x"}, ""},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    const std::string pf = folder.Path() + "Duke 3D/";
    fixture::MakeFolder(pf + "Maps");
    for (const std::string& f : c.beside) fixture::WriteFile(pf + "Maps/" + f, "x");
    EXPECT_EQ(BuildMapExtras(fs, pf, "Maps", c.map).Text(), c.extras)
        << c.map << " with " << c.beside.size() << " files";
  }
}

TEST_F(CommandLineTest, MapExtrasLookOnlyInTheMapFolder) {
  Put("Foo.con");
  Put("Maps1/Foo.grp");
  Put("Games/Foo.def");
  EXPECT_TRUE(BuildMapExtras(fs, programFolder, "Maps", "Foo.map").Empty());
}

TEST_F(CommandLineTest, TcLineIsMadeFromTheFirstNamedEntryWithAGroupFile) {
  // Name, group file, script, high-resolution pack, definitions, start map.
  const std::vector<TcRecord> tcs = {
      {"Foo", "Foo.grp", "Foo.con", "", "", ""},
      {"Bar", "", "Other.con", "", "", ""},
      {"Bar", "Bar.zip", "BarGame.con", "", "Bar.def", "E1L1.map"},
      {"Bar", "Late.grp", "", "", "", ""},
      {"Hrp", "Hrp.grp", "", "", "Hrp.def", ""},
      {"NoDot", "NODOT", "", "", "", ""},
  };
  Put("Games/Hrp_hrp.zip");
  Put("Games/Foo_hrp.zip/inside");  // a folder of that name is no pack
  const std::string j = "-j" + programFolder + "Games ";
  const struct {
    const char* tc;
    const char* map;
    std::string line;
  } cases[] = {
      {"Foo", "", j + "-xFoo.con -gFoo.grp "},
      {"Bar", "", j + "-xBarGame.con -hBar.def -gBar.zip -map E1L1.map"},
      // A chosen map replaces the TC's own start map.
      {"Bar", "E2L2.map", j + "-xBarGame.con -hBar.def -gBar.zip "},
      // The pack is found beside the group file and drops the definitions.
      {"Hrp", "", j + "-gHrp_hrp.zip -gHrp.grp "},
      {"NoDot", "", j + "-gNODOT "},
      {"foo", "", ""},
      {"Missing", "x.map", ""},
      {"", "", ""},
  };
  const std::string games = programFolder + "Games";
  for (const auto& c : cases)
    EXPECT_EQ(BuildTCCommandLine(fs, programFolder, games, tcs, c.tc, c.map).Text(), c.line) << c.tc << " " << c.map;
}

}  // namespace
}  // namespace tv
