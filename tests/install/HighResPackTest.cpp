#include <gtest/gtest.h>

#include <filesystem>

#include "fixture/Fixture.h"
#include "install/HighResPack.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

// Every file under folder as "name=content", sorted.
std::vector<std::string> Files(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) {
      const std::string path = e.path().string();
      files.push_back(path.substr(folder.size()) + "=" + fixture::ReadFile(path));
    }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(SetAsideLooseDefinitions, RenamesTheDefinitionFilesWhenAPackIsPresent) {
  using V = std::vector<std::string>;
  const struct {
    const char* what;
    V before;
    V after;
  } cases[] = {
      {"both definitions, pack in the folder",
       {"Duke3d.def=d", "Duke3d_hrp.def=h", "Duke3d_hrp.zip=z"},
       {"Duke3d.def.bak=d", "Duke3d_hrp.def.bak=h", "Duke3d_hrp.zip=z"}},
      {"pack definition only, other pack in Autoload",
       {"Duke3d_hrp.def=h", "Autoload/Duke3d_mrp.zip=z"},
       {"Autoload/Duke3d_mrp.zip=z", "Duke3d_hrp.def.bak=h"}},
      {"each of the four archives counts",
       {"Duke3d.def=d", "Duke3d_mrp.zip=z"},
       {"Duke3d.def.bak=d", "Duke3d_mrp.zip=z"}},
      {"Autoload hrp",
       {"Duke3d.def=d", "Autoload/Duke3d_hrp.zip=z"},
       {"Autoload/Duke3d_hrp.zip=z", "Duke3d.def.bak=d"}},
      {"no archive: nothing changes", {"Duke3d.def=d", "Duke3d_hrp.def=h"}, {"Duke3d.def=d", "Duke3d_hrp.def=h"}},
      {"no definition: an old copy stays",
       {"Duke3d.def.bak=old", "Duke3d_hrp.zip=z"},
       {"Duke3d.def.bak=old", "Duke3d_hrp.zip=z"}},
      {"an older copy is replaced",
       {"Duke3d.def=new", "Duke3d.def.bak=old", "Duke3d_hrp.zip=z"},
       {"Duke3d.def.bak=new", "Duke3d_hrp.zip=z"}},
      {"letter case ignored",
       {"DUKE3D.DEF=d", "duke3d.def.BAK=old", "autoload/DUKE3D_HRP.ZIP=z"},
       {"Duke3d.def.bak=d", "autoload/DUKE3D_HRP.ZIP=z"}},
      {"an archive elsewhere does not count",
       {"Duke3d.def=d", "Maps/Duke3d_hrp.zip=z"},
       {"Duke3d.def=d", "Maps/Duke3d_hrp.zip=z"}},
  };
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    for (const std::string& f : c.before) {
      const std::size_t eq = f.find('=');
      fixture::WriteFile(dir.Path() + f.substr(0, eq), f.substr(eq + 1));
    }
    FileSystem fs(dir.Path());
    SetAsideLooseDefinitions(fs, dir.Path());
    EXPECT_EQ(Files(dir.Path()), c.after) << c.what;
  }
}

using HighResPackSwitch = ProgramTest;

TEST_F(HighResPackSwitch, EveryPassSetsAsideADefinitionPutBackAndNothingBringsItBack) {
  fixture::WriteFile(Path("Duke3d.def"), "d");
  fixture::WriteFile(Path("Duke3d_hrp.zip"), "z");
  Program& p = Start();
  p.Activate();
  EXPECT_FALSE(fixture::Exists(Path("Duke3d.def")));
  EXPECT_EQ(fixture::ReadFile(Path("Duke3d.def.bak")), "d");

  fixture::WriteFile(Path("Duke3d.def"), "again");
  p.Activate();
  EXPECT_EQ(fixture::ReadFile(Path("Duke3d.def.bak")), "again");

  fs.Delete(Path("Duke3d_hrp.zip"));
  p.Activate();
  EXPECT_FALSE(fixture::Exists(Path("Duke3d.def")));
  EXPECT_TRUE(fixture::Exists(Path("Duke3d.def.bak")));
}

}  // namespace
}  // namespace tv::test
