// Discovery of the TCs in the Games folder: which files are TCs, the defaults
// of each record, and the per-TC settings file written once.
#include <gtest/gtest.h>

#include <map>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "platform/RunTimeError.h"

namespace tv {
namespace {

using Fields = std::vector<std::string>;
Fields Of(const TcRecord& t) { return {t.displayName, t.groupFile, t.scriptFile, t.hrpFile, t.defFile, t.mapFile}; }

class TcDiscovery : public ::testing::Test {
 protected:
  TcDiscovery() { fixture::MakeFolder(games); }
  void Write(const std::string& name, const std::string& bytes = "") { fixture::WriteFile(games + "/" + name, bytes); }
  // As in a start-up pass: each folder is listed once.
  std::vector<TcRecord> Discover() {
    FileSystem::PassScope pass(fs);
    return DiscoverTCs(fs, scans, games, fs.List(games, kGroupFilePatterns));
  }
  std::string Read(const std::string& name) const { return fixture::ReadFile(games + "/" + name); }

  fixture::TempFolder dir;
  std::string games = dir.Path() + "Games";
  FileSystem fs{dir.Path()};
  GroupScanCache scans;
};

const std::string kNamesScript = fixture::GroupFileBytes({{"MYTC.CON", "define x 1"}, {"TILES000.ART", "a"}});
const std::string kNamesAll =
    fixture::GroupFileBytes({{"MYTC.CON", "c"}, {"MYTC.DEF", "d"}, {"MYTC.MAP", "m"}, {"E1L1.MAP", "m"}});
const std::string kNamesNothing = fixture::GroupFileBytes({{"TILES000.ART", "a"}});

TEST(TcFolder, FindsRegularFilesWithoutRegardToLetterCase) {
  fixture::TempFolder dir;
  const std::string games = dir.Path() + "Games";
  for (const char* name : {"MYTC.GRP", "Mytc.def", "mytc.DEF", ".hidden.con"})
    fixture::WriteFile(games + "/" + name, "");
  fixture::MakeFolder(games + "/Folder.con");
  FileSystem fs(dir.Path());
  const TcFolder folder(fs, games);
  const char* const cases[][2] = {{"Mytc.grp", "MYTC.GRP"}, {"mytc.def", "Mytc.def"}, {"mytc.DEF", "mytc.DEF"},
                                  {"Mytc.con", nullptr},    {".hidden.con", nullptr}, {"folder.con", nullptr}};
  for (const auto& c : cases) {
    EXPECT_EQ(folder.Holds(c[0]), c[1] != nullptr) << c[0];
    EXPECT_EQ(folder.PathOf(c[0]), games + "/" + (c[1] ? c[1] : c[0])) << c[0];
  }
  EXPECT_TRUE(folder.Exists());
  EXPECT_FALSE(TcFolder(fs, dir.Path() + "Nowhere").Exists());
  EXPECT_FALSE(TcFolder(fs, dir.Path() + "Nowhere").Holds("Mytc.grp"));
}

// Every group file but the stock data and the packs is a TC; each gets its
// settings file with the six keys once, never touched again: a key the user
// deleted is computed again. A group and a zip of one name share the file.
TEST_F(TcDiscovery, TakesTheGroupFilesAndWritesEachSettingsFileOnce) {
  EXPECT_TRUE(Discover().empty());
  EXPECT_TRUE(DiscoverTCs(fs, scans, dir.Path() + "Nowhere", {"Mytc.grp"}).empty());
  for (const char* name : {"DUKE3D.GRP", "duke3dw.grp", "Pack_HRP.grp", "Mytc_hrp.zip", "a.txt", "Mytc.zip"})
    Write(name);
  Write("MYTC.GRP", kNamesAll);
  Write("Plain.ZIP", fixture::ZipBytes({{"TILES000.ART", "a"}}));
  std::vector<TcRecord> tcs = Discover();
  ASSERT_EQ(tcs.size(), 3u);
  EXPECT_EQ(Of(tcs[0]), (Fields{"Mytc", "Mytc.grp", "Mytc.con", "Mytc_hrp.zip", "mytc.def", "mytc.map"}));
  EXPECT_EQ(Of(tcs[1]), (Fields{"Mytc", "Mytc.zip", "Mytc.con", "Mytc_hrp.zip", "mytc.def", "mytc.map"}));
  EXPECT_EQ(Of(tcs[2]), (Fields{"Plain", "Plain.zip", "", "", "", ""}));
  EXPECT_EQ(fs.List(games, "*.ini"), (std::vector<std::string>{"Mytc.ini", "Plain.ini"}));
  EXPECT_EQ(Read("Mytc.ini"),
            "[Mytc.Options]\r\nGameName=Mytc\r\nGRP_File=Mytc.grp\r\nCON_File=Mytc.con\r\nHRP_File=Mytc_hrp.zip\r\n"
            "DEF_File=mytc.def\r\nMAP_File=mytc.map\r\n");
  EXPECT_EQ(Read("Plain.ini"),
            "[Plain.Options]\r\nGameName=Plain\r\nGRP_File=Plain.zip\r\nCON_File=\r\nHRP_File=\r\nDEF_File=\r\n"
            "MAP_File=\r\n");
  const std::string edited = "[Mytc.Options]\r\nGameNAME=My Great TC\r\nCON_File=Mytc.con\r\n";
  Write("Mytc.ini", edited);
  Write("Mytc.def");
  fixture::SetFileTime(games + "/Mytc.ini", 1600000000);
  tcs = Discover();
  EXPECT_EQ(Of(tcs[0]), (Fields{"My Great TC", "Mytc.grp", "Mytc.con", "Mytc_hrp.zip", "Mytc.def", "mytc.map"}));
  EXPECT_EQ(Read("Mytc.ini"), edited);
  EXPECT_EQ(fixture::FileTime(games + "/Mytc.ini"), 1600000000);
}

TEST_F(TcDiscovery, TakesDefaultsFromTheCompanionsAndTheGroupFile) {
  const struct {
    const char* rule;
    std::map<std::string, std::string> files;  // besides Mytc.grp
    std::string group;                         // bytes of Mytc.grp
    const char *script, *def, *map;
  } cases[] = {
      // clang-format off
      {"a .gam beside wins over a .con beside", {{"Mytc.gam", ""}, {"Mytc.con", ""}}, kNamesNothing, "Mytc.gam", "",
       ""},
      {"unless the group names the .con", {{"Mytc.gam", ""}, {"Mytc.con", ""}}, kNamesScript, "Mytc.con", "", ""},
      {"a .con beside", {{"MYTC.CON", ""}}, kNamesNothing, "Mytc.con", "", ""},
      {"a .con the group names", {}, kNamesScript, "Mytc.con", "", ""},
      {"nothing anywhere", {}, kNamesNothing, "", "", ""},
      {"a .def beside leaves the script alone", {{"Mytc.def", ""}}, kNamesNothing, "", "Mytc.def", ""},
      {"a .def beside wins over the group's", {{"Mytc.def", ""}}, kNamesAll, "Mytc.con", "Mytc.def", "mytc.map"},
      {"def and map the group names", {}, kNamesAll, "Mytc.con", "mytc.def", "mytc.map"},
      {"a batch file rules out the group's map", {{"Mytc.bat", "duke3d"}}, kNamesAll, "Mytc.con", "mytc.def", ""},
      {"script and def a batch file names", {{"Mytc.bat", "duke3d -xmytc.con -hmytc.def"}}, kNamesNothing, "Mytc.con",
       "mytc.def", ""},
      {"the settings file's values come first",
       {{"Mytc.ini", "[Mytc.Options]\nCON_File=game.con\nDEF_File=x.def\nMAP_File=start.map\n"}, {"Mytc.gam", ""}},
       kNamesAll, "game.con", "x.def", "start.map"},
      {"empty values count as missing", {{"Mytc.ini", "[mytc.options]\nCON_File=\nDEF_File=\nMAP_File=\n"}}, kNamesAll,
       "Mytc.con", "mytc.def", "mytc.map"},
      // clang-format on
  };
  for (const auto& c : cases) {
    fixture::TempFolder other;
    const std::string folder = other.Path() + "Games";
    fixture::WriteFile(folder + "/Mytc.grp", c.group);
    for (const auto& [name, bytes] : c.files) fixture::WriteFile(folder + "/" + name, bytes);
    FileSystem otherFs(other.Path());
    const std::vector<TcRecord> tcs = DiscoverTCs(otherFs, scans, folder, otherFs.List(folder, kGroupFilePatterns));
    ASSERT_EQ(tcs.size(), 1u) << c.rule;
    EXPECT_EQ(std::vector<std::string>({tcs[0].scriptFile, tcs[0].defFile, tcs[0].mapFile}),
              std::vector<std::string>({c.script, c.def, c.map}))
        << c.rule;
  }
}

TEST_F(TcDiscovery, StopsAtThreeHundredTCs) {
  for (int i = 0; i < 302; ++i) {
    const std::string base = "Tc" + std::to_string(1000 + i);
    Write(base + ".grp");
    Write(base + ".ini", "[" + base + ".Options]\n");  // nothing to write
  }
  const std::vector<TcRecord> tcs = Discover();
  ASSERT_EQ(tcs.size(), kMaxTcs);
  EXPECT_EQ(tcs.back().groupFile, "Tc1299.grp");
}

TEST_F(TcDiscovery, ASettingsFileThatCannotBeWrittenIsARunTimeError) {
  Write("Mytc.grp");
  fs.SetWriteFaultHook([](WriteStage, const std::string&) { return true; });
  try {
    Discover();
    FAIL() << "no error";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + games + "/Mytc.ini");
  }
}

}  // namespace
}  // namespace tv
