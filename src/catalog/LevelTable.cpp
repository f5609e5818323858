#include "catalog/LevelTable.h"

#include <algorithm>

#include "platform/Text.h"

namespace tv {

std::string StockLevelSwitches(int position) {
  int n = position + 1;
  int episode = 1;
  for (int i = 0; i < 3; ++i) {
    if (n > 11) {
      n -= 12;
      episode = i + 2;
    }
  }
  return " -v" + Dec(episode) + " -l" + (n < 10 ? "0" : "") + Dec(n);
}

void LevelChooser::PrepareStock() { m_tcMode = false; }

void LevelChooser::PrepareTc(const std::vector<std::string>& levelNames) {
  m_rows.clear();
  for (const std::string& name : levelNames) m_rows.push_back({name, ""});
  // A TC with no maps of its own plays the stock levels.
  if (m_rows.empty())
    for (const StockLevel& s : kStockLevels) m_rows.push_back({std::string(s.level), std::string(s.title)});
  m_tcMode = true;
  std::stable_sort(m_rows.begin(), m_rows.end(),
                   [](const LevelRow& a, const LevelRow& b) { return LessNoCase(a.level, b.level); });
}

void LevelChooser::Prepare() {
  m_levelSwitches.clear();
  m_mapFile.clear();
  if (m_tcMode) return;
  m_rows.clear();
  for (const StockLevel& s : kStockLevels) m_rows.push_back({std::string(s.level), std::string(s.title)});
}

bool LevelChooser::Select(int shownRow) {
  if (shownRow < 0 || shownRow >= int(m_rows.size())) return false;
  const std::string& level = m_rows[std::size_t(shownRow)].level;
  // A separator leaves both results alone, so that closing the window after it
  // cannot start a TC on a map named after the separator.
  if (level == kLevelSeparator) return false;
  m_mapFile = level + ".map";
  m_levelSwitches = StockLevelSwitches(shownRow);
  return true;
}

void LevelChooser::Cancel() { m_levelSwitches.clear(); }

}  // namespace tv
