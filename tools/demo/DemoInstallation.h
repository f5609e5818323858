#pragma once
// The demo's program folder: enough to try every feature of the launcher.
#include <string>

#include "fixture/Installation.h"

namespace tv::demo {

// The game's programs are copies of the stand-in program at standIn.
fixture::Installation DemoInstallation(const std::string& standIn);

// The names the stand-in is installed under.
inline constexpr const char* kStandInNames[] = {"Duke3dw.exe", "EDuke32.exe", "D3WSetup.exe"};

}  // namespace tv::demo
