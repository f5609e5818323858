// make_demo <folder> <stand-in program>: makes the demo program folder once.
// An existing folder is kept as the player left it (opinions, settings,
// saved games); only the game's stand-in programs are brought up to date.
#include <cstdio>
#include <exception>

#include "demo/DemoInstallation.h"
#include "fixture/Fixture.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_demo <folder> <stand-in program>\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '/') folder += '/';
  try {
    tv::fixture::Installation demo = tv::demo::DemoInstallation(argv[2]);
    if (tv::fixture::Exists(folder)) {
      tv::fixture::Installation programs;
      programs.gameData = 0;
      programs.executables = demo.executables;
      tv::fixture::MakeInstallation(folder, programs);
      std::printf("Kept the demo program folder %s\n", folder.c_str());
    } else {
      tv::fixture::MakeInstallation(folder, demo);
      std::printf("Made the demo program folder %s\n", folder.c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_demo: %s\n", e.what());
    return 1;
  }
  return 0;
}
