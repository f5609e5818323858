#include "catalog/MapTables.h"

#include <algorithm>

#include "catalog/Opinion.h"
#include "catalog/OpinionTime.h"
#include "platform/Text.h"

namespace tv {

MapOrder MapOrderOfMode(long sortMode) {
  switch (sortMode) {
    case 1:
      return MapOrder::Colors;
    case 2:
      return MapOrder::Sizing;
    case 3:
      return MapOrder::Best;
    default:
      return MapOrder::Alphabetical;
  }
}

int MapOpinion(std::optional<std::time_t> fileTime, const DateTimeFormats& formats) {
  if (!fileTime) return 0;
  const int hour = OpinionFromFileTime(*fileTime, formats);
  return hour >= 1 && hour <= 8 ? hour : 0;
}

bool ShownInBestMaps(int code) { return code == 5 || code == 1 || code == 0; }

void ExchangeSortBySize(std::vector<SizedMap>& maps, const std::function<void(std::size_t, std::size_t)>& onExchange) {
  for (std::size_t i = 0; i < maps.size(); ++i) {
    for (std::size_t j = i + 1; j < maps.size(); ++j) {
      if (maps[i].size > maps[j].size) {
        std::swap(maps[i], maps[j]);
        if (onExchange) onExchange(i, j);
      }
    }
  }
}

void MapTables::Clear() {
  m_base.clear();
  m_files.clear();
  m_color.clear();
  m_size.clear();
}

void MapTables::Load(FileSystem& fs, const std::string& folderPath, const std::vector<std::string>& listing,
                     const DateTimeFormats& formats) {
  Clear();
  const std::size_t n = std::min(listing.size(), kMaxMapRows);
  m_base.reserve(n);
  m_files.assign(listing.begin(), listing.begin() + std::ptrdiff_t(n));
  for (const std::string& file : m_files)
    m_base.push_back({Capitalized(file), MapOpinion(fs.ModifiedTime(folderPath + file), formats)});
}

const std::vector<MapEntry>& MapTables::ColorOrder() {
  if (m_color.empty()) {
    m_color.reserve(m_base.size());
    for (const Opinion opinion : kOpinionColorOrder)
      for (const MapEntry& map : m_base)
        if (map.code == int(opinion)) m_color.push_back(map);
  }
  return m_color;
}

const std::vector<MapEntry>& MapTables::SizeOrder(FileSystem& fs, const std::string& folderPath) {
  if (m_size.empty() && !m_base.empty()) {
    std::vector<SizedMap> sized;
    sized.reserve(m_base.size());
    // The listed names find the files without a case-blind search each.
    for (std::size_t i = 0; i < m_base.size(); ++i)
      sized.push_back({std::max<std::int64_t>(fs.FileSize(folderPath + m_files[i]), 0), m_base[i]});
    ExchangeSortBySize(sized);
    m_size.reserve(sized.size());
    for (SizedMap& s : sized) m_size.push_back(std::move(s.entry));
  }
  return m_size;
}

void MapTables::SetCode(MapOrder order, std::size_t index, int code) {
  std::vector<MapEntry>* table = order == MapOrder::Alphabetical ? &m_base
                                 : order == MapOrder::Colors     ? &m_color
                                 : order == MapOrder::Sizing     ? &m_size
                                                                 : nullptr;
  if (table && index < table->size()) (*table)[index].code = code;
}

}  // namespace tv
