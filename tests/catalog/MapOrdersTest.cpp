#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "catalog/MapTables.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"

namespace tv {
namespace {

std::vector<std::string> Names(const std::vector<MapEntry>& entries) {
  std::vector<std::string> names;
  for (const MapEntry& e : entries) names.push_back(e.name);
  return names;
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
  const std::vector<std::pair<std::size_t, std::size_t>> expected = {{0, 1}, {0, 3}, {1, 2}, {2, 3}, {3, 5}};
  EXPECT_EQ(exchanges, expected);
  std::vector<std::string> order;
  for (const SizedMap& m : maps) order.push_back(m.entry.name + std::to_string(m.entry.code));
  EXPECT_EQ(order, (std::vector<std::string>{"D3", "C2", "B1", "F5", "E4", "A0"}));
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
  EXPECT_EQ(Names(tables.Base()), (std::vector<std::string>{"A.map", "B.map", "C.map", "D.map", "E.map", "F.map",
                                                            "G.map", "H.map", "I.map", "J.map", "K.map"}));
  EXPECT_EQ(tables.Base()[10].code, 0);  // hour 23 is no opinion
  EXPECT_EQ(Names(tables.ColorOrder()), (std::vector<std::string>{"C.map", "J.map", "E.map", "G.map", "F.map", "D.map",
                                                                  "I.map", "H.map", "B.map", "A.map", "K.map"}));
}

TEST_F(MapOrders, SizeOrderMeasuresTheFilesOnceAndCountsAMissingOneAsEmpty) {
  Load({{"a.map", 1, 2}, {"b.map", 2, 1}, {"c.map", 3, 1}, {"d.map", 4, 0}, {"e.map", 5, 2}, {"f.map", 6, 1}});
  std::remove((dir.Path() + "Maps/e.map").c_str());
  const std::vector<MapEntry> bySize = tables.SizeOrder(fs, dir.Path() + "Maps/");
  // Sizes in sprites a2 b1 c1 d0 f1, e gone: the exchanges leave b, c and f
  // of equal size as B C F.
  EXPECT_EQ(Names(bySize), (std::vector<std::string>{"E.map", "D.map", "B.map", "C.map", "F.map", "A.map"}));
  EXPECT_EQ(bySize[0].code, 5);
  fixture::WriteMap(dir.Path() + "Maps/e.map", 5, {1, 4, 9});
  EXPECT_EQ(tables.SizeOrder(fs, dir.Path() + "Maps/"), bySize);  // kept until the next load
}

}  // namespace
}  // namespace tv
