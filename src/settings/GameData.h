#pragma once
// What was found of the game's data, shared by the installation, the TC
// catalogue and the play compositions, which may not include one another.
#include <string>

namespace tv {

// What game data is installed, from the size of the group file "Duke3d.grp".
enum class GameEdition {
  Full,         // more than 40,000,000 bytes
  SmallerFull,  // more than 25,000,000, up to 40,000,000
  Shareware,    // 1 to 25,000,000 bytes, or a file that cannot be opened (-1)
  NoData,       // missing, or 0 bytes
};

// One total conversion of the Games folder; empty fields are empty texts.
struct TcRecord {
  std::string displayName;  // the TC list's row text
  std::string groupFile;    // Mytc.grp, Mytc.zip
  std::string scriptFile;
  std::string hrpFile;
  std::string defFile;
  std::string mapFile;
};

}  // namespace tv
