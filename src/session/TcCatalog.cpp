#include "session/TcCatalog.h"

#include <charconv>

#include "platform/RunTimeError.h"
#include "platform/Text.h"

namespace tv {

TcCatalog::TcCatalog(Session& session, OpinionChooser& opinions) : m_s(session), m_chooser(opinions) {
  m_groupScans.KeepIn(m_s.env.cacheFolder, m_s.env.programFolder, m_s.env.now);
}

std::string TcCatalog::SelectedName() const {
  const int row = m_s.view.tcSelected;
  return row >= 0 && std::size_t(row) < m_s.view.tcRows.size() ? m_s.view.tcRows[std::size_t(row)].text : "";
}

void TcCatalog::ListGroupFiles() {
  // A Games folder that went away leaves the listing as it was; discovery
  // then finds no folder and stops.
  if (m_s.fs.FolderExists(m_s.gamesFolder)) m_groupListing = m_s.fs.List(m_s.gamesFolder, kGroupFilePatterns);
}

void TcCatalog::Discover() {
  m_tcs = DiscoverTCs(m_s.fs, m_groupScans, m_s.gamesFolder, m_groupListing);
  m_groupScans.Sweep();
  m_groupScans.Store();
}

void TcCatalog::FillList() {
  MainView& view = m_s.view;
  view.tcRows.clear();
  for (const std::string& text : TcListRows(m_tcs))
    view.tcRows.push_back({text, TcOpinionCode(m_opinions[view.tcRows.size()])});
  view.tcSelected = -1;  // kept when LastPlayedTC is no number
  view.tcSelected = TcRowToSelect(m_s.settings.lastPlayedTC, view.tcRows.size());
}

void TcCatalog::PackAndLoadOpinions() {
  IniFile ini(m_s.fs, m_s.SettingsPath(), IniFile::Writes::Deferred);
  if (!ini.FileExisted()) return;
  PackTCOpinions(ini);
  ini.Flush();
  std::vector<std::string> rows;
  for (const ListRow& row : m_s.view.tcRows) rows.push_back(row.text);
  for (const TcRowOpinion& o : LoadTCOpinions(ini, m_tcs, rows)) {
    m_opinions[o.row] = std::string(1, o.code);
    m_s.view.tcRows[o.row].code = TcOpinionCode(m_opinions[o.row]);
  }
  ini.Flush();
}

void TcCatalog::Select(int row) {
  m_s.view.tcSelected = row >= 0 && std::size_t(row) < m_s.view.tcRows.size() ? row : -1;
}

void TcCatalog::Remember() { m_s.settings.lastPlayedTC = Dec(m_s.view.tcSelected); }

void TcCatalog::OpenOpinion() {
  const std::string name = SelectedName();
  if (name.empty() || Contains(name, kTcSeparator)) return;
  m_s.ui.Beep(BeepKind::Information);
  m_chooser.Choose(name, "", [this](int code) { SetOpinion(code); });
}

int TcCatalog::RowOfLastPlayed() const {
  const std::string& text = m_s.settings.lastPlayedTC;
  int row = 0;
  const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), row);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) throw NotValidInteger(text);
  return row;
}

void TcCatalog::SetOpinion(int code) {
  IniFile ini(m_s.fs, m_s.SettingsPath());
  StoreTCOpinion(ini, m_tcs, m_s.view.tcRows.size(), Dec(code) + " " + SelectedName());
  SetRowOpinion(RowOfLastPlayed(), code);
}

void TcCatalog::SetRowOpinion(int row, int code) {
  if (row < 0 || std::size_t(row) >= kMaxTcs) return;
  m_opinions[std::size_t(row)] = Dec(code);
  if (std::size_t(row) < m_s.view.tcRows.size()) m_s.view.tcRows[std::size_t(row)].code = code;
}

void TcCatalog::ListLevels(int row) {
  const std::string name =
      row >= 0 && std::size_t(row) < m_s.view.tcRows.size() ? m_s.view.tcRows[std::size_t(row)].text : "";
  if (name == m_levelsName) return;
  // The row text, not the group file, names the archive: a TC renamed by its
  // settings file has no maps here.
  const std::string stem = m_s.gamesFolder + kSep + name;
  FileSystem& fs = m_s.fs;
  std::vector<std::string> names;
  if (fs.FileExists(stem + ".grp")) {
    const std::string grp = fs.Resolve(stem + ".grp");
    names = m_groupScans.LevelNames(grp, [&] { return LevelNamesInGrp(fs.ReadBytes(grp, 0, kGrpLevelBytes)); });
  } else if (fs.FileExists(stem + ".zip")) {
    const std::string zip = fs.Resolve(stem + ".zip");
    names = m_groupScans.LevelNames(zip, [&] { return LevelNamesInZipFile(fs, zip); });
  }
  m_groupScans.Store();
  // A TC without level names gets none, never the maps of the TC listed before.
  m_levelNames = std::move(names);
  m_levelsName = name;
}

}  // namespace tv
