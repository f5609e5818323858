#pragma once
// The saved-game drop-down: its entries, the saved-game mode a choice turns
// on (the start buttons then load that game) and deletion.
//
// Each entry stays tied to the file it was read from: its slot comes from
// that file's name and deleting it deletes that file. Counting slots by
// position in the drop-down would pick another saved game as soon as a slot
// file is missing or a save has no title.
#include <string>
#include <vector>

#include "session/Installation.h"
#include "session/Session.h"
#include "catalog/SavedGames.h"
#include "launch/CommandLine.h"

namespace tv {

class SavedGameBox {
 public:
  SavedGameBox(Session& session, const Installation& install) : m_s(session), m_install(install) {}

  void Choose(int entry);  // -1: "Start a saved game"
  void Clear() { Choose(-1); }
  void Delete();
  // On while a saved game is chosen: the start buttons then load it.
  bool Mode() const { return m_mode; }
  // The load switch for the chosen saved game (" /" + slot), or nothing when
  // the chosen file is no longer listed under the text shown.
  GameLine Switch() const;

  // Steps of the start-up pass.
  void DeleteStrayGame10();
  void List() { m_listing = m_s.fs.List(m_s.programFolder, m_install.SavedGamePattern()); }
  void Fill();  // also each press on the drop-down

 private:
  Session& m_s;
  const Installation& m_install;
  std::vector<std::string> m_listing;
  std::vector<SavedGameEntry> m_entries;  // one per drop-down entry
  std::string m_chosenFile;               // the file of the entry chosen last
  bool m_mode = false;
};

}  // namespace tv
