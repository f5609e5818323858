// The opinion window on a real map folder: its rows, the top line, the
// verdicts reaching the map's file time, Cancel and the frame, the comparison.
#include <QAbstractButton>
#include <QLabel>

#include "DialogFixture.h"
#include "fixture/Maps.h"
#include "platform/DateTime.h"
#include "ui/QtUserInterface.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

class OpinionDialogTest : public DialogTest {
 protected:
  // b.map, 12 kB, selected in the map list of a started program.
  Program& StartOnMap(const std::string& settings = "") {
    fixture::WriteMap(Path("Maps/a.map"), 5);
    fixture::WriteFile(Path("Maps/b.map"), fixture::MapBytes({1, 4, 270}));
    WriteIni("[Tarvolin]\r\nInitialized=True\r\nFolderMap0=B.map\r\n" + settings);
    Program& p = StartWindows();
    p.Activate();
    return p;
  }
  // The right click on the map list, with the user's part in the window.
  void OpenOpinionDialog(const std::function<void(SecondaryWindow&)>& act) {
    WhenActive(windows.opinions, act);
    program->Maps().OpenOpinion();
  }
  int HourOfB() const { return LocalTime(fixture::FileTime(Path("Maps/b.map"))).tm_hour; }
  bool Exported() const { return fixture::Exists(Path("TarvolinMaps0.txt")); }
};

TEST_F(OpinionDialogTest, EachRowShowsItsColourAndAppliesItsCodeThenCloses) {
  const QColor windowColour = QApplication::palette().color(QPalette::Window);
  const struct {
    const char* panel;
    QColor colour;
    int hour;  // the file hour the verdict leaves
  } cases[] = {
      {"excellentRow", {255, 255, 0}, 5},   {"goodRow", {0, 255, 0}, 1},        {"fairRow", {0, 0, 255}, 2},
      {"badRow", {255, 0, 0}, 3},           {"confusingRow", {255, 0, 255}, 4}, {"crashesRow", {0, 255, 255}, 7},
      {"multiplayerRow", {0, 128, 128}, 6}, {"clearRow", windowColour, 9},
  };
  StartOnMap();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.panel);
    OpenOpinionDialog([&](SecondaryWindow& w) {
      QWidget* panel = Child(w, c.panel);
      const QImage image = panel->grab().toImage();
      EXPECT_EQ(Describe(image.pixelColor(4, image.height() / 2)), Describe(c.colour));
      EXPECT_EQ(panel->cursor().shape(), Qt::PointingHandCursor);
      Press(panel, Qt::LeftButton);
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(HourOfB(), c.hour);
    EXPECT_TRUE(program->Opinions().exportFlag) << "the main window exports after a verdict";
  }
  EXPECT_EQ(fixture::ReadFile(Path("TarvolinMaps0.txt")), "A.map           \t[Yellow] - Map was Excellent.\r\n");
}

TEST_F(OpinionDialogTest, TheTopLineNamesTheMapWithItsSizeAndTakesNoClick) {
  StartOnMap();
  const std::time_t before = fixture::FileTime(Path("Maps/b.map"));
  OpenOpinionDialog([](SecondaryWindow& w) {
    auto* top = Child<QLabel>(w, "topLine");
    EXPECT_EQ(top->text().toStdString(), "B.map - 12kb");
    const QImage image = top->grab().toImage();
    EXPECT_EQ(Describe(image.pixelColor(4, image.height() / 2)), Describe(Qt::black));
    EXPECT_GT(CountColour(image, image.rect(), Qt::cyan), 0) << "aqua text";
    Press(top, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(FocusedControl(w), nullptr) << "no control takes the focus";
  });
  EXPECT_EQ(fixture::FileTime(Path("Maps/b.map")), before);
}

TEST_F(OpinionDialogTest, CancelDropsTheExportWhileTheFrameKeepsIt) {
  const struct {
    const char* how;
    bool exported;
  } cases[] = {{"cancelButton", false}, {"frame", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    StartOnMap();
    const std::time_t before = fixture::FileTime(Path("Maps/b.map"));
    OpenOpinionDialog([&](SecondaryWindow& w) {
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

TEST_F(OpinionDialogTest, WithoutAnOpinionPathThereIsNothingToCompare) {
  StartOnMap();
  OpenOpinionDialog([](SecondaryWindow& w) { EXPECT_FALSE(Child(w, "compareButton")->isVisible()); });
}

TEST_F(OpinionDialogTest, TheComparisonShowsInTheWindowsOwnMessageShadedIntoTheVerdictsColour) {
  fixture::TempFolder other;
  fixture::WriteMap(other.Path() + "Maps/b.map", 8);
  fixture::WriteFile(Path("Maps/b.map"), fixture::MapBytes({}));
  WriteIni("[Tarvolin]\r\nInitialized=True\r\nFolderMap0=B.map\r\nOpinionPath=" + other.Path() + "\r\n");
  // The whole way through the windows' own port this time.
  QtUserInterface port(windows);
  Environment env;
  env.programFolder = dir.Path();
  env.formats = {"dd/MM/yyyy", "HH:mm:ss"};
  Program p(fs, port, env);
  windows.SetProgram(&p);
  p.Activate();
  bool shown = false;
  WhenActive(windows.opinions, [&](SecondaryWindow& w) {
    WhenModal([&](QWidget& modal) {
      shown = true;
      EXPECT_EQ(&modal, &windows.opinions.Messages());
      auto* text = Child<QLabel>(modal, "MessageText");
      EXPECT_EQ(text->text().toStdString(), "B.map\n\nMap not played yet.");
      EXPECT_TRUE(text->font().bold());
      EXPECT_EQ(text->font().pixelSize(), 13);
      EXPECT_EQ(Describe(text->palette().color(QPalette::WindowText)), Describe(Qt::black));
      const QImage image = modal.grab().toImage();
      const int y = image.height() - 2;
      EXPECT_TRUE(Near(image.pixelColor(0, y), Qt::white)) << Describe(image.pixelColor(0, y));
      EXPECT_TRUE(Near(image.pixelColor(image.width() - 1, y), QColor(128, 128, 0)))
          << Describe(image.pixelColor(image.width() - 1, y));
      Child<QAbstractButton>(modal, "mbOk")->click();
    });
    Child<QAbstractButton>(w, "compareButton")->click();
    EXPECT_TRUE(w.isVisible());
  });
  p.Maps().OpenOpinion();
  EXPECT_TRUE(shown);
  windows.SetProgram(nullptr);
}

}  // namespace
}  // namespace tv::test
