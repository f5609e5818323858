// The opinion window on a real map folder: its rows, the top line, the
// verdicts reaching the map's file time, Cancel and the frame, the comparison.
#include <QAbstractButton>
#include <QLabel>

#include "DialogFixture.h"
#include "app/RiteModel.h"
#include "catalog/OpinionColors.h"
#include "fixture/Maps.h"
#include "platform/DateTime.h"

namespace tv::test {
namespace {

class RiteDialog : public DialogTest {
 protected:
  // b.map, 12 kB, selected in the map list of a started program.
  Program& StartOnMap(const std::string& settings = "") {
    fixture::WriteMap(Path("Maps/a.map"), 5);
    fixture::WriteFile(Path("Maps/b.map"), fixture::MapBytes({1, 4, 270}));
    WriteIni("[Tarvolin]\r\nInitialized=True\r\nFolderMap0=B.map\r\n" + settings);
    Program& p = StartWindows();
    p.FormActivate();
    return p;
  }
  // The right click on the map list, with the user's part in the window.
  void RightClick(const std::function<void(SecondaryWindow&)>& act) {
    WhenActive(windows.rite, act);
    program->ListBox2RightDown();
  }
  int HourOfB() const { return LocalTime(fixture::FileTime(Path("Maps/b.map"))).tm_hour; }
  bool Exported() const { return fixture::Exists(Path("TarvolinMaps0.txt")); }
};

TEST_F(RiteDialog, EachRowShowsItsColourAndAppliesItsCodeThenCloses) {
  const QColor windowColour = QApplication::palette().color(QPalette::Window);
  const struct {
    const char* panel;
    QColor colour;
    int hour;  // the file hour the verdict leaves
  } cases[] = {
      {"PanelB", {255, 255, 0}, 5}, {"PanelC", {0, 255, 0}, 1},   {"PanelD", {0, 0, 255}, 2},
      {"PanelE", {255, 0, 0}, 3},   {"PanelF", {255, 0, 255}, 4}, {"PanelG", {0, 255, 255}, 7},
      {"PanelH", {0, 128, 128}, 6}, {"PanelI", windowColour, 9},
  };
  StartOnMap();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.panel);
    RightClick([&](SecondaryWindow& w) {
      QWidget* panel = Child(w, c.panel);
      const QImage image = panel->grab().toImage();
      EXPECT_EQ(Describe(image.pixelColor(4, image.height() / 2)), Describe(c.colour));
      EXPECT_EQ(panel->cursor().shape(), Qt::PointingHandCursor);
      QTest::mouseClick(panel, Qt::LeftButton);
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(HourOfB(), c.hour);
    EXPECT_TRUE(program->Rite().exportFlag) << "the main window exports after a verdict";
  }
  EXPECT_EQ(fixture::ReadFile(Path("TarvolinMaps0.txt")), "A.map           \t[Yellow] - Map was Excellent.\r\n");
}

TEST_F(RiteDialog, TheTopLineNamesTheMapWithItsSizeAndTakesNoClick) {
  StartOnMap();
  const std::time_t before = fixture::FileTime(Path("Maps/b.map"));
  RightClick([](SecondaryWindow& w) {
    auto* top = Child<QLabel>(w, "PanelA");
    EXPECT_EQ(top->text().toStdString(), "B.map - 12kb");
    const QImage image = top->grab().toImage();
    EXPECT_EQ(Describe(image.pixelColor(4, image.height() / 2)), Describe(Qt::black));
    EXPECT_GT(CountColour(image, image.rect(), Qt::cyan), 0) << "aqua text";
    QTest::mouseClick(top, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(FocusedControl(w), nullptr) << "no control takes the focus";
  });
  EXPECT_EQ(fixture::FileTime(Path("Maps/b.map")), before);
}

TEST_F(RiteDialog, CancelDropsTheExportWhileTheFrameKeepsIt) {
  const struct {
    const char* how;
    bool exported;
  } cases[] = {{"btnCancel", false}, {"frame", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    StartOnMap();
    const std::time_t before = fixture::FileTime(Path("Maps/b.map"));
    RightClick([&](SecondaryWindow& w) {
      if (std::string(c.how) == "frame")
        w.close();
      else
        Child<QAbstractButton>(w, c.how)->click();
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(fixture::FileTime(Path("Maps/b.map")), before);
    EXPECT_EQ(Exported(), c.exported);
    std::remove(Path("TarvolinMaps0.txt").c_str());
  }
}

TEST_F(RiteDialog, CompareShowsTheOtherInstallationsVerdictOnlyWithAnOpinionPath) {
  fixture::TempFolder other;
  fixture::WriteMap(other.Path() + "Maps2/b.map", 8);
  const struct {
    std::string settings;
    bool visible;
    std::string message;
    Rgb colour;
  } cases[] = {
      {"", false, "", {}},
      {"OpinionPath=" + other.Path().substr(0, other.Path().size() - 1) + "\r\n", true, "B.map\n\nMap not played yet.",
       OpinionColor(8)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    StartOnMap(c.settings);
    ui.shown.clear();
    ui.riteColours.clear();
    RightClick([&](SecondaryWindow& w) {
      auto* compare = Child<QAbstractButton>(w, "btnCompare");
      ASSERT_EQ(compare->isVisible(), c.visible);
      if (!c.visible) return;
      compare->click();
      EXPECT_TRUE(w.isVisible()) << "the window stays open";
    });
    if (!c.visible) continue;
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, "rite");
    EXPECT_EQ(ui.shown[0].text, c.message);
    EXPECT_EQ(ui.riteColours, std::vector<Rgb>{c.colour});
  }
}

}  // namespace
}  // namespace tv::test
