// The map folders offered, the orders of a folder's map list, and the
// opinions export of a list.
#include <gtest/gtest.h>

#include "catalog/MapExport.h"
#include "catalog/MapFolders.h"
#include "catalog/MapTables.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;

Names NamesOf(const std::vector<MapEntry>& entries) {
  Names names;
  for (const MapEntry& e : entries) names.push_back(e.name);
  return names;
}

TEST(MapFolderSlots, NumberedFoldersUpToTheFirstGapThenMapsdmInTheNextFreeSlot) {
  const struct {
    Names folders;  // a name ending in "!" is a file
    MapFolderTable slots;
  } cases[] = {
      // clang-format off
      {{"Maps", "Maps1", "Maps2", "Maps4", "Mapsdm"}, {"Maps", "Maps1", "Maps2", "Mapsdm"}},
      {{"Maps1", "Maps3"}, {"Maps", "Maps1"}},
      {{"Maps2", "Mapsdm"}, {"Maps", "Mapsdm"}},
      {{"Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"},
       {"Maps", "Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"}},
      {{"MAPS1", "mapsDM"}, {"Maps", "Maps1", "Mapsdm"}},  // found whatever their case
      {{"Maps1!", "Mapsdm"}, {"Maps", "Mapsdm"}},          // a file named like a folder is none
      // clang-format on
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    for (const std::string& f : c.folders)
      f.ends_with('!') ? fixture::WriteFile(dir.Path() + f.substr(0, f.size() - 1), "")
                       : fixture::MakeFolder(dir.Path() + f);
    FileSystem fs(dir.Path());
    EXPECT_EQ(MapFolderSlots(fs, dir.Path()), c.slots) << c.folders.back();
  }
}

class MapOrders : public ::testing::Test {
 protected:
  // name, opinion hour, sprites (the size)
  void Load(const std::vector<std::tuple<std::string, int, int>>& maps) {
    for (const auto& [name, hour, sprites] : maps)
      fixture::WriteMap(dir.Path() + "Maps/" + name, hour, {1, 4, sprites});
    tables.Load(fs, dir.Path() + "Maps/", fs.List(dir.Path() + "Maps", "*.map"), {"dd/MM/yyyy", "HH:mm:ss"});
  }
  fixture::TempFolder dir;
  FileSystem fs{dir.Path()};
  MapTables tables;
};

TEST_F(MapOrders, ColourOrderGroupsByTheSequence512384760) {
  Load({{"a.map", 12, 1},
        {"B.MAP", 6, 1},
        {"c.map", 5, 1},
        {"d.map", 8, 1},
        {"e.map", 1, 1},
        {"f.map", 3, 1},
        {"g.map", 2, 1},
        {"h.map", 7, 1},
        {"i.map", 4, 1},
        {"j.map", 5, 1},
        {"k.map", 23, 1}});
  EXPECT_EQ(NamesOf(tables.Base()),
            (Names{"A.map", "B.map", "C.map", "D.map", "E.map", "F.map", "G.map", "H.map", "I.map", "J.map", "K.map"}));
  EXPECT_EQ(tables.Base()[10].code, 0);  // hour 23 is no opinion
  EXPECT_EQ(NamesOf(tables.ColorOrder()),
            (Names{"C.map", "J.map", "E.map", "G.map", "F.map", "D.map", "I.map", "H.map", "B.map", "A.map", "K.map"}));
}

TEST_F(MapOrders, SizeOrderExchangesInPlaceMeasuresOnceAndCountsAMissingFileAsEmpty) {
  Load({{"a.map", 1, 3},
        {"b.map", 2, 2},
        {"c.map", 3, 2},
        {"d.map", 4, 1},
        {"e.map", 5, 3},
        {"f.map", 6, 2},
        {"g.map", 7, 9}});
  std::remove((dir.Path() + "Maps/g.map").c_str());
  const std::vector<MapEntry> bySize = tables.SizeOrder(fs, dir.Path() + "Maps/");
  // Worked by hand: for each place i, every later smaller map is swapped into it. Of equal sizes,
  // b c f end as B F C, not in their load order.
  EXPECT_EQ(NamesOf(bySize), (Names{"G.map", "D.map", "B.map", "F.map", "C.map", "A.map", "E.map"}));
  EXPECT_EQ(bySize[0].code, 7);
  fixture::WriteMap(dir.Path() + "Maps/g.map", 7, {1, 4, 9});
  EXPECT_EQ(tables.SizeOrder(fs, dir.Path() + "Maps/"), bySize);  // kept until the next load
}

TEST(MapExport, OneLinePerMapRatedOneToSevenInListOrderInAFileNumberedByTheFolder) {
  const char* const files[][2] = {{"Maps", "TarvolinMaps0.txt"},   {"Maps1", "TarvolinMaps1.txt"},
                                  {"Maps6", "TarvolinMaps6.txt"},  {"Mapsdm", "TarvolinMaps7.txt"},
                                  {"MAPSDM", "TarvolinMaps7.txt"}, {"", "TarvolinMaps0.txt"}};
  for (const auto& f : files) EXPECT_EQ(MapExportFileName(f[0]), f[1]) << f[0];
  const std::vector<MapEntry> rows = {
      {"Zeta.map", 5},           {"Unrated.map", 0}, {"A.map", 1},     {"Olive.map", 8}, {"Exactly16chars.m", 3},
      {"Longer_than_16.map", 7}, {"Fair.map", 2},    {"Stuck.map", 4}, {"Dm.map", 6},    {"Odd.map", 9},
  };
  EXPECT_EQ(MapExportText(rows),
            "Zeta.map        \t[Yellow] - Map was Excellent.\r\n"
            "A.map           \t[Green]  - Map was Good.\r\n"
            "Exactly16chars.m\t[Red]    - Map was Bad.\r\n"
            "Longer_than_16.map\t[Aqua]   - Map crashes or hangs.\r\n"
            "Fair.map        \t[Blue]   - Map was Fair.\r\n"
            "Stuck.map       \t[Violet] - Confused or Stuck.\r\n"
            "Dm.map          \t[Teal]   - Map is Multiplayer.\r\n");
  EXPECT_EQ(MapExportText({{"Unrated.map", 0}, {"Olive.map", 8}}), "");
}

}  // namespace
}  // namespace tv
