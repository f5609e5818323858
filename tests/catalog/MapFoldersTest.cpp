#include <gtest/gtest.h>

#include <vector>

#include "catalog/MapFolders.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

TEST(MapFolderSlots, NumberedFoldersUpToTheFirstGapThenMapsdmInTheNextFreeSlot) {
  const struct {
    std::vector<const char*> folders;
    MapFolderTable slots;
  } cases[] = {
      {{"Maps", "Maps1", "Maps2", "Maps4", "Mapsdm"}, {"Maps", "Maps1", "Maps2", "Mapsdm"}},
      {{"Maps1", "Maps3"}, {"Maps", "Maps1"}},
      {{"Maps2", "Mapsdm"}, {"Maps", "Mapsdm"}},
      {{"Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"},
       {"Maps", "Maps1", "Maps2", "Maps3", "Maps4", "Maps5", "Mapsdm"}},
      {{"MAPS1", "mapsDM"}, {"Maps", "Maps1", "Mapsdm"}},  // names found whatever their case
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    for (const char* folder : c.folders) fixture::MakeFolder(dir.Path() + folder);
    FileSystem fs(dir.Path());
    EXPECT_EQ(MapFolderSlots(fs, dir.Path()), c.slots) << (c.folders.empty() ? "none" : c.folders.back());
  }
}

TEST(MapFolderSlots, AFileNamedLikeAFolderIsNoMapFolder) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Maps1", "");
  fixture::MakeFolder(dir.Path() + "Mapsdm");
  FileSystem fs(dir.Path());
  EXPECT_EQ(MapFolderSlots(fs, dir.Path()), (MapFolderTable{"Maps", "Mapsdm"}));
}

}  // namespace
}  // namespace tv
