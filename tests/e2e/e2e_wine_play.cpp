// Plays a user map the way the window's " Play User Map" does, with the
// Windows stand-in as the game, so that the game is started through Wine.
// Usage: e2e_wine_play <program folder> <Windows stand-in> <map name>
//
// The program folder gets the full game data, the stand-in as Duke3dw.exe and
// the map with a script of the same name beside it. Prints what the program
// showed, if anything, and exits 1 then: the start itself is detached.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "session/Program.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"
#include "support/RecordingUi.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <program folder> <Windows stand-in> <map name>\n", argv[0]);
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '/') folder += '/';
  const std::string map = argv[3];
  try {
    namespace fx = tv::fixture;
    fx::WriteSparseFile(folder + "Duke3d.grp", 44'000'000);
    std::filesystem::copy_file(argv[2], folder + "Duke3dw.exe", std::filesystem::copy_options::overwrite_existing);
    fx::WriteMap(folder + "Maps/" + map);
    const std::string base = map.substr(0, map.rfind('.'));
    fx::WriteFile(folder + "Maps/" + base + ".con", "// the map's own script\n");
    fx::WriteFile(folder + "Tarvolin.ini", "[Tarvolin]\r\nInitialized=True\r\nDukeFilename=Duke3dw.exe\r\n");

    tv::FileSystem fs(folder);
    tv::test::RecordingUi ui;
    tv::Environment env;
    env.programFolder = folder;
    env.formats = {"dd/MM/yyyy", "HH:mm:ss"};
    tv::Program program(fs, ui, env);
    program.Activate();
    program.Play().StartUserMap();
    for (const auto& shown : ui.shown) std::fprintf(stderr, "%s: %s\n", shown.kind.c_str(), shown.text.c_str());
    return ui.shown.empty() ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "e2e_wine_play: %s\n", e.what());
    return 1;
  }
}
