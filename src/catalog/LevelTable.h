#pragma once
// The level chooser "Select level": the stock episodes' 47 rows, or the maps
// of one TC, and the switches or map file chosen from them.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

struct StockLevel {
  std::string_view level, title;
};

// The Level text of the rows that part the episodes.
inline constexpr std::string_view kLevelSeparator = "  ";

inline constexpr StockLevel kStockLevels[] = {
    {"E1L1", "Hollywood Holocaust"},
    {"E1L2", "Red Light District"},
    {"E1L3", "Death Row"},
    {"E1L4", "Toxic Dump"},
    {"E1L5", "The Abyss"},
    {"E1L6", "Launch Facility"},
    {"E1L7", "Faces of Death"},
    {"E1L8", "User Map"},
    {"E1L9", "Void Zone"},
    {"E1L10", "Roach Condo"},
    {"E1L11", "Antiprofit"},
    {kLevelSeparator, ""},
    {"E2L1", "Spaceport"},
    {"E2L2", "Incubator"},
    {"E2L3", "Warp Factor"},
    {"E2L4", "Fusion Station"},
    {"E2L5", "Occupied Territory"},
    {"E2L6", "Tiberius Station"},
    {"E2L7", "Lunar Reactor"},
    {"E2L8", "Dark Side"},
    {"E2L9", "Overlord"},
    {"E2L10", "Spin Cycle"},
    {"E2L11", "Lunatic Fringe"},
    {kLevelSeparator, ""},
    {"E3L1", "Raw Meat"},
    {"E3L2", "Bank Roll"},
    {"E3L3", "Flood Zone"},
    {"E3L4", "L.A. Rumble"},
    {"E3L5", "Movie Set"},
    {"E3L6", "Rabid Transit"},
    {"E3L7", "Fahrenheit"},
    {"E3L8", "Hotel Hell"},
    {"E3L9", "Stadium"},
    {"E3L10", "Tier Drops"},
    {"E3L11", "Freeway"},
    {kLevelSeparator, ""},
    {"E4L1", "It's Impossible"},
    {"E4L2", "Duke-Burger"},
    {"E4L3", "Shop-n-Bag"},
    {"E4L4", "Babe Land"},
    {"E4L5", "Pigsty"},
    {"E4L6", "Going Postal"},
    {"E4L7", "xxx-Stacy"},
    {"E4L8", "Critical Mass"},
    {"E4L9", "Derelict"},
    {"E4L10", "The Queen"},
    {"E4L11", "Area 51"},
};
// Four episodes of eleven levels, parted by three separators.
static_assert(std::size(kStockLevels) == 4 * 11 + 3);

// " -v" + episode + " -l" + two-digit level for the row at position i of the
// stock table: rows 0-10 are episode 1, 12-22 episode 2, and so on.
std::string StockLevelSwitches(int position);

struct LevelRow {
  std::string level, title;
};

class LevelChooser {
 public:
  // "Play Level": the stock table in its own order.
  void PrepareStock();
  // "Play TC Level": the TC's level names (upper case, without ".map") become
  // the rows, sorted by their Level text. No names: the stock table, sorted.
  void PrepareTc(const std::vector<std::string>& levelNames);

  void Prepare();
  // shownRow is the selected row's position as shown, -1 for none. Returns
  // true when the window closes.
  bool Select(int shownRow);
  void Cancel();

  bool TcMode() const { return m_tcMode; }
  const std::vector<LevelRow>& Rows() const { return m_rows; }
  const std::string& LevelSwitches() const { return m_levelSwitches; }
  const std::string& MapFile() const { return m_mapFile; }

 private:
  bool m_tcMode = false;
  std::vector<LevelRow> m_rows;
  std::string m_levelSwitches;
  std::string m_mapFile;
};

}  // namespace tv
