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
      {{"Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"}, {"Maps", "Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"}},
      {{"MAPS1", "mapsDM"}, {"Maps", "Maps1", "Mapsdm"}},  // found whatever their case
      {{"Maps1!", "Mapsdm"}, {"Maps", "Mapsdm"}},          // a file named like a folder is none
      // clang-format on
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    for (const std::string& f : c.folders)
      f.ends_with('!') ? fixture::WriteFile(dir.Path() + f.substr(0, f.size() - 1), "") : fixture::MakeFolder(dir.Path() + f);
    FileSystem fs(dir.Path());
    EXPECT_EQ(MapFolderSlots(fs, dir.Path()), c.slots) << c.folders.back();
  }
}

TEST(ExchangeSortBySize, FollowsTheExchangeProcedureStepForStep) {
  // Worked by hand (size in brackets); i runs over places, j over later ones:
  //   start        A300 B200 C200 D100 E300 F200
  //   i0 j1 swap   B200 A300 C200 D100 E300 F200
  //   i0 j3 swap   D100 A300 C200 B200 E300 F200
  //   i1 j2 swap   D100 C200 A300 B200 E300 F200
  //   i2 j3 swap   D100 C200 B200 A300 E300 F200
  //   i3 j5 swap   D100 C200 B200 F200 E300 A300
  // Equal sizes end as C B F and E A, not in their load order B C F and A E.
  std::vector<SizedMap> maps = {{300, {"A", 0}}, {200, {"B", 1}}, {200, {"C", 2}},
                                {100, {"D", 3}}, {300, {"E", 4}}, {200, {"F", 5}}};
  std::vector<std::pair<std::size_t, std::size_t>> exchanges;
  ExchangeSortBySize(maps, [&](std::size_t i, std::size_t j) { exchanges.emplace_back(i, j); });
  EXPECT_EQ(exchanges, (decltype(exchanges){{0, 1}, {0, 3}, {1, 2}, {2, 3}, {3, 5}}));
  Names order;
  for (const SizedMap& m : maps) order.push_back(m.entry.name + std::to_string(m.entry.code));
  EXPECT_EQ(order, (Names{"D3", "C2", "B1", "F5", "E4", "A0"}));
}

class MapOrders : public ::testing::Test {
 protected:
  // name, opinion hour, sprites (the size)
  void Load(const std::vector<std::tuple<std::string, int, int>>& maps) {
    for (const auto& [name, hour, sprites] : maps) fixture::WriteMap(dir.Path() + "Maps/" + name, hour, {1, 4, sprites});
    tables.Load(fs, dir.Path() + "Maps/", fs.List(dir.Path() + "Maps", "*.map"), {"dd/MM/yyyy", "HH:mm:ss"});
  }
  fixture::TempFolder dir;
  FileSystem fs{dir.Path()};
  MapTables tables;
};

TEST_F(MapOrders, ColourOrderGroupsByTheSequence512384760) {
  Load({{"a.map", 12, 1}, {"B.MAP", 6, 1}, {"c.map", 5, 1}, {"d.map", 8, 1}, {"e.map", 1, 1}, {"f.map", 3, 1},
        {"g.map", 2, 1}, {"h.map", 7, 1}, {"i.map", 4, 1}, {"j.map", 5, 1}, {"k.map", 23, 1}});
  EXPECT_EQ(NamesOf(tables.Base()),
            (Names{"A.map", "B.map", "C.map", "D.map", "E.map", "F.map", "G.map", "H.map", "I.map", "J.map", "K.map"}));
  EXPECT_EQ(tables.Base()[10].code, 0);  // hour 23 is no opinion
  EXPECT_EQ(NamesOf(tables.ColorOrder()),
            (Names{"C.map", "J.map", "E.map", "G.map", "F.map", "D.map", "I.map", "H.map", "B.map", "A.map", "K.map"}));
}

TEST_F(MapOrders, SizeOrderMeasuresTheFilesOnceAndCountsAMissingOneAsEmpty) {
  Load({{"a.map", 1, 2}, {"b.map", 2, 1}, {"c.map", 3, 1}, {"d.map", 4, 0}, {"e.map", 5, 2}, {"f.map", 6, 1}});
  std::remove((dir.Path() + "Maps/e.map").c_str());
  const std::vector<MapEntry> bySize = tables.SizeOrder(fs, dir.Path() + "Maps/");
  // Sizes in sprites a2 b1 c1 d0 f1, e gone: the exchanges leave b, c and f of equal size as B C F.
  EXPECT_EQ(NamesOf(bySize), (Names{"E.map", "D.map", "B.map", "C.map", "F.map", "A.map"}));
  EXPECT_EQ(bySize[0].code, 5);
  fixture::WriteMap(dir.Path() + "Maps/e.map", 5, {1, 4, 9});
  EXPECT_EQ(tables.SizeOrder(fs, dir.Path() + "Maps/"), bySize);  // kept until the next load
}

TEST(MapExport, OneLinePerMapRatedOneToSevenInListOrderInAFileNumberedByTheFolder) {
  const char* const files[][2] = {{"Maps", "TarvolinMaps0.txt"}, {"Maps1", "TarvolinMaps1.txt"},
                                  {"Maps6", "TarvolinMaps6.txt"}, {"Mapsdm", "TarvolinMaps7.txt"},
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
