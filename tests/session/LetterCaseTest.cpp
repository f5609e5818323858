// Folders spelt in another letter case (as unpacked from an archive) are still found. The file layer proves the
// rule and the catalog each list's folders; here the TC folder's way through to the game, and the music dialog's.
#include "support/ProgramFixture.h"
#include "fixture/Groups.h"

namespace tv::test {
namespace {

using LetterCase = ProgramTest;

TEST_F(LetterCase, TheTcAndMusicFoldersAreFoundWhateverTheirCase) {
  Game();
  Put("games/Mytc.grp",
      fixture::GroupFileBytes({{"MYTC.CON", "c"}, {"MYTC.DEF", "d"}, {"MYTC.MAP", fixture::FillerBytes(600)}}));
  fixture::MakeFolder(Path("music"));
  Program& p = Started();
  p.Play().ChooseMapMusic();
  EXPECT_EQ(ui.fileDialogs.at(0).first, Path("music"));
  p.Catalog().Select(0);
  p.Play().StartTc();
  EXPECT_EQ(CommandLine(), Fill("Duke3dw.exe -j{pf}Games -xMytc.con -hmytc.def -gMytc.grp -map mytc.map"));
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace tv::test
