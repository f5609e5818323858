#include "session/MapBrowser.h"

#include <algorithm>

#include "catalog/History.h"
#include "catalog/MapExport.h"
#include "catalog/OpinionTime.h"
#include "platform/RunTimeError.h"
#include "platform/Text.h"

namespace tv {
namespace {

constexpr const char* kMapLimitWarning =
    "Folder exceeds maximim limit of 1000 Maps!\nPlease create new Maps(n) folder.";

std::vector<MapEntry> EntriesOf(const std::vector<ListRow>& rows) {
  std::vector<MapEntry> entries;
  entries.reserve(rows.size());
  for (const ListRow& row : rows) entries.push_back({row.text, row.code});
  return entries;
}

}  // namespace

std::string MapBrowser::MapPath(const std::string& name) const { return m_s.programFolder + m_folder + kSep + name; }

std::string& MapBrowser::CurrentFolderMap() {
  // An index outside the table stands for the first folder, as at start-up.
  const long i = m_s.settings.lastMapFolder;
  return m_s.settings.folderMap[std::size_t(i >= 0 && i < kMapFolderSlots ? i : 0)];
}

const std::string& MapBrowser::FirstSelected() const {
  static const std::string kNone;
  if (m_s.view.mapSelected.empty()) return kNone;
  return m_s.view.mapRows.at(std::size_t(m_s.view.mapSelected.front())).text;
}

void MapBrowser::ClearTables() {
  m_maps.Clear();
  for (ListRow& row : m_s.view.mapRows) row.code = 0;
}

void MapBrowser::FindFolders() {
  m_folders = MapFolderSlots(m_s.fs, m_s.programFolder);
  for (std::size_t n = 1; n < m_folders.size(); ++n) {
    MenuEntry& entry = m_s.view.mapFolders[n];
    entry.visible = !m_folders[n].empty();
    if (entry.visible) entry.caption = m_folders[n];
  }
}

void MapBrowser::LoadFirstFolder() {
  Settings& settings = m_s.settings;
  const long i = settings.lastMapFolder;
  if (i >= 0 && i < kMapFolderSlots && !m_folders[std::size_t(i)].empty()) {
    settings.lastPlayedMap = settings.folderMap[std::size_t(i)];
    LoadFolder(m_folders[std::size_t(i)]);
  } else {
    settings.lastPlayedMap = settings.folderMap[0];
    LoadFolder("Maps");
  }
}

void MapBrowser::ApplySavedSortMode() { ShowOrder(MapOrderOfMode(m_s.settings.sortedMaps)); }

void MapBrowser::LoadFolder(const std::string& folder) {
  if (folder.empty() || !m_s.fs.FolderExists(m_s.programFolder + folder)) return;
  m_folder = folder;
  m_s.view.mapHeading = "Maps from " + folder;
  m_listing = m_s.fs.List(m_s.programFolder + folder, "*.map");
  if (!m_listing.empty() && m_s.settings.lastPlayedMap.empty()) m_s.settings.lastPlayedMap = m_listing.front();
  FillList();
  if (m_listing.size() > kMaxMapRows - 1) {
    m_s.ui.Beep(BeepKind::Default);
    // Not through Session::ShowMessage: the pass its closing starts reads the
    // folder index back from the settings file, so after a menu choice it
    // would return to the folder the user just left (and inside a pass it
    // could only repeat this warning).
    m_s.ui.ShowMessage(kMapLimitWarning);
  }
}

void MapBrowser::FillList() {
  ClearTables();
  m_s.view.mapRows.clear();
  m_s.view.mapSelected.clear();
  if (m_listing.empty()) return;
  m_maps.Load(m_s.fs, m_s.programFolder + m_folder + kSep, m_listing, m_s.env.formats);
  ShowRows(m_maps.Base());
}

void MapBrowser::ShowRows(const std::vector<MapEntry>& rows, bool bestOnly) {
  MainView& view = m_s.view;
  view.mapRows.clear();
  view.mapSelected.clear();
  int remembered = -1;
  for (const MapEntry& map : rows) {
    if (bestOnly && !ShownInBestMaps(map.code)) continue;
    if (remembered < 0 && map.name == m_s.settings.lastPlayedMap) remembered = int(view.mapRows.size());
    view.mapRows.push_back({map.name, map.code});
  }
  if (!view.mapRows.empty()) view.mapSelected.assign(1, std::max(remembered, 0));
  view.mapTopRow = view.mapSelected.empty() ? -1 : view.mapSelected.front();
  SelectionChanged();
}

void MapBrowser::SelectionChanged() {
  MainView& view = m_s.view;
  const bool single = view.mapSelected.size() <= 1;
  view.mapButtonEnabled = view.tcButtonEnabled = view.playEnabled = single;
  if (!single || view.mapSelected.empty()) return;
  const std::string& name = FirstSelected();
  const std::int64_t kb = std::max<std::int64_t>(m_s.fs.FileSize(MapPath(name)), 0) / 1000;
  view.mapHint = name + "  -  Size: " + Dec(kb) + "K\nRightclick for Options.";
  const std::string lower = Lower(name);
  const std::size_t dot = lower.find(".map");
  if (dot != std::string::npos && m_s.fs.FileExists(MapPath(lower.substr(0, dot) + ".txt")))
    view.mapHint += "\nDoubleclick for Readme.";
}

void MapBrowser::ShowOrder(MapOrder order) {
  m_s.settings.lastPlayedMap = CurrentFolderMap();
  switch (order) {
    case MapOrder::Alphabetical:
      ShowRows(m_maps.Base());
      break;
    case MapOrder::Colors:
    case MapOrder::Best:
      ShowRows(m_maps.ColorOrder(), order == MapOrder::Best);
      break;
    case MapOrder::Sizing:
      ShowRows(m_maps.SizeOrder(m_s.fs, m_s.programFolder + m_folder + kSep));
      break;
  }
  // The menu's entries are in the order's order.
  m_s.view.mapSortChecked = {};
  m_s.view.mapSortChecked[std::size_t(order)] = true;
}

void MapBrowser::SetOpinion(int code) {
  const std::time_t time = OpinionFileTime(code, m_s.env.now(), m_s.env.formats);
  const MapOrder order = MapOrderOfMode(m_s.settings.sortedMaps);
  for (const int row : m_s.view.mapSelected) {
    ListRow& map = m_s.view.mapRows.at(std::size_t(row));
    // Only a time that was set changes the colour: the list must not show
    // an opinion that the file does not hold.
    if (m_s.fs.SetModifiedTime(MapPath(map.text), time)) {
      map.code = code;
      m_maps.SetCode(order, std::size_t(row), code);
    }
    if (!m_s.view.multiSelect) break;
  }
}

void MapBrowser::SaveOpinions(bool silent) {
  const std::string text = MapExportText(EntriesOf(m_s.view.mapRows));
  // One rated map makes a file as well as two; with none there is nothing to say.
  if (text.empty()) return;
  const std::string path = m_s.programFolder + MapExportFileName(m_folder);
  if (!m_s.fs.ReplaceFile(path, text)) throw RunTimeError("Cannot create file \"" + path + "\".");
  if (!silent) m_s.ui.Beep(BeepKind::Information);
}

void MapBrowser::OpenFolder(int slot) {
  if (slot < 0 || slot >= kMapFolderSlots) return;
  m_s.settings.lastMapFolder = slot;
  m_s.settings.lastPlayedMap = m_s.settings.folderMap[std::size_t(slot)];
  LoadFolder(m_folders[std::size_t(slot)]);
  m_s.ui.Beep(BeepKind::Information);
}

void MapBrowser::Sort(int entry) {
  if (entry < 1 || entry > 4) return;
  ShowOrder(MapOrderOfMode(entry - 1));
  m_s.settings.sortedMaps = entry - 1;
  m_s.ui.Beep(BeepKind::Information);
}

void MapBrowser::ToggleMultiSelect() {
  MainView& view = m_s.view;
  view.multiSelect = !view.multiSelect;
  if (!view.multiSelect && view.mapSelected.size() > 1) {
    view.mapSelected.erase(view.mapSelected.begin() + 1, view.mapSelected.end());
    SelectionChanged();
  }
}

void MapBrowser::Select(const std::vector<int>& rows) {
  MainView& view = m_s.view;
  view.mapSelected.clear();
  for (const int row : rows)
    if (row >= 0 && std::size_t(row) < view.mapRows.size()) view.mapSelected.push_back(row);
  std::sort(view.mapSelected.begin(), view.mapSelected.end());
  SelectionChanged();
}

void MapBrowser::Remember() {
  const MainView& view = m_s.view;
  if (view.mapRows.empty()) return;
  const int row = view.mapSelected.empty() ? 0 : view.mapSelected.front();
  CurrentFolderMap() = view.mapRows[std::size_t(row)].text;
}

void MapBrowser::OpenOpinion() {
  const std::string name = FirstSelected();
  if (name.empty()) return;
  m_s.ui.Beep(BeepKind::Information);
  const std::int64_t size = std::max<std::int64_t>(m_s.fs.FileSize(MapPath(name)), 0);
  m_chooser.SetOtherInstallation(m_s.settings.opinionPath);
  const std::string topLine = size > 0 ? name + " - " + Dec(size / 1000) + "kb" : name;
  // Only Cancel drops the export; a verdict or the window's frame keep it.
  if (m_chooser.Choose(topLine, name, [this](int code) { SetOpinion(code); }).by != OpinionAnswer::By::Cancel)
    SaveOpinions(true);
}

void MapBrowser::OpenReadMe() {
  const auto readMe = FindReadMe(m_s.fs, m_s.programFolder, m_folder, FirstSelected());
  if (!readMe) return;
  const ReadMeView view = LoadReadMe(m_s.fs, *readMe);
  m_s.ui.Beep(view.beep);
  m_s.ShowModal([&] { m_s.ui.ShowReadMe(view); });
}

void MapBrowser::ShowHistory() {
  m_s.ui.Beep(BeepKind::Exclamation);
  m_s.ShowModal([this] {
    m_s.ui.ShowHistory([this] {
      std::vector<HistoryRow> rows;
      m_s.Guarded([&] { rows = HistoryRows(); });
      return rows;
    });
  });
}

std::vector<HistoryRow> MapBrowser::HistoryRows() const {
  std::vector<std::string> mapNames;
  for (const MapEntry& e : m_maps.Base()) mapNames.push_back(e.name);
  const auto opinionOf = [this](const std::string& map) -> long {
    const auto time = m_s.fs.ModifiedTime(MapPath(map));
    return time ? OpinionFromFileTime(*time, m_s.env.formats) : 0;
  };
  std::vector<HistoryRow> rows;
  for (std::string& name : ReadHistory(m_s.fs, m_s.SettingsPath())) {
    const long opinion = HistoryOpinion(mapNames, name, opinionOf);
    rows.push_back({std::move(name), opinion});
  }
  return rows;
}

}  // namespace tv
