// The game in the folder: version texts, data edition, executables offered, packs' definition files.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "install/ExecutableVersion.h"
#include "install/GameEdition.h"
#include "install/GameExecutables.h"
#include "install/HighResPack.h"

namespace tv {
namespace {

using fixture::kVersionBlock;
using Names = std::vector<std::string>;
struct VersionCase {
  std::uint64_t size;  // 0: no file at all
  std::vector<fixture::Mark> marks;
  std::string version;
};
void ExpectVersions(std::string (*reader)(FileSystem&, const std::string&), const std::vector<VersionCase>& cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    fixture::TempFolder dir;
    if (cases[i].size > 0) fixture::WriteExecutable(dir.Path() + "GAME.EXE", cases[i].size, cases[i].marks);
    FileSystem fs(dir.Path());
    EXPECT_EQ(reader(fs, dir.Path() + "game.exe"), cases[i].version) << "case " << i;
  }
}
TEST(ReadDuke3dwVersion, TakesEightCharactersAfterTheMarkerAndTidiesThem) {
  const std::uint64_t n = 3 * kVersionBlock, b = kVersionBlock;
  const std::string m = "Duke3dw - Version";
  // clang-format off
  ExpectVersions(ReadDuke3dwVersion, {
      {0, {}, "x.x"}, {n, {}, "x.x"}, {1999, {{10, m + " 1.4"}}, "x.x"},  // no file, no marker, shorter than a block
      // Cut at the dash, keeping "1.4 ", whose first character sorts before "4".
      {n, {{100, m + " 1.4 -2003"}}, "1.4 "},
      {n, {{2 * b + 5, m + " 1.3 - 2002"}}, "1.3 "},                          // in a later block
      {n, {{10, m + " 1.2-"}, {b + 10, m + " 1.4-"}}, "1.2"},                // the first block wins
      {n + 1500, {{n + 10, m + " 1.4-"}}, "x.x"},                            // the last partial block is never read
      {n, {{b - 8, m + " 1.4-"}}, "x.x"},                                    // across a block boundary
      {n, {{10, m + " 1.5.2"}}, "1.5."},  // zero bytes are spaces; a lone last character goes, then the first four stay
      {n, {{10, m + "  1.3\x01\x02"}}, "1.3 "},                              // a leading space dropped
      {n, {{10, m + " 4.1"}}, "4.1    "},                                    // from 4 on nothing is cut
      {n, {{10, m + "X9.9ABCDEFG"}}, "9.9ABCDE"},                            // the character after the marker skipped
      {n, {{10, m + " 1.4\xff\x7f" "b"}}, "1.4 "},                           // bytes above 126 are spaces
      {n, {{b - 17, m}}, ""}, {n, {{10, m + " -2003"}}, ""}, {n, {{10, "DUKE3DW - VERSION 1.4-"}}, "x.x"}});
}
TEST(ReadEDuke32Version, KeepsLookingUntilAVersionStartsWithOneOrTwo) {
  const std::uint64_t n = 4 * kVersionBlock, b = kVersionBlock;
  ExpectVersions(ReadEDuke32Version, {
      {0, {}, "x.x"}, {n, {}, "x.x"}, {1000, {{10, "EDuke32 2.0.0"}}, "x.x"},
      {n, {{10, "EDuke32 2.0.0devel"}}, "2.0.0"},
      {n, {{10, "EDuke32 Build"}, {b + 10, "EDuke32 1.5.0"}, {2 * b, "EDuke32 2.1.0"}}, "1.5.0"},  // the first accepted
      {n, {{10, "EDuke32 Build"}, {b + 10, "EDuke32 r1234"}}, "r1234"},  // none accepted: the last with the marker
      {n, {{10, "EDuke32 xx EDuke32 2.0.0"}}, "xx ED"},                   // only a block's first marker counts
      {n, {{10, "EDuke32 1.5"}}, "1.5 "}, {n, {{10, "EDuke32  2.0"}}, "2.0 "},  // tidied, and then not accepted
      {n + 100, {{n + 10, "EDuke32 2.0.0"}}, "x.x"}, {n, {{b - 4, "EDuke32 2.0.0"}}, "x.x"},
      {n, {{10, "EDuke32-2.0.0"}}, "x.x"}});  // the trailing space belongs to the marker
}
TEST(GameEdition, FollowsTheGroupFileSizeWithStrictThresholds) {
  const struct { long long size; GameEdition edition; bool disablesSkill; } cases[] = {  // -1: no file, -2: a folder
      {-1, GameEdition::NoData, true}, {-2, GameEdition::NoData, true}, {0, GameEdition::NoData, false},
      {1, GameEdition::Shareware, true}, {25'000'000, GameEdition::Shareware, true},
      {25'000'001, GameEdition::SmallerFull, false}, {40'000'000, GameEdition::SmallerFull, false},
      {40'000'001, GameEdition::Full, false}};
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    if (c.size == -2) fixture::MakeFolder(dir.Path() + "Duke3d.grp");
    if (c.size >= 0) fixture::WriteSparseFile(dir.Path() + "DUKE3D.GRP", std::uint64_t(c.size));
    FileSystem fs(dir.Path());
    const EditionFound found = FindGameEdition(fs, dir.Path());
    EXPECT_EQ(std::pair(found.edition, found.disablesSkill), std::pair(c.edition, c.disablesSkill)) << c.size;
  }
}
TEST(GameExecutables, OffersTheDukeExecutablesButTheLaunchersOwnAndNamesTheWindowAfterTheCurrentOne) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  fixture::WriteExecutable(dir.Path() + "duke3dw.exe", kVersionBlock, {{100, "Duke3dw - Version 1.4 -2003"}});
  fixture::WriteExecutable(dir.Path() + "EDUKE32.EXE", kVersionBlock, {{100, "EDuke32 2.0.0devel"}});
  for (const char* f : {"Tarvolin.exe", "setup.exe", ".dukehidden.exe", "Duke.txt", "DukeFolder.exe/x"})
    fixture::WriteFile(dir.Path() + f, "MZ");
  const Names listed = ListGameExecutables(fs, dir.Path());
  EXPECT_EQ(listed, (Names{"Duke3dw.exe", "Eduke32.exe"}));
  EXPECT_EQ(MenuCaption(listed[0]) + "|" + MenuCaption(".exe") + "|" + MenuCaption("exe"), "Duke3dw||");
  const struct { const char *dukeFilename, *title, *button; bool eduke32; } cases[] = {
      {"duke3dw.exe", "duke3dw v1.4 ", "Play duke3dw", false}, {"Duke3dw", "Duke3dw v1.4 ", "Play Duke3dw", false},
      {"Duke3dw_test.exe", "Duke3dw_test v1.4 ", "Play Duke3dw_test", false}, {"D.exe", "D", "Play D", false},
      {"EDuke32.exe", "EDuke32 v2.0.0", "Play EDuke32", true}, {".Duke3dw.exe", ".Duke3dw.exe", "Play ", false},
      {"eduke32.x.exe", "eduke32 v2.0.0", "Play eduke32", true}, {"EDuke3.exe", "EDuke3", "Play EDuke3", false}};
  for (const auto& c : cases) {
    const GameTitle title = MakeGameTitle(fs, dir.Path(), c.dukeFilename);
    EXPECT_EQ(std::tuple(title.text, title.eduke32, PlayButtonCaption(c.dukeFilename)),
              std::tuple(c.title, c.eduke32, c.button));
  }
  fs.Delete(dir.Path() + "EDUKE32.EXE");  // a missing executable leaves the name alone
  EXPECT_EQ(MakeGameTitle(fs, dir.Path(), "EDuke32.exe").text, "EDuke32");
  for (int i = 0; i < 12; ++i) fixture::WriteFile(dir.Path() + "duke" + std::to_string(10 + i) + ".exe", "MZ");
  EXPECT_EQ(ListGameExecutables(fs, dir.Path()).size(), kMaxGameExecutables);
}
TEST(SetAsideLooseDefinitions, RenamesTheDefinitionFilesWhenAPackIsPresent) {
  const struct { Names before, after; } cases[] = {
      {{"Duke3d.def=d", "Duke3d_hrp.def=h", "Duke3d_hrp.zip=z"},
       {"Duke3d.def.bak=d", "Duke3d_hrp.def.bak=h", "Duke3d_hrp.zip=z"}},
      {{"Duke3d_hrp.def=h", "Autoload/Duke3d_mrp.zip=z"}, {"Autoload/Duke3d_mrp.zip=z", "Duke3d_hrp.def.bak=h"}},
      {{"Duke3d.def=d", "Duke3d_mrp.zip=z"}, {"Duke3d.def.bak=d", "Duke3d_mrp.zip=z"}},
      {{"Duke3d.def=d", "Autoload/Duke3d_hrp.zip=z"}, {"Autoload/Duke3d_hrp.zip=z", "Duke3d.def.bak=d"}},
      {{"Duke3d.def=d", "Duke3d_hrp.def=h"}, {"Duke3d.def=d", "Duke3d_hrp.def=h"}},  // no pack
      {{"Duke3d.def.bak=old", "Duke3d_hrp.zip=z"}, {"Duke3d.def.bak=old", "Duke3d_hrp.zip=z"}},  // an old copy stays
      {{"Duke3d.def=new", "Duke3d.def.bak=old", "Duke3d_hrp.zip=z"}, {"Duke3d.def.bak=new", "Duke3d_hrp.zip=z"}},
      {{"DUKE3D.DEF=d", "duke3d.def.BAK=old", "autoload/DUKE3D_HRP.ZIP=z"},
       {"Duke3d.def.bak=d", "autoload/DUKE3D_HRP.ZIP=z"}},
      {{"Duke3d.def=d", "Maps/Duke3d_hrp.zip=z"}, {"Duke3d.def=d", "Maps/Duke3d_hrp.zip=z"}}};  // elsewhere: none
  // clang-format on
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    for (const std::string& f : c.before)
      fixture::WriteFile(dir.Path() + f.substr(0, f.find('=')), f.substr(f.find('=') + 1));
    FileSystem fs(dir.Path());
    SetAsideLooseDefinitions(fs, dir.Path());
    Names after;  // every file as "name=content"
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path()))
      if (e.is_regular_file())
        after.push_back(e.path().string().substr(dir.Path().size()) + "=" + fixture::ReadFile(e.path()));
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, c.after) << c.before[0];
  }
}
}  // namespace
}  // namespace tv
