#pragma once
// The maps of the loaded folder in load order, and the colour and size orders
// worked out from them at first use and kept until the next load.
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Files.h"

namespace tv {

inline constexpr std::size_t kMaxMapRows = 1000;

// The four orders of the map list, as the sort mode stores them.
enum class MapOrder { Alphabetical, Colors, Sizing, Best };
MapOrder MapOrderOfMode(long sortMode);

struct MapEntry {
  std::string name;  // display text
  int code = 0;      // opinion
  friend bool operator==(const MapEntry&, const MapEntry&) = default;
};

// The opinion a map file's time gives: 1..8, or 0 for everything else.
int MapOpinion(std::optional<std::time_t> fileTime, const DateTimeFormats& formats);

// Whether "Best Maps" shows a map of this code: excellent, good, unrated.
bool ShownInBestMaps(int code);

struct SizedMap {
  std::int64_t size = 0;
  MapEntry entry;
};
// Ascending by size with the plain exchange procedure: for each i, every later
// j that is smaller is swapped into place i. Maps of equal size end in the
// order this yields, which is not always their load order. onExchange sees
// each swap.
void ExchangeSortBySize(std::vector<SizedMap>& maps,
                        const std::function<void(std::size_t, std::size_t)>& onExchange = {});

class MapTables {
 public:
  void Clear();
  // The first kMaxMapRows names of the listing, with their display texts and
  // the opinions of their file times. folderPath ends with the separator.
  void Load(FileSystem& fs, const std::string& folderPath, const std::vector<std::string>& listing,
            const DateTimeFormats& formats);

  const std::vector<MapEntry>& Base() const { return m_base; }
  // Codes 5, 1, 2, 3, 8, 4, 7, 6, 0 in turn, load order within a code.
  const std::vector<MapEntry>& ColorOrder();
  // A missing file counts as size 0.
  const std::vector<MapEntry>& SizeOrder(FileSystem& fs, const std::string& folderPath);

  // A new opinion for the entry at index of the table behind order; the
  // "Best Maps" rows are no table's indices, so that order changes none.
  void SetCode(MapOrder order, std::size_t index, int code);

 private:
  std::vector<MapEntry> m_base;
  std::vector<std::string> m_files;  // the names as listed, beside m_base
  std::vector<MapEntry> m_color;     // empty: not worked out since the load
  std::vector<MapEntry> m_size;      // likewise
};

}  // namespace tv
