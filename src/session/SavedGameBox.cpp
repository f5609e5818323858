#include "session/SavedGameBox.h"

#include "platform/Text.h"

namespace tv {

void SavedGameBox::DeleteStrayGame10() {
  // The name is taken relative to the current folder, not the program folder.
  const std::string stray = m_s.fs.CurrentFolder() + "game10.sav";
  if (m_s.fs.FileExists(stray)) m_s.fs.Delete(stray);
}

void SavedGameBox::Fill() {
  MainView& view = m_s.view;
  m_entries.clear();
  view.savedEntries.clear();
  view.savedSelected = -1;  // the text stays as it is
  List();
  view.savedEnabled = !m_listing.empty();
  if (m_listing.empty()) return;
  m_entries = ReadSavedGames(m_s.fs, m_s.programFolder, m_listing, m_install.SaveEngine().titleOffset);
  for (const SavedGameEntry& entry : m_entries) view.savedEntries.push_back(entry.text);
}

void SavedGameBox::Choose(int entry) {
  MainView& view = m_s.view;
  const bool chosen = entry >= 0 && std::size_t(entry) < m_entries.size();
  view.savedSelected = chosen ? entry : -1;
  view.savedText = chosen ? m_entries[std::size_t(entry)].text : kNoSavedGame;
  m_chosenFile = chosen ? m_entries[std::size_t(entry)].file : "";
  m_mode = view.savedText != kNoSavedGame;
  if (m_mode) {
    view.tcButtonHint = "Start a Total Converstion Saved Game";
    view.mapButtonHint = "Start a user Map Saved Game";
    view.playHint = "Start Duke3d Saved Game";
    view.assocChecked = false;
  } else {
    view.tcButtonHint = "Start a Total Converstion";
    view.mapButtonHint = "Start a user Map";
    view.playHint = "Start Duke3d from Title";
  }
  // The next click on the drop-down gives it the focus again and refills it.
  view.dropFocus = true;
}

GameLine SavedGameBox::Switch() const {
  // The entries may have been refilled since the choice: the chosen file
  // must still be listed under the text shown.
  for (const SavedGameEntry& entry : m_entries)
    if (entry.file == m_chosenFile && entry.text == m_s.view.savedText) return SavedGameSlotSwitch(entry.slot);
  return {};
}

void SavedGameBox::Delete() {
  const int selected = m_s.view.savedSelected;
  if (selected < 0 || std::size_t(selected) >= m_entries.size()) return;
  m_s.ui.Beep(BeepKind::Exclamation);
  // Taken now: the pass that runs when the question closes refills the entries.
  const SavedGameEntry entry = m_entries[std::size_t(selected)];
  const std::string file = m_install.SaveEngine().prefix + Dec(entry.slot) + ".sav";
  const int answer = m_s.MessageShow("Delete the saved game: " + m_s.view.savedText + " ?\nGame Filename: " + file,
                                     "Warning", "mbYes,mbNo");
  if (answer != kYes) return;
  m_s.fs.Delete(m_s.programFolder + entry.file);
  Fill();
  Clear();
}

}  // namespace tv
