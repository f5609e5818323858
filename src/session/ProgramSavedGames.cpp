// Saved games: the drop-down, the saved-game mode and deletion.
//
// Each entry stays tied to the file it was read from: its slot comes from
// that file's name and deleting it deletes that file. Counting slots by
// position in the drop-down would pick another saved game as soon as a slot
// file is missing or a save has no title.
#include "session/Program.h"
#include "platform/Text.h"

namespace tv {

void Program::ListSavedGames() { m_savedListing = m_fs.List(m_programFolder, m_savedGamePattern); }

void Program::FillSavedGames() {
  m_savedGames.clear();
  m_view.savedEntries.clear();
  m_view.savedSelected = -1;  // the text stays as it is
  ListSavedGames();
  m_view.savedEnabled = !m_savedListing.empty();
  if (m_savedListing.empty()) return;
  m_savedGames = ReadSavedGames(m_fs, m_programFolder, m_savedListing, SaveEngine().titleOffset);
  for (const SavedGameEntry& entry : m_savedGames) m_view.savedEntries.push_back(entry.text);
}

void Program::ResetSavedGamePattern() { m_savedGamePattern = kDuke3dwSaves.pattern; }

void Program::RefillSavedGames() {
  Guarded([this] { FillSavedGames(); });
  m_ui.Refresh();
}

void Program::ChooseSavedGame(int selectedEntry) {
  const bool chosen = selectedEntry >= 0 && std::size_t(selectedEntry) < m_savedGames.size();
  m_view.savedSelected = chosen ? selectedEntry : -1;
  m_view.savedText = chosen ? m_savedGames[std::size_t(selectedEntry)].text : kNoSavedGame;
  m_savedChosenFile = chosen ? m_savedGames[std::size_t(selectedEntry)].file : "";
  m_savedGameMode = m_view.savedText != kNoSavedGame;
  if (m_savedGameMode) {
    m_view.tcButtonHint = "Start a Total Converstion Saved Game";
    m_view.mapButtonHint = "Start a user Map Saved Game";
    m_view.playHint = "Start Duke3d Saved Game";
    m_view.assocChecked = false;
  } else {
    m_view.tcButtonHint = "Start a Total Converstion";
    m_view.mapButtonHint = "Start a user Map";
    m_view.playHint = "Start Duke3d from Title";
  }
  // The next click on the drop-down gives it the focus again and refills it.
  m_view.dropFocus = true;
  m_ui.Refresh();
}

void Program::ClearSavedGame() { ChooseSavedGame(-1); }

GameLine Program::SavedGameSwitch() const {
  // The entries may have been refilled since the choice: the chosen file
  // must still be listed under the text shown.
  for (const SavedGameEntry& entry : m_savedGames)
    if (entry.file == m_savedChosenFile && entry.text == m_view.savedText) return SavedGameSlotSwitch(entry.slot);
  return {};
}

void Program::DeleteSavedGame() {
  Guarded([this] {
    if (m_view.savedSelected < 0 || std::size_t(m_view.savedSelected) >= m_savedGames.size()) return;
    m_ui.Beep(BeepKind::Exclamation);
    // Taken now: the pass that runs when the question closes refills the entries.
    const SavedGameEntry entry = m_savedGames[std::size_t(m_view.savedSelected)];
    const std::string file = SaveEngine().prefix + Dec(entry.slot) + ".sav";
    const int answer = MessageShow("Delete the saved game: " + m_view.savedText + " ?\nGame Filename: " + file,
                                   "Warning", "mbYes,mbNo");
    if (answer != kYes) return;
    m_fs.Delete(m_programFolder + entry.file);
    FillSavedGames();
    ClearSavedGame();
  });
  m_ui.Refresh();
}

}  // namespace tv
