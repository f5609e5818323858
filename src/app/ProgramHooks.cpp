// Steps and services whose behaviour arrives with later work; each does
// nothing yet, so the pass keeps its full order from the start.
#include "app/Program.h"

namespace tv {

void Program::ClearExecutableList() {}
void Program::ClearTcTable() {}
void Program::ClearMapTables() {}
void Program::ClearTcOpinions() {}
void Program::DetectGameEdition() {}
void Program::ListSavedGames() {}
void Program::ListGroupFiles() {}
void Program::FindMapFolders() {}
void Program::DiscoverTCs() {}
void Program::FillTCList() {}
void Program::FindGameExecutables() {}
void Program::LoadFirstMapFolder() {}
void Program::PackAndLoadTCOpinions() {}
void Program::UpdatePlayButton() {}
void Program::FillSavedGames() {}
void Program::ApplySavedSortMode() {}
void Program::ResetSavedGamePattern() {}
void Program::UpdateWindowTitle() {}
void Program::SwitchHighResPack() {}
void Program::CreateDesktopShortcut() {}

}  // namespace tv
