// The demo's program folder, which the first command of the README starts on,
// as the program reads it: every feature finds something to work on.
#include <algorithm>
#include <set>

#include "demo/DemoInstallation.h"
#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

struct Demo : ProgramTest {
  Demo() { fixture::MakeInstallation(dir.Path(), demo::DemoInstallation(TV_STANDIN)); }
};

TEST_F(Demo, EveryFeatureFindsItsFiles) {
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(p.View().caption, "Tarvolin - v6.2  |  Duke3dw v1.4 ") << "the stand-in's version texts";
  EXPECT_EQ(p.View().duke[1].caption, "Eduke32");
  EXPECT_EQ(p.View().savedEntries.size(), 4u);
  EXPECT_TRUE(fs.FileExists(Path("D3WSetup.exe")) && fs.FileExists(Path("Coop.bat")));
  EXPECT_EQ(fs.List(Path("Music"), "*.mid").size(), 2u);
  std::set<int> codes;
  for (int slot = 0; slot < 3; ++slot) {
    p.Maps().OpenFolder(slot);
    for (const ListRow& row : p.View().mapRows) codes.insert(row.code);
  }
  EXPECT_EQ(codes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8})) << "every opinion colour";
  ASSERT_EQ(p.Catalog().Records().size(), 2u);
  const std::vector<std::string> levels[] = {{"ALIEN", "ALIEN1", "ALIEN2", "ALIEN3", "ALIEN4"},
                                             {"FRONT1", "FRONT2", "FRONT3"}};
  for (int row = 0; row < 2; ++row) EXPECT_EQ((p.Catalog().ListLevels(row), p.Catalog().LevelNames()), levels[row]);
  const auto& rows = (p.Maps().OpenFolder(1), p.View().mapRows);
  const auto bonus = std::find_if(rows.begin(), rows.end(), [](const ListRow& r) { return r.text == "Bonus1.map"; });
  ASSERT_NE(bonus, rows.end());
  p.Maps().Select({int(bonus - rows.begin())});
  p.Maps().OpenReadMe();
  EXPECT_NE(ui.readMeText.find("A secret level."), std::string::npos) << "Bonus1.map's read-me";
}

}  // namespace
}  // namespace tv::test
