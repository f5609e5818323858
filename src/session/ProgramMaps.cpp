// Map folders, the map list, opinions and the four orders.
#include <algorithm>
#include <charconv>

#include "session/Program.h"
#include "catalog/MapExport.h"
#include "catalog/OpinionTime.h"
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

std::string& Program::CurrentFolderMap() {
  // An index outside the table stands for the first folder, as at start-up.
  const long i = m_settings.lastMapFolder;
  return m_settings.folderMap[std::size_t(i >= 0 && i < kMapFolderSlots ? i : 0)];
}

const std::string& Program::FirstSelectedMap() const {
  static const std::string kNone;
  if (m_view.mapSelected.empty()) return kNone;
  return m_view.mapRows.at(std::size_t(m_view.mapSelected.front())).text;
}

int Program::TcRowOfLastPlayed() const {
  const std::string& text = m_settings.lastPlayedTC;
  int row = 0;
  const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), row);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) throw NotValidInteger(text);
  return row;
}

void Program::ClearMapTables() {
  m_maps.Clear();
  for (ListRow& row : m_view.mapRows) row.code = 0;
}

void Program::FindMapFolders() {
  m_mapFolders = MapFolderSlots(m_fs, m_programFolder);
  for (std::size_t n = 1; n < m_mapFolders.size(); ++n) {
    MenuEntry& entry = m_view.mapFolders[n];
    entry.visible = !m_mapFolders[n].empty();
    if (entry.visible) entry.caption = m_mapFolders[n];
  }
}

void Program::LoadFirstMapFolder() {
  const long i = m_settings.lastMapFolder;
  if (i >= 0 && i < kMapFolderSlots && !m_mapFolders[std::size_t(i)].empty()) {
    m_settings.lastPlayedMap = m_settings.folderMap[std::size_t(i)];
    LoadMapFolder(m_mapFolders[std::size_t(i)]);
  } else {
    m_settings.lastPlayedMap = m_settings.folderMap[0];
    LoadMapFolder("Maps");
  }
}

void Program::ApplySavedSortMode() {
  switch (MapOrderOfMode(m_settings.sortedMaps)) {
    case MapOrder::Colors:
      SortMapsByColor(false);
      break;
    case MapOrder::Sizing:
      SortMapsBySize();
      break;
    case MapOrder::Best:
      SortMapsByColor(true);
      break;
    case MapOrder::Alphabetical:
      SortMapsByName();
      break;
  }
}

void Program::LoadMapFolder(const std::string& folder) {
  if (folder.empty() || !m_fs.FolderExists(m_programFolder + folder)) return;
  m_mapFolder = folder;
  m_view.mapHeading = "Maps from " + folder;
  m_mapListing = m_fs.List(m_programFolder + folder, "*.map");
  if (!m_mapListing.empty() && m_settings.lastPlayedMap.empty()) m_settings.lastPlayedMap = m_mapListing.front();
  FillMapList();
  if (m_mapListing.size() > kMaxMapRows - 1) {
    m_ui.Beep(BeepKind::Default);
    // Not through ShowMessage: the pass its closing starts reads the folder
    // index back from the settings file, so after a menu choice it would
    // return to the folder the user just left (and inside a pass it could
    // only repeat this warning).
    m_ui.ShowMessage(kMapLimitWarning);
  }
}

void Program::FillMapList() {
  ClearMapTables();
  m_view.mapRows.clear();
  m_view.mapSelected.clear();
  if (m_mapListing.empty()) return;
  m_maps.Load(m_fs, m_programFolder + m_mapFolder + kSep, m_mapListing, m_env.formats);
  ShowMapRows(m_maps.Base());
}

void Program::ShowMapRows(const std::vector<MapEntry>& rows, bool bestOnly) {
  m_view.mapRows.clear();
  m_view.mapSelected.clear();
  int remembered = -1;
  for (const MapEntry& map : rows) {
    if (bestOnly && !ShownInBestMaps(map.code)) continue;
    if (remembered < 0 && map.name == m_settings.lastPlayedMap) remembered = int(m_view.mapRows.size());
    m_view.mapRows.push_back({map.name, map.code});
  }
  if (!m_view.mapRows.empty()) m_view.mapSelected.assign(1, std::max(remembered, 0));
  m_view.mapTopRow = m_view.mapSelected.empty() ? -1 : m_view.mapSelected.front();
  MapSelectionChanged();
}

void Program::MapSelectionChanged() {
  const bool single = m_view.mapSelected.size() <= 1;
  m_view.mapButtonEnabled = m_view.tcButtonEnabled = m_view.playEnabled = single;
  if (!single || m_view.mapSelected.empty()) return;
  const std::string& name = FirstSelectedMap();
  const std::int64_t kb = std::max<std::int64_t>(m_fs.FileSize(MapPath(name)), 0) / 1000;
  m_view.mapHint = name + "  -  Size: " + Dec(kb) + "K\nRightclick for Options.";
  const std::string lower = Lower(name);
  const std::size_t dot = lower.find(".map");
  if (dot != std::string::npos && m_fs.FileExists(MapPath(lower.substr(0, dot) + ".txt")))
    m_view.mapHint += "\nDoubleclick for Readme.";
}

void Program::CheckMapSort(int entry) {
  m_view.mapSortChecked = {};
  m_view.mapSortChecked[std::size_t(entry - 1)] = true;
}

void Program::SortMapsByName() {
  m_settings.lastPlayedMap = CurrentFolderMap();
  ShowMapRows(m_maps.Base());
  CheckMapSort(1);
}

void Program::SortMapsByColor(bool bestOnly) {
  m_settings.lastPlayedMap = CurrentFolderMap();
  ShowMapRows(m_maps.ColorOrder(), bestOnly);
  CheckMapSort(bestOnly ? 4 : 2);
}

void Program::SortMapsBySize() {
  m_settings.lastPlayedMap = CurrentFolderMap();
  ShowMapRows(m_maps.SizeOrder(m_fs, m_programFolder + m_mapFolder + kSep));
  CheckMapSort(3);
}

void Program::SetMapOpinion(int code) {
  if (m_opinionTarget == OpinionTarget::Tcs) {
    const int selected = m_view.tcSelected;
    const bool any = selected >= 0 && std::size_t(selected) < m_view.tcRows.size();
    StoreTCOpinion(Dec(code) + " " + (any ? m_view.tcRows[std::size_t(selected)].text : std::string()));
    SetTCRowOpinion(TcRowOfLastPlayed(), code);
  } else {
    const std::time_t time = OpinionFileTime(code, m_env.now(), m_env.formats);
    const MapOrder order = MapOrderOfMode(m_settings.sortedMaps);
    for (const int row : m_view.mapSelected) {
      ListRow& map = m_view.mapRows.at(std::size_t(row));
      // Only a time that was set changes the colour: the list must not show
      // an opinion that the file does not hold.
      if (m_fs.SetModifiedTime(MapPath(map.text), time)) {
        map.code = code;
        m_maps.SetCode(order, std::size_t(row), code);
      }
      if (!m_view.multiSelect) break;
    }
  }
  SaveSettings();
}

void Program::SaveMapOpinions(bool silent) {
  const std::string text = MapExportText(EntriesOf(m_view.mapRows));
  // One rated map makes a file as well as two; with none there is nothing to say.
  if (text.empty()) return;
  const std::string path = m_programFolder + MapExportFileName(m_mapFolder);
  if (!m_fs.ReplaceFile(path, text)) throw RunTimeError("Cannot create file \"" + path + "\".");
  if (!silent) m_ui.Beep(BeepKind::Information);
}

OpinionChooser& Program::Opinions() {
  // Made at first use: it holds the file system, the port and the formats,
  // which are set up after the members of this part.
  if (!m_opinions)
    m_opinions = std::make_unique<OpinionChooser>(m_fs, m_ui, m_env.formats,
                                                  [this](int code) { Guarded([&] { SetMapOpinion(code); }); });
  return *m_opinions;
}

void Program::OpenMapFolder(int slot) {
  if (slot < 0 || slot >= kMapFolderSlots) return;
  Guarded([&] {
    m_settings.lastMapFolder = slot;
    m_settings.lastPlayedMap = m_settings.folderMap[std::size_t(slot)];
    LoadMapFolder(m_mapFolders[std::size_t(slot)]);
    m_ui.Beep(BeepKind::Information);
  });
  m_ui.Refresh();
}

void Program::SortMaps(int entry) {
  if (entry < 1 || entry > 4) return;
  Guarded([&] {
    switch (entry) {
      case 1:
        SortMapsByName();
        break;
      case 2:
        SortMapsByColor(false);
        break;
      case 3:
        SortMapsBySize();
        break;
      default:
        SortMapsByColor(true);
        break;
    }
    m_settings.sortedMaps = entry - 1;
    m_ui.Beep(BeepKind::Information);
  });
  m_ui.Refresh();
}

void Program::ToggleMultiSelect() {
  m_view.multiSelect = !m_view.multiSelect;
  if (!m_view.multiSelect && m_view.mapSelected.size() > 1) {
    m_view.mapSelected.erase(m_view.mapSelected.begin() + 1, m_view.mapSelected.end());
    MapSelectionChanged();
  }
  m_ui.Refresh();
}

void Program::ExportMapOpinions() {
  Guarded([this] { SaveMapOpinions(false); });
  m_ui.Refresh();
}

void Program::SelectMaps(const std::vector<int>& selectedRows) {
  m_view.mapSelected.clear();
  for (const int row : selectedRows)
    if (row >= 0 && std::size_t(row) < m_view.mapRows.size()) m_view.mapSelected.push_back(row);
  std::sort(m_view.mapSelected.begin(), m_view.mapSelected.end());
  MapSelectionChanged();
  m_ui.Refresh();
}

void Program::RememberMap() {
  if (m_view.mapRows.empty()) return;
  const int row = m_view.mapSelected.empty() ? 0 : m_view.mapSelected.front();
  CurrentFolderMap() = m_view.mapRows[std::size_t(row)].text;
}

void Program::OpenMapOpinion() {
  const std::string name = FirstSelectedMap();
  if (name.empty()) return;
  Guarded([&] {
    m_ui.Beep(BeepKind::Information);
    const std::int64_t size = std::max<std::int64_t>(m_fs.FileSize(MapPath(name)), 0);
    m_opinionTarget = OpinionTarget::Maps;
    OpinionChooser& opinions = Opinions();
    opinions.topLine = size > 0 ? name + " - " + Dec(size / 1000) + "kb" : name;
    opinions.mapName = name;
    opinions.opinionPath = m_settings.opinionPath;
    opinions.exportFlag = true;
    ShowModal(Window::Opinion);
    if (opinions.exportFlag) SaveMapOpinions(true);
  });
  m_ui.Refresh();
}

void Program::OpenMapReadMe() {
  const auto readMe = FindReadMe(m_fs, m_programFolder, m_mapFolder, FirstSelectedMap());
  if (!readMe) return;
  m_infoFile = {readMe->folder, readMe->name};
  Guarded([this] { ShowModal(Window::ReadMe); });
  m_ui.Refresh();
}

}  // namespace tv
