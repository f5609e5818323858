// Map folders, the map list, opinions and the four orders.
#include "app/Program.h"

namespace tv {

void Program::ClearMapTables() {}
void Program::FindMapFolders() {}
void Program::LoadFirstMapFolder() {}
void Program::ApplySavedSortMode() {}
void Program::MenuMapFolderClick(int) {}
void Program::MapSortClick(int) {}
void Program::MultiSelect1Click() {}
void Program::SaveMapsOpinions1Click() {}
void Program::ListBox2Click(const std::vector<int>&) {}
void Program::ListBox2MouseUp() {}
void Program::ListBox2RightDown() {}
void Program::ListBox2DblClick() {}

}  // namespace tv
