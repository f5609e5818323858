// Saved games: the drop-down, the saved-game mode and deletion.
#include "app/Program.h"

namespace tv {

void Program::ListSavedGames() {}
void Program::FillSavedGames() {}
void Program::ResetSavedGamePattern() {}
void Program::ComboBox2Enter() {}
void Program::ComboBox2Change(int) {}
void Program::btnDeleteClick() {}

}  // namespace tv
