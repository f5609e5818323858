// e2e_folder <root>: makes and prints "<root>/Duke Nukem 3D/" (a space, as players have it): game data, a stand-in
// recording into <root>/game.log, rated maps, a group and a zip TC, two saved games.
// e2e_folder <program folder> <Windows stand-in> <map>: plays the map as " Play User Map" does; 1 if it showed anything.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Groups.h"
#include "fixture/Maps.h"
#include "fixture/SavedGames.h"
#include "session/Program.h"
#include "support/RecordingUi.h"

namespace {

using namespace tv::fixture;

int MakeProgramFolder(const std::string& root, const std::string& program) {
  WriteSparseFile(program + "Duke3d.grp", 44'000'000);
  WriteRecordingProgram(program + "Duke3dw.exe", root + "game.log");
  // The hour of a file time is its opinion (12: none); the shapes make the sizes differ.
  WriteMap(program + "Maps/Alpha.map", 1, {2, 8, 3});
  WriteMap(program + "Maps/Bravo.map", 12, {3, 12, 5});
  WriteFile(program + "Maps/Bravo.con", "// the map's own script\n");
  WriteMap(program + "Maps/Charlie.map", 5, {1, 4, 1});
  WriteMap(program + "Maps/Delta.map", 3, {4, 16, 2});
  WriteMap(program + "Maps/Echo.map", 12, {2, 6, 9});
  // A zip TC naming its script and start map in its first block, before a group TC.
  WriteZip(program + "Games/Bar.zip", {{"BAR.CON", "//\n"}, {"BAR.MAP", FillerBytes(12000, 2)}});
  WriteGroupFile(program + "Games/Foo.grp", {{"FOO.CON", "//\n"}, {"E1L1.MAP", FillerBytes(900, 4)}});
  const std::time_t saved = LocalTimeAt(10);  // "Red Light" is the newer save, so it is marked
  WriteSavedGame(program + "game0.sav", "Hollywood Holocaust", saved);
  WriteSavedGame(program + "game1.sav", "Red Light", saved + 600);
  std::printf("%s\n", program.c_str());
  return 0;
}

int PlayMap(const std::string& folder, const std::string& standIn, const std::string& map) {
  WriteSparseFile(folder + "Duke3d.grp", 44'000'000);
  std::filesystem::copy_file(standIn, folder + "Duke3dw.exe", std::filesystem::copy_options::overwrite_existing);
  WriteMap(folder + "Maps/" + map);
  WriteFile(folder + "Maps/" + map.substr(0, map.rfind('.')) + ".con", "// the map's own script\n");
  WriteFile(folder + "Tarvolin.ini", "[Tarvolin]\r\nInitialized=True\r\nDukeFilename=Duke3dw.exe\r\n");
  tv::FileSystem fs(folder);
  tv::test::RecordingUi ui;
  tv::Program program(fs, ui, {folder, {"dd/MM/yyyy", "HH:mm:ss"}});
  program.Activate();
  program.Play().StartUserMap();
  for (const auto& shown : ui.shown) std::fprintf(stderr, "%s: %s\n", shown.kind.c_str(), shown.text.c_str());
  return ui.shown.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4)
    return std::fprintf(stderr, "usage: %s <root> | <program folder> <Windows stand-in> <map>\n", argv[0]), 2;
  std::string folder = argv[1];
  if (folder.empty() || folder.back() != '/') folder += '/';
  try {
    return argc == 2 ? MakeProgramFolder(folder, folder + "Duke Nukem 3D/") : PlayMap(folder, argv[2], argv[3]);
  } catch (const std::exception& e) {
    return std::fprintf(stderr, "e2e_folder: %s\n", e.what()), 1;
  }
}
