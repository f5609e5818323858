#pragma once
// The total conversions of the Games folder: their discovery (with the scan
// results kept between runs), the TC list with its opinions, and the level
// names of one TC.
#include <array>
#include <string>
#include <vector>

#include "session/OpinionChooser.h"
#include "session/Session.h"
#include "catalog/GroupScan.h"
#include "catalog/Tcs.h"

namespace tv {

class TcCatalog {
 public:
  TcCatalog(Session& session, OpinionChooser& opinions);

  // Row i of the TC list is entry i of the table.
  const std::vector<TcRecord>& Records() const { return m_tcs; }
  // The selected row's text, "" when none is selected.
  std::string SelectedName() const;

  void Select(int row);  // the selection changed
  void Remember();
  // The opinion window's choice goes to the TC of LastPlayedTC.
  void OpenOpinion();
  // Fills the level names with the maps of the TC of that row ("Play TC
  // Level"); a TC without maps gets none.
  void ListLevels(int row);
  // The level table's rows for a TC, and the display name of that TC.
  const std::vector<std::string>& LevelNames() const { return m_levelNames; }
  const std::string& LevelsName() const { return m_levelsName; }

  // Steps of the start-up pass.
  void FindGamesFolder() { m_s.gamesFolder = m_s.programFolder + "Games"; }
  void ClearTable() { m_tcs.clear(); }
  void ClearOpinions() { m_opinions.fill("0"); }
  void ListGroupFiles();
  void Discover();
  void FillList();
  void PackAndLoadOpinions();

 private:
  int RowOfLastPlayed() const;
  void SetOpinion(int code);
  void SetRowOpinion(int row, int code);

  Session& m_s;
  OpinionChooser& m_chooser;
  std::vector<std::string> m_groupListing;      // "*.grp;*.zip" of the Games folder
  std::vector<TcRecord> m_tcs;                  // at most kMaxTcs
  std::array<std::string, kMaxTcs> m_opinions;  // opinion code per row, as text
  GroupScanCache m_groupScans;                  // read once a run, stored when changed
  std::vector<std::string> m_levelNames;
  std::string m_levelsName;
};

}  // namespace tv
