#include <gtest/gtest.h>

#include "session/OpinionChooser.h"
#include "catalog/Opinion.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"
#include "support/RecordingUi.h"

namespace tv::test {
namespace {

constexpr Rgb kGrey{128, 128, 128};

class OpinionWindow : public ::testing::Test {
 protected:
  OpinionChooser Opinions(DateTimeFormats formats = {"dd/MM/yyyy", "HH:mm:ss t"}) {
    m_formats = std::move(formats);
    return OpinionChooser(fs, ui, m_formats, [this](int code) { applied.push_back(code); });
  }
  fixture::TempFolder other;
  FileSystem fs{other.Path()};
  RecordingUi ui;
  std::vector<int> applied;

 private:
  DateTimeFormats m_formats;
};

TEST_F(OpinionWindow, EachRowAppliesItsCode) {
  OpinionChooser opinions = Opinions();
  for (std::size_t row = 0; row < kOpinionRows.size(); ++row) opinions.ChooseOpinion(row);
  EXPECT_EQ(applied, (std::vector<int>{5, 1, 2, 3, 4, 7, 6, 0}));
}

TEST_F(OpinionWindow, TheCompareButtonShowsOnlyWithAnOpinionPathEndingInASeparator) {
  const struct {
    const char* path;
    const char* shown;
    bool visible;
  } cases[] = {{"", "", false}, {"/games/duke", "/games/duke/", true}, {"/games/duke/", "/games/duke/", true}};
  OpinionChooser opinions = Opinions();
  for (const auto& c : cases) {
    opinions.opinionPath = c.path;
    opinions.Prepare();
    EXPECT_EQ(opinions.opinionPath, c.shown);
    EXPECT_EQ(opinions.CompareVisible(), c.visible) << c.path;
  }
}

TEST_F(OpinionWindow, TheComparisonReadsTheHourOfTheSameMapInTheOtherInstallation) {
  const struct {
    const char* file;  // relative to the other installation
    int hour;
    const char* longTime;
    std::string verdict;
    Rgb colour;
  } cases[] = {
      {"Maps3/pool.map", 2, "HH:mm:ss t", "Map played and was fair.", OpinionColor(2)},
      {"Maps/POOL.MAP", 7, "HH:mm:ss t", "Map played and crashes or hangs.", OpinionColor(7)},
      {"Maps6/Pool.map", 5, "HH:mm:ss t", "Map played and was excellent.", OpinionColor(5)},  // past gaps
      {"Maps/Pool.map", 14, "h:mm:ss AP t", "Map played and was fair.", OpinionColor(2)},
      {"Maps1/Pool.map", 8, "HH:mm:ss t", "Map not played yet.", OpinionColor(8)},
      {"Maps1/Pool.map", 10, "HH:mm:ss t", "Map not played yet.", OpinionColor(0)},
      {"Maps1/Pool.map", 0, "HH:mm:ss t", "Map not played yet.", OpinionColor(0)},
      {"Maps7/Pool.map", 1, "HH:mm:ss t", "Map not found!", kGrey},
      {"Pool.map", 1, "HH:mm:ss t", "Map not found!", kGrey},
  };
  for (const auto& c : cases) {
    fixture::TempFolder installation;
    fixture::WriteMap(installation.Path() + c.file, c.hour);
    OpinionChooser opinions = Opinions({"dd/MM/yyyy", c.longTime});
    opinions.mapName = "Pool.map";
    opinions.opinionPath = installation.Path().substr(0, installation.Path().size() - 1);
    opinions.Prepare();
    ui.beeps.clear();
    ui.shown.clear();
    ui.opinionColours.clear();
    opinions.Compare();
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation}) << c.file;
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Pool.map\n\n" + c.verdict) << c.file << " " << c.hour;
    EXPECT_EQ(ui.opinionColours, std::vector<Rgb>{c.colour}) << c.file << " " << c.hour;
  }
}

TEST_F(OpinionWindow, OpenedForATcTheComparisonFindsNothing) {
  fixture::WriteMap(other.Path() + "Maps/Pool.map", 1);
  OpinionChooser opinions = Opinions();
  opinions.opinionPath = other.Path();
  opinions.mapName = "";
  opinions.Prepare();
  opinions.Compare();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\n\nMap not found!");
  EXPECT_EQ(ui.opinionColours, std::vector<Rgb>{kGrey});
}

}  // namespace
}  // namespace tv::test
