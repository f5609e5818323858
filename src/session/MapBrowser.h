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
  void OpenOpinion();
  // The opinion window's choice for the selected map(s).
  void SetOpinion(int code);
  void ExportOpinions() { SaveOpinions(false); }
  void OpenReadMe();
  // The read-me viewer's showing of the file OpenReadMe() chose, with its beep.
  ReadMeView ReadMeToShow();
  const ReadMeFile& ReadMe() const { return m_readMe; }
  void ShowHistory();
  // The history window's rows, read afresh at every activation of it.
  struct HistoryRow {
    std::string name;
    long opinion = 0;
  };
  std::vector<HistoryRow> HistoryRows();

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
  void SortByName();
  void SortByColor(bool bestOnly);
  void SortBySize();
  void CheckSort(int entry);
  void SaveOpinions(bool silent);

  Session& m_s;
  OpinionChooser& m_chooser;
  MapFolderTable m_folders;
  std::string m_folder;
  std::vector<std::string> m_listing;
  MapTables m_maps;
  ReadMeFile m_readMe;
};

}  // namespace tv
