#pragma once
// The demo's program folder: enough to try every feature of the launcher.
#include <string>

#include "fixture/Installation.h"

namespace tv::demo {

// The game's programs are copies of the stand-in program at standIn.
fixture::Installation DemoInstallation(const std::string& standIn);

}  // namespace tv::demo
