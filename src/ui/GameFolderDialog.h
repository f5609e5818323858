#pragma once
// The platform's folder dialog that asks the installed program's user for
// the game folder.
#include <string>

namespace tv {

// The folder chosen, starting at offered (the home folder when that is
// gone); "" on Cancel.
std::string AskForGameFolder(const std::string& offered);

}  // namespace tv
