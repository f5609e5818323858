// Total conversions: discovery, the TC list and its opinions.
#include "session/Program.h"
#include "catalog/Tcs.h"
#include "platform/Text.h"

namespace tv {

void Program::ClearTcTable() { m_tcs.clear(); }

void Program::ClearTcOpinions() { m_tcOpinions.fill("0"); }

void Program::ListGroupFiles() {
  // A Games folder that went away leaves the listing as it was; discovery
  // then finds no folder and stops.
  if (m_fs.FolderExists(m_gamesFolder)) m_groupListing = m_fs.List(m_gamesFolder, kGroupFilePatterns);
}

void Program::DiscoverTCs() {
  m_tcs = tv::DiscoverTCs(m_fs, m_groupScans, m_gamesFolder, m_groupListing);
  m_groupScans.Sweep();
  m_groupScans.Store();
}

void Program::FillTCList() {
  m_view.tcRows.clear();
  for (const std::string& text : TcListRows(m_tcs))
    m_view.tcRows.push_back({text, TcOpinionCode(m_tcOpinions[m_view.tcRows.size()])});
  m_view.tcSelected = -1;  // kept when LastPlayedTC is no number
  m_view.tcSelected = TcRowToSelect(m_settings.lastPlayedTC, m_view.tcRows.size());
}

void Program::PackAndLoadTCOpinions() {
  IniFile ini(m_fs, SettingsPath(), IniFile::Writes::Deferred);
  if (!ini.FileExisted()) return;
  PackTCOpinions(ini);
  ini.Flush();
  std::vector<std::string> rows;
  for (const ListRow& row : m_view.tcRows) rows.push_back(row.text);
  for (const TcRowOpinion& o : LoadTCOpinions(ini, m_tcs, rows)) {
    m_tcOpinions[o.row] = std::string(1, o.code);
    m_view.tcRows[o.row].code = TcOpinionCode(m_tcOpinions[o.row]);
  }
  ini.Flush();
}

void Program::SelectTc(int selectedRow) {
  m_view.tcSelected = selectedRow >= 0 && std::size_t(selectedRow) < m_view.tcRows.size() ? selectedRow : -1;
  m_ui.Refresh();
}

void Program::RememberTc() {
  m_settings.lastPlayedTC = Dec(m_view.tcSelected);
  m_ui.Refresh();
}

void Program::OpenTcOpinion() {
  Guarded([this] {
    const std::string name = m_view.tcSelected < 0 ? "" : m_view.tcRows[std::size_t(m_view.tcSelected)].text;
    if (name.empty() || Contains(name, kTcSeparator)) return;
    m_ui.Beep(BeepKind::Information);
    m_opinionTarget = OpinionTarget::Tcs;
    OpinionChooser& opinions = Opinions();
    opinions.topLine = name;
    opinions.mapName.clear();
    ShowModal(Window::Opinion);
  });
  m_ui.Refresh();
}

void Program::StoreTCOpinion(const std::string& text) {
  IniFile ini(m_fs, SettingsPath());
  tv::StoreTCOpinion(ini, m_tcs, m_view.tcRows.size(), text);
}

void Program::SetTCRowOpinion(int row, int code) {
  if (row < 0 || std::size_t(row) >= kMaxTcs) return;
  m_tcOpinions[std::size_t(row)] = Dec(code);
  if (std::size_t(row) < m_view.tcRows.size()) m_view.tcRows[std::size_t(row)].code = code;
}

void Program::ListTCLevels(int row) {
  const std::string name =
      row >= 0 && std::size_t(row) < m_view.tcRows.size() ? m_view.tcRows[std::size_t(row)].text : "";
  if (name == m_tcLevelsName) return;
  // The row text, not the group file, names the archive: a TC renamed by its
  // settings file has no maps here.
  const std::string stem = m_gamesFolder + kSep + name;
  std::vector<std::string> names;
  if (m_fs.FileExists(stem + ".grp")) {
    const std::string grp = m_fs.Resolve(stem + ".grp");
    names = m_groupScans.LevelNames(grp, [&] { return LevelNamesInGrp(m_fs.ReadBytes(grp, 0, kGrpLevelBytes)); });
  } else if (m_fs.FileExists(stem + ".zip")) {
    const std::string zip = m_fs.Resolve(stem + ".zip");
    names = m_groupScans.LevelNames(zip, [&] { return LevelNamesInZipFile(m_fs, zip); });
  }
  m_groupScans.Store();
  // A TC without level names gets none, never the maps of the TC listed before.
  m_tcLevelNames = std::move(names);
  m_tcLevelsName = name;
}

}  // namespace tv
