#include <gtest/gtest.h>

#include "app/RiteModel.h"
#include "catalog/OpinionColors.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"
#include "support/RecordingUi.h"

namespace tv::test {
namespace {

constexpr Rgb kGrey{128, 128, 128};

class OpinionWindow : public ::testing::Test {
 protected:
  RiteModel Rite(DateTimeFormats formats = {"dd/MM/yyyy", "HH:mm:ss t"}) {
    m_formats = std::move(formats);
    return RiteModel(fs, ui, m_formats, [this](int code) { applied.push_back(code); });
  }
  fixture::TempFolder other;
  FileSystem fs{other.Path()};
  RecordingUi ui;
  std::vector<int> applied;

 private:
  DateTimeFormats m_formats;
};

TEST_F(OpinionWindow, EachRowAppliesItsCode) {
  RiteModel rite = Rite();
  for (std::size_t row = 0; row < kRiteRows.size(); ++row) rite.PanelClick(row);
  EXPECT_EQ(applied, (std::vector<int>{5, 1, 2, 3, 4, 7, 6, 0}));
}

TEST_F(OpinionWindow, TheCompareButtonShowsOnlyWithAnOpinionPathEndingInASeparator) {
  const struct {
    const char* path;
    const char* shown;
    bool visible;
  } cases[] = {{"", "", false}, {"/games/duke", "/games/duke/", true}, {"/games/duke/", "/games/duke/", true}};
  RiteModel rite = Rite();
  for (const auto& c : cases) {
    rite.opinionPath = c.path;
    rite.FormShow();
    EXPECT_EQ(rite.opinionPath, c.shown);
    EXPECT_EQ(rite.CompareVisible(), c.visible) << c.path;
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
    RiteModel rite = Rite({"dd/MM/yyyy", c.longTime});
    rite.mapName = "Pool.map";
    rite.opinionPath = installation.Path().substr(0, installation.Path().size() - 1);
    rite.FormShow();
    ui.beeps.clear();
    ui.shown.clear();
    ui.riteColours.clear();
    rite.btnCompareClick();
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation}) << c.file;
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Pool.map\n\n" + c.verdict) << c.file << " " << c.hour;
    EXPECT_EQ(ui.riteColours, std::vector<Rgb>{c.colour}) << c.file << " " << c.hour;
  }
}

TEST_F(OpinionWindow, OpenedForATcTheComparisonFindsNothing) {
  fixture::WriteMap(other.Path() + "Maps/Pool.map", 1);
  RiteModel rite = Rite();
  rite.opinionPath = other.Path();
  rite.mapName = "";
  rite.FormShow();
  rite.btnCompareClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\n\nMap not found!");
  EXPECT_EQ(ui.riteColours, std::vector<Rgb>{kGrey});
}

}  // namespace
}  // namespace tv::test
