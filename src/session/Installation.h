#pragma once
// The game installation: which edition is here, its executables, the one
// chosen to play (and with it the window title and engine), the
// high-resolution pack switch and the desktop shortcut.
#include <string>
#include <vector>

#include "session/Session.h"
#include "catalog/SavedGames.h"
#include "install/GameEdition.h"

namespace tv {

class Installation {
 public:
  explicit Installation(Session& session) : m_s(session) {}

  GameEdition Edition() const { return m_edition; }
  bool EDuke32Engine() const { return m_eduke32; }
  // The engine settles the saved games' listing pattern, file prefix and
  // title offset; the prefix and offset follow the title settled last.
  const SavedGameEngine& SaveEngine() const { return m_eduke32 ? kEDuke32Saves : kDuke3dwSaves; }
  const std::string& SavedGamePattern() const { return m_savedGamePattern; }

  void ChooseExecutable(int entry);  // entry 1..5 of "Select Duke Game"
  void AddDesktopIcon();
  void CreateDesktopShortcut();

  // Steps of the start-up pass.
  void ClearExecutableList() { m_gameExecutables.clear(); }
  void DetectGameEdition();
  void FindGameExecutables();
  void UpdatePlayButton();
  void UpdateWindowTitle();
  void SwitchHighResPack();
  void ResetSavedGamePattern() { m_savedGamePattern = kDuke3dwSaves.pattern; }

 private:
  Session& m_s;
  GameEdition m_edition = GameEdition::NoData;
  std::vector<std::string> m_gameExecutables;  // "Select Duke Game" chooses among the first five
  bool m_eduke32 = false;
  std::string m_savedGamePattern = "game*.sav";  // the engine's; each pass starts from "game*.sav"
};

}  // namespace tv
