#include <gtest/gtest.h>

#include "catalog/MapExport.h"

namespace tv {
namespace {

TEST(MapExportFileName, NumberedByTheFolder) {
  const struct {
    const char* folder;
    const char* file;
  } cases[] = {{"Maps", "TarvolinMaps0.txt"},   {"Maps1", "TarvolinMaps1.txt"},  {"Maps6", "TarvolinMaps6.txt"},
               {"Mapsdm", "TarvolinMaps7.txt"}, {"MAPSDM", "TarvolinMaps7.txt"}, {"", "TarvolinMaps0.txt"}};
  for (const auto& c : cases) EXPECT_EQ(MapExportFileName(c.folder), c.file) << c.folder;
}

TEST(MapExportText, OneLinePerMapRatedOneToSevenInListOrder) {
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
