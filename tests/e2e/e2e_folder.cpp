// Makes the program folder that the end-to-end scenarios start the real
// program on, and prints its path. Usage: e2e_folder <root>
//
// <root>/Duke Nukem 3D/ (a space in the path, as players have it) holds the
// full game data, a stand-in game that records into <root>/game.log, rated
// maps in two map folders, a group TC and a zip TC, and two saved games.
#include <cstdio>
#include <exception>
#include <string>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "fixture/Maps.h"
#include "fixture/SavedGames.h"

namespace {

using namespace tv::fixture;

void MakeProgramFolder(const std::string& root, const std::string& program) {
  WriteSparseFile(program + "Duke3d.grp", 44'000'000);
  WriteRecordingProgram(program + "Duke3dw.exe", root + "game.log");

  // Listed by name: Alpha, Bravo, Charlie, Delta, Echo. The hour of each file
  // time is its opinion (12 is none); the shapes make the sizes differ.
  WriteMap(program + "Maps/Alpha.map", 1, {2, 8, 3});
  WriteFile(program + "Maps/Alpha.txt", "Alpha: a small test map.\n");
  WriteMap(program + "Maps/Bravo.map", 12, {3, 12, 5});
  WriteFile(program + "Maps/Bravo.con", "// the map's own script\n");
  WriteMap(program + "Maps/Charlie.map", 5, {1, 4, 1});
  WriteMap(program + "Maps/Delta.map", 3, {4, 16, 2});
  WriteMap(program + "Maps/Echo.map", 12, {2, 6, 9});
  WriteMap(program + "Maps1/Foxtrot.map", 2);

  // Listed by name: Bar (zip, which names its script and its own start map
  // in its first block), then Foo (group, with a script and levels).
  WriteZip(program + "Games/Bar.zip",
           {{"BAR.CON", "// script\n"}, {"BAR.MAP", FillerBytes(12000, 2)}, {"B2.MAP", FillerBytes(3000, 3)}});
  WriteGroupFile(program + "Games/Foo.grp",
                 {{"FOO.CON", "// script\n"}, {"E1L1.MAP", FillerBytes(900, 4)}, {"E1L2.MAP", FillerBytes(700, 5)}});

  // "Red Light" is the newer save, so it is marked.
  const std::time_t saved = LocalTimeAt(10);
  WriteSavedGame(program + "game0.sav", "Hollywood Holocaust", saved);
  WriteSavedGame(program + "game1.sav", "Red Light", saved + 600);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <root folder>\n", argv[0]);
    return 2;
  }
  std::string root = argv[1];
  if (root.empty() || root.back() != '/') root += '/';
  const std::string program = root + "Duke Nukem 3D/";
  try {
    MakeProgramFolder(root, program);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "e2e_folder: %s\n", e.what());
    return 1;
  }
  std::printf("%s\n", program.c_str());
  return 0;
}
