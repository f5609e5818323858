// Every folder and file the program looks for, spelt in a letter case other
// than the one it asks for (as unpacked from an archive or copied from a
// system that ignores case): each feature still finds it.
#include <filesystem>
#include <functional>

#include "PlayTest.h"
#include "fixture/Groups.h"
#include "fixture/Maps.h"
#include "fixture/SavedGames.h"

namespace tv::test {
namespace {

void PutTc(PlayFolder& f, const std::string& folder) {
  f.Put(folder + "/Mytc.grp",
        fixture::GroupFileBytes({{"MYTC.CON", "c"}, {"MYTC.DEF", "d"}, {"MYTC.MAP", fixture::FillerBytes(600)}}));
}

std::string PlayedTc(PlayFolder& f, Program& p) {
  p.SelectTc(0);
  p.StartTc();
  return f.CommandLine();
}

std::string ReadMeShown(PlayFolder&, Program& p) {
  p.SelectMaps({0});
  p.OpenMapReadMe();
  return p.ReadMeToShow().text;
}

TEST(LetterCase, EveryFolderAndFileIsFoundWhateverItsCase) {
  const struct {
    const char* planted;
    std::function<void(PlayFolder&)> plant;
    std::function<std::string(PlayFolder&, Program&)> observe;
    std::string expected;  // "{pf}" is the program folder
  } cases[] = {
      {"games", [](PlayFolder& f) { PutTc(f, "games"); }, PlayedTc,
       "Duke3dw.exe -j{pf}Games -xMytc.con -hmytc.def -gMytc.grp -map mytc.map"},
      {"GAMES", [](PlayFolder& f) { PutTc(f, "GAMES"); }, PlayedTc,
       "Duke3dw.exe -j{pf}Games -xMytc.con -hmytc.def -gMytc.grp -map mytc.map"},
      {"MAPS1", [](PlayFolder& f) { fixture::WriteMap(f.Path("MAPS1/Pool.map")); },
       [](PlayFolder&, Program& p) {
         p.OpenMapFolder(1);
         return p.View().mapFolders[1].caption + ": " + p.View().mapRows.at(0).text;
       },
       "Maps1: Pool.map"},
      {"music", [](PlayFolder& f) { fixture::MakeFolder(f.Path("music")); },
       [](PlayFolder& f, Program& p) {
         p.ChooseMapMusic();
         return f.ui.fileDialogs.at(0).first;
       },
       "{pf}music"},
      {"AUTOLOAD",
       [](PlayFolder& f) {
         f.Put("AUTOLOAD/Duke3d_hrp.zip");
         f.Put("Duke3d.def", "loose");
       },
       [](PlayFolder& f, Program&) { return fixture::ReadFile(f.Path("Duke3d.def.bak")); }, "loose"},
      {"help",
       [](PlayFolder& f) {
         fixture::WriteMap(f.Path("Maps/Pool.map"));
         f.Put("help/Pool.txt", "In Help");
       },
       ReadMeShown, "In Help"},
      {"text",
       [](PlayFolder& f) {
         fixture::WriteMap(f.Path("Maps/Pool.map"));
         f.Put("text/Pool.txt", "In Text");
       },
       ReadMeShown, "In Text"},
      {"DUKE3D.GRP", [](PlayFolder& f) { std::filesystem::rename(f.Path("Duke3d.grp"), f.Path("DUKE3D.GRP")); },
       [](PlayFolder&, Program& p) { return std::string(p.Edition() == GameEdition::Full ? "full" : "not full"); },
       "full"},
      {"Game0.SAV", [](PlayFolder& f) { fixture::WriteSavedGame(f.Path("Game0.SAV"), "Hollywood"); },
       [](PlayFolder&, Program& p) {
         p.RefillSavedGames();
         p.ChooseSavedGame(0);
         return p.View().savedEntries.at(0) + ":" + p.SavedGameSwitch().Text();
       },
       "Hollywood ***: /0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.planted);
    PlayFolder f;
    c.plant(f);
    Program& p = f.Start();
    EXPECT_EQ(c.observe(f, p), f.Fill(c.expected));
    EXPECT_EQ(f.ui.shown.size(), 0u);
  }
}

}  // namespace
}  // namespace tv::test
