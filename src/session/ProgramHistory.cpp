// The play history window, the read-me viewer and the batch window.
#include "session/Program.h"
#include "catalog/History.h"
#include "catalog/OpinionTime.h"

namespace tv {

void Program::ShowHistory() {
  m_ui.Beep(BeepKind::Exclamation);
  Guarded([this] { ShowModal(Window::History); });
  m_ui.Refresh();
}

std::vector<Program::HistoryRow> Program::HistoryRows() {
  std::vector<std::string> mapNames;
  for (const MapEntry& e : m_maps.Base()) mapNames.push_back(e.name);
  const auto opinionOf = [this](const std::string& map) -> long {
    const auto time = m_fs.ModifiedTime(MapPath(map));
    return time ? OpinionFromFileTime(*time, m_env.formats) : 0;
  };
  std::vector<HistoryRow> rows;
  for (std::string& name : ReadHistory(m_fs, SettingsPath())) {
    const long opinion = HistoryOpinion(mapNames, name, opinionOf);
    rows.push_back({std::move(name), opinion});
  }
  return rows;
}

ReadMeView Program::ReadMeToShow() {
  ReadMeView view = LoadReadMe(m_fs, {m_infoFile.first, m_infoFile.second});
  m_ui.Beep(view.beep);
  return view;
}

void Program::ListBatchFiles() { m_batch.Show(m_fs, m_programFolder); }

}  // namespace tv
