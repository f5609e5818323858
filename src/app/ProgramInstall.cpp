// Game installation: edition, executables, versions, the high-resolution pack
// switch, launching programs and the tools menu.
#include "app/Program.h"

namespace tv {

void Program::ClearExecutableList() {}
void Program::DetectGameEdition() {}
void Program::FindGameExecutables() {}
void Program::UpdatePlayButton() {}
void Program::UpdateWindowTitle() {}
void Program::SwitchHighResPack() {}
void Program::CreateDesktopShortcut() {}
void Program::DukeClick(int) {}
void Program::DukeSetup1Click() {}
void Program::CommandLine1Click() {}
void Program::DesktopIcon2Click() {}
void Program::AboutTarvolin2Click() {}
void Program::LaunchGame(const std::string&, const std::string&) {}

}  // namespace tv
