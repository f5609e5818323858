// The opinion window's part in the core: the comparison with the same map in another installation.
#include <gtest/gtest.h>

#include "session/OpinionChooser.h"
#include "catalog/Opinion.h"
#include "fixture/Fixture.h"
#include "fixture/Maps.h"
#include "support/RecordingUi.h"

namespace tv::test {
namespace {

constexpr Rgb kGrey{128, 128, 128};

TEST(OpinionChooserTest, TheComparisonReadsTheHourOfTheSameMapInTheOtherInstallation) {
  // The map's file relative to the other installation ("" for a TC's opening), its hour, the long time format.
  const struct { const char* file; int hour; const char* longTime; std::string verdict; Rgb colour; } cases[] = {
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
    Session session(fs, ui, {installation.Path(), {"dd/MM/yyyy", c.longTime}});
    OpinionChooser opinions(session);
    // Without its separator: one is added.
    opinions.SetOtherInstallation(installation.Path().substr(0, installation.Path().size() - 1));
    ui.compare = true;
    const std::string map = *c.file ? "Pool.map" : "";
    opinions.Choose("top", map, [](int) { FAIL() << "closed by its frame"; });
    EXPECT_EQ(ui.beeps, std::vector<BeepKind>{BeepKind::Exclamation}) << c.file;
    ASSERT_EQ(ui.verdicts.size(), 1u);
    EXPECT_EQ(ui.verdicts[0].text, map + "\n\n" + c.verdict) << c.file << " " << c.hour;
    EXPECT_EQ(ui.verdicts[0].colour, c.colour) << c.file << " " << c.hour;
  }
}

}  // namespace
}  // namespace tv::test
