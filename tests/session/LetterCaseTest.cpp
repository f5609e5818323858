// Folders and files spelt in another letter case (as unpacked from an archive):
// each feature still finds them. The read-me folders are proven in the catalog.
#include <filesystem>
#include <functional>

#include "support/ProgramFixture.h"
#include "fixture/Groups.h"
#include "fixture/SavedGames.h"

namespace tv::test {
namespace {

void PutTc(ProgramTest& f, const std::string& folder) {
  f.Put(folder + "/Mytc.grp",
        fixture::GroupFileBytes({{"MYTC.CON", "c"}, {"MYTC.DEF", "d"}, {"MYTC.MAP", fixture::FillerBytes(600)}}));
}

std::string PlayedTc(ProgramTest& f, Program& p) {
  p.Catalog().Select(0);
  p.Play().StartTc();
  return f.CommandLine();
}

struct Planted {
  const char* planted;
  std::function<void(ProgramTest&)> plant;
  std::function<std::string(ProgramTest&, Program&)> observe;
  std::string expected;  // "{pf}" is the program folder
};

class LetterCase : public ProgramTest, public ::testing::WithParamInterface<Planted> {};

TEST_P(LetterCase, EveryFolderAndFileIsFoundWhateverItsCase) {
  const Planted& c = GetParam();
  Game();
  c.plant(*this);
  Program& p = Started();
  EXPECT_EQ(c.observe(*this, p), Fill(c.expected));
  EXPECT_EQ(ui.shown.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(AnyCase, LetterCase, ::testing::Values(
      Planted{"games", [](ProgramTest& f) { PutTc(f, "games"); }, PlayedTc,
       "Duke3dw.exe -j{pf}Games -xMytc.con -hmytc.def -gMytc.grp -map mytc.map"},
      Planted{"MAPS1", [](ProgramTest& f) { fixture::WriteMap(f.Path("MAPS1/Pool.map")); },
       [](ProgramTest&, Program& p) {
         p.Maps().OpenFolder(1);
         return p.View().mapFolders[1].caption + ": " + p.View().mapRows.at(0).text;
       },
       "Maps1: Pool.map"},
      Planted{"music", [](ProgramTest& f) { fixture::MakeFolder(f.Path("music")); },
       [](ProgramTest& f, Program& p) {
         p.Play().ChooseMapMusic();
         return f.ui.fileDialogs.at(0).first;
       },
       "{pf}music"},
      Planted{"AUTOLOAD",
       [](ProgramTest& f) {
         f.Put("AUTOLOAD/Duke3d_hrp.zip");
         f.Put("Duke3d.def", "loose");
       },
       [](ProgramTest& f, Program&) { return fixture::ReadFile(f.Path("Duke3d.def.bak")); }, "loose"},
      Planted{"DUKE3D.GRP", [](ProgramTest& f) { std::filesystem::rename(f.Path("Duke3d.grp"), f.Path("DUKE3D.GRP")); },
       [](ProgramTest&, Program& p) { return std::string(p.Install().Edition() == GameEdition::Full ? "full" : "not full"); },
       "full"},
      Planted{"Game0.SAV", [](ProgramTest& f) { fixture::WriteSavedGame(f.Path("Game0.SAV"), "Hollywood"); },
       [](ProgramTest&, Program& p) {
         p.Saves().Fill();
         p.Saves().Choose(0);
         return p.View().savedEntries.at(0) + ":" + p.Saves().Switch().Text();
       },
       "Hollywood ***: /0"}));

}  // namespace
}  // namespace tv::test
