// The demo's program folder, made by the installation maker, read back by the
// program itself: every feature finds something to work on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <tuple>

#include "demo/DemoInstallation.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

class DemoInstallation : public ProgramTest {
 protected:
  DemoInstallation() : demo(demo::DemoInstallation(TV_STANDIN)) { fixture::MakeInstallation(dir.Path(), demo); }

  Program& Started() {
    Program& p = Start();
    p.Activate();
    return p;
  }
  const fixture::MapFolder& Folder(const std::string& name) const {
    for (const fixture::MapFolder& f : demo.mapFolders)
      if (f.name == name) return f;
    throw std::runtime_error("no map folder " + name);
  }

  fixture::Installation demo;
};

TEST_F(DemoInstallation, EachMapShowsTheOpinionItWasMadeWith) {
  Program& p = Started();
  std::set<int> codes;
  for (int slot = 0; slot < 3; ++slot) {
    p.Maps().OpenFolder(slot);
    const fixture::MapFolder& folder = Folder(p.View().mapFolders[std::size_t(slot)].caption);
    ASSERT_EQ(p.View().mapRows.size(), folder.maps.size()) << folder.name;
    for (const fixture::MapFile& map : folder.maps) {
      const auto row = std::find_if(p.View().mapRows.begin(), p.View().mapRows.end(),
                                    [&](const ListRow& r) { return r.text == map.name; });
      ASSERT_NE(row, p.View().mapRows.end()) << map.name;
      EXPECT_EQ(row->code, map.opinion) << map.name;
      codes.insert(row->code);
    }
  }
  EXPECT_EQ(codes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8})) << "every opinion colour";
  EXPECT_EQ(p.View().mapFolders[1].caption, "Maps1");
  EXPECT_EQ(p.View().mapFolders[2].caption, "Mapsdm");
}

TEST_F(DemoInstallation, BothTCsAreFoundWithTheirScriptsMapsAndLevels) {
  Program& p = Started();
  const struct {
    TcRecord record;
    std::vector<std::string> levels;
  } cases[] = {
      {{"Alien", "Alien.grp", "Alien.con", "Alien_hrp.zip", "", "alien.map"},
       {"ALIEN", "ALIEN1", "ALIEN2", "ALIEN3", "ALIEN4"}},
      {{"Frontier", "Frontier.zip", "Frontier.con", "", "", "Front1.map"}, {"FRONT1", "FRONT2", "FRONT3"}},
  };
  ASSERT_EQ(p.Catalog().Records().size(), std::size(cases));
  for (std::size_t row = 0; row < std::size(cases); ++row) {
    const TcRecord& want = cases[row].record;
    const TcRecord& got = p.Catalog().Records()[row];
    EXPECT_EQ(std::tie(got.displayName, got.groupFile, got.scriptFile, got.hrpFile, got.defFile, got.mapFile),
              std::tie(want.displayName, want.groupFile, want.scriptFile, want.hrpFile, want.defFile, want.mapFile))
        << want.displayName;
    p.Catalog().ListLevels(int(row));
    EXPECT_EQ(p.Catalog().LevelNames(), cases[row].levels) << want.displayName;
  }
}

TEST_F(DemoInstallation, TheGameDataExecutablesSavedGamesBatchFileAndMusicAreThere) {
  Program& p = Started();
  EXPECT_EQ(p.Install().Edition(), GameEdition::Full);
  EXPECT_EQ(p.View().caption, "Tarvolin - v6.2  |  Duke3dw v1.4 ");
  EXPECT_EQ(p.View().duke[0].caption, "Duke3dw");
  EXPECT_EQ(p.View().duke[1].caption, "Eduke32");
  EXPECT_EQ(p.View().savedEntries,
            (std::vector<std::string>{"Hollywood Holocaust", "Red Light District", "Death Row ***", "Toxic Dump"}));
  EXPECT_TRUE(fs.FileExists(Path("D3WSetup.exe")));
  EXPECT_EQ(fs.List(dir.Path(), "*.bat"), (std::vector<std::string>{"Coop.bat"}));
  EXPECT_EQ(fs.List(Path("Music"), "*.mid").size(), 2u);
}

TEST_F(DemoInstallation, ReadMesLieWhereTheViewerLooksForThem) {
  Program& p = Started();
  const struct {
    int slot;
    const char* map;
    const char* folder;
  } cases[] = {{0, "Hollywood2.map", "Maps/"},
               {0, "Towers.map", "Help/"},
               {0, "Harbour.map", "Text/"},
               {1, "Bonus1.map", "Maps1/"},
               {2, "Dmarena.map", "Mapsdm/"}};
  for (const auto& c : cases) {
    p.Maps().OpenFolder(c.slot);
    const std::vector<ListRow>& rows = p.View().mapRows;
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const ListRow& r) { return r.text == c.map; });
    ASSERT_NE(row, rows.end()) << c.map;
    p.Maps().Select({int(row - rows.begin())});
    p.Maps().OpenReadMe();
    EXPECT_EQ(p.Maps().ReadMe().folder, Path(c.folder)) << c.map;
    EXPECT_TRUE(fs.FileExists(p.Maps().ReadMe().folder + p.Maps().ReadMe().name)) << c.map;
  }
}

}  // namespace
}  // namespace tv::test
