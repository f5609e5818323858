#pragma once
// The map list: the map folders, the maps of the current one with their
// opinions, the four orders, the opinion export, a map's read-me and the
// history of maps played.
#include <string>
#include <vector>

#include "session/OpinionChooser.h"
#include "session/Session.h"
#include "catalog/MapFolders.h"
#include "catalog/MapTables.h"
#include "catalog/ReadMe.h"

namespace tv {

class MapBrowser {
 public:
  MapBrowser(Session& session, OpinionChooser& opinions) : m_s(session), m_chooser(opinions) {}

  const std::string& Folder() const { return m_folder; }  // empty until the first load
  const std::string& FirstSelected() const;                // "" when none is selected

  void OpenFolder(int slot);  // slot 0..6 of "Map Folders"
  void Sort(int entry);       // entry 1..4 of "Map Sorting"
  void ToggleMultiSelect();
  void Select(const std::vector<int>& rows);  // the selection changed
  void Remember();
  // The opinion window's choice goes to the selected map(s).
  void OpenOpinion();
  void ExportOpinions() { SaveOpinions(false); }
  void OpenReadMe();
  void ShowHistory();

  // Steps of the start-up pass.
  void ClearTables();
  void FindFolders();
  void LoadFirstFolder();
  void ApplySavedSortMode();

 private:
  std::string MapPath(const std::string& name) const;
  std::string& CurrentFolderMap();  // the remembered map of the current folder index
  void LoadFolder(const std::string& folder);
  void FillList();
  void ShowRows(const std::vector<MapEntry>& rows, bool bestOnly = false);
  void SelectionChanged();
  // Shows the rows in that order and ticks its menu entry.
  void ShowOrder(MapOrder order);
  void SetOpinion(int code);
  void SaveOpinions(bool silent);
  std::vector<HistoryRow> HistoryRows() const;

  Session& m_s;
  OpinionChooser& m_chooser;
  MapFolderTable m_folders;
  std::string m_folder;
  std::vector<std::string> m_listing;
  MapTables m_maps;
};

}  // namespace tv
