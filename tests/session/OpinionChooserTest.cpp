// The opinion window without its widgets: each row's code, and the
// comparison with the same map in another installation.
#include <gtest/gtest.h>

#include "session/OpinionChooser.h"
#include "catalog/Opinion.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"
#include "support/RecordingUi.h"

namespace tv::test {
namespace {

constexpr Rgb kGrey{128, 128, 128};

TEST(OpinionChooserTest, EachRowAppliesItsCode) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  RecordingUi ui;
  const DateTimeFormats formats;
  std::vector<int> applied;
  OpinionChooser opinions(fs, ui, formats, [&](int code) { applied.push_back(code); });
  for (std::size_t row = 0; row < kOpinionRows.size(); ++row) opinions.ChooseOpinion(row);
  EXPECT_EQ(applied, (std::vector<int>{5, 1, 2, 3, 4, 7, 6, 0}));
}

TEST(OpinionChooserTest, TheComparisonReadsTheHourOfTheSameMapInTheOtherInstallation) {
  const struct {
    const char* file;  // relative to the other installation; "" for a TC's opening
    int hour;
    const char* longTime;
    std::string verdict;
    Rgb colour;
  } cases[] = {
      {"Maps3/pool.map", 2, "HH:mm:ss t", "Map played and was fair.", OpinionColor(2)},
      {"Maps6/POOL.MAP", 7, "HH:mm:ss t", "Map played and crashes or hangs.", OpinionColor(7)},
      {"Maps/Pool.map", 14, "h:mm:ss AP t", "Map played and was fair.", OpinionColor(2)},
      {"Maps1/Pool.map", 8, "HH:mm:ss t", "Map not played yet.", OpinionColor(8)},
      {"Maps1/Pool.map", 10, "HH:mm:ss t", "Map not played yet.", OpinionColor(0)},
      {"Maps7/Pool.map", 1, "HH:mm:ss t", "Map not found!", kGrey},
      {"Pool.map", 1, "HH:mm:ss t", "Map not found!", kGrey},
      {"", 1, "HH:mm:ss t", "Map not found!", kGrey},
  };
  for (const auto& c : cases) {
    fixture::TempFolder installation;
    fixture::WriteMap(installation.Path() + (*c.file ? c.file : "Maps/Pool.map"), c.hour);
    FileSystem fs(installation.Path());
    RecordingUi ui;
    const DateTimeFormats formats{"dd/MM/yyyy", c.longTime};
    OpinionChooser opinions(fs, ui, formats, [](int) {});
    opinions.mapName = *c.file ? "Pool.map" : "";
    opinions.opinionPath = installation.Path().substr(0, installation.Path().size() - 1);
    opinions.Prepare();
    EXPECT_TRUE(opinions.CompareVisible());
    EXPECT_EQ(opinions.opinionPath, installation.Path()) << "a separator is added";
    opinions.Compare();
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation}) << c.file;
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, opinions.mapName + "\n\n" + c.verdict) << c.file << " " << c.hour;
    EXPECT_EQ(ui.opinionColours, std::vector<Rgb>{c.colour}) << c.file << " " << c.hour;
  }
}

}  // namespace
}  // namespace tv::test
