// The six secondary windows' frames: captions, client sizes, controls with
// their texts, and the buttons that close them.
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>

#include "UiTestHelpers.h"
#include "ui/Windows.h"
#include "ui/widgets/GradientPanel.h"

namespace tv::test {
namespace {

struct Control {
  const char* name;
  const char* text;  // nullptr: a control without text
  int x = -1;        // client x, -1 where the design leaves it open
  int width = -1;
};

struct Frame {
  Window window;
  const char* name;
  const char* caption;
  QSize client;
  std::vector<Control> controls;
  const char* closer;  // the button that closes the window
};

const Frame kFrames[] = {
    {Window::Opinion,
     "OpinionDialog",
     "Select Option",
     {284, 263},
     {{"topLine", ""},
      {"excellentRow", "Played and was Excellent"},
      {"goodRow", "Played and was Good"},
      {"fairRow", "Played and was Fair"},
      {"badRow", "Played and was Bad"},
      {"confusingRow", "Confusing or  stuck"},
      {"crashesRow", "Crashes or Hangs"},
      {"multiplayerRow", "Multiplayer Only"},
      {"clearRow", "Clear Color Indexing"},
      {"compareButton", "", 17},
      {"cancelButton", " &Cancel", 93, 100}},
     "cancelButton"},
    {Window::History,
     "HistoryDialog",
     "Map History",
     {135, 231},
     {{"historyList", nullptr}, {"closeButton", " &Close"}},
     "closeButton"},
    {Window::Network,
     "NetworkDialog",
     "General Configurations",
     {241, 271},
     {{"nicknameLabel", "Nickname"},
      {"nicknameEdit", nullptr},
      {"headingLabel", "Hosting a Game"},
      {"addressLabel", "Opponents IP  Address"},
      {"addressEdit", nullptr},
      {"dedicatedBox", "  Dedicated Master / Slave"},
      {"playersLabel", "Number of  Players"},
      {"playersBox", nullptr},
      {"acceptButton", " &Accept"},
      {"cancelButton", " &Cancel"}},
     "cancelButton"},
    {Window::ReadMe,
     "ReadMeViewer",
     "",
     {532, 351},
     {{"text", nullptr}, {"exitButton", " &Exit", 428, 83}},
     "exitButton"},
    {Window::Levels,
     "LevelDialog",
     "Select level",
     {250, 266},
     {{"levelList", nullptr}, {"selectButton", " &Select"}, {"cancelButton", " &Cancel"}},
     "cancelButton"},
    {Window::Batch,
     "BatchFileDialog",
     "Play Batch File",
     {185, 243},
     {{"selectButton", " &Select", 2, 83}, {"cancelButton", " &Cancel", 98, 83}},
     "cancelButton"},
};

QString TextOf(const QWidget& w) {
  if (auto* b = qobject_cast<const QAbstractButton*>(&w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(&w)) return l->text();
  return {};
}

TEST(SecondaryWindows, FramesCarryTheirCaptionsSizesAndControls) {
  Windows windows;
  for (const Frame& f : kFrames) {
    SCOPED_TRACE(f.name);
    SecondaryWindow& window = windows.Of(f.window);
    EXPECT_EQ(window.objectName().toStdString(), f.name);
    EXPECT_EQ(window.windowTitle().toStdString(), f.caption);
    EXPECT_EQ(window.minimumSize(), f.client);
    EXPECT_EQ(window.maximumSize(), f.client);
    EXPECT_EQ(window.parentWidget(), &windows.main) << "placed over the main window";
    EXPECT_FALSE(window.findChildren<GradientPanel*>().isEmpty());
    for (const Control& c : f.controls) {
      SCOPED_TRACE(c.name);
      QWidget* w = Child(window, c.name);
      if (!w) continue;
      if (c.text) {
        EXPECT_EQ(TextOf(*w).toStdString(), c.text);
      }
      if (c.x >= 0) {
        EXPECT_EQ(InWindow(*w).x(), c.x);
      }
      if (c.width >= 0) {
        EXPECT_EQ(w->width(), c.width);
      }
    }
  }
}

TEST(SecondaryWindows, EachClosesByItsButton) {
  Windows windows;
  for (const Frame& f : kFrames) {
    SCOPED_TRACE(f.name);
    WhenModal([&f](QWidget& modal) {
      EXPECT_EQ(modal.objectName().toStdString(), f.name);
      auto* closer = modal.findChild<QAbstractButton*>(f.closer);
      if (closer)
        closer->click();
      else
        modal.close();
    });
    windows.Of(f.window).exec();
    EXPECT_FALSE(windows.Of(f.window).isVisible());
  }
}

TEST(SecondaryWindows, OpinionRowsShowTheOpinionColours) {
  Windows windows;
  const struct {
    const char* name;
    QColor colour;
  } rows[] = {{"topLine", Qt::black},
              {"excellentRow", {255, 255, 0}},
              {"goodRow", {0, 255, 0}},
              {"fairRow", {0, 0, 255}},
              {"badRow", {255, 0, 0}},
              {"confusingRow", {255, 0, 255}},
              {"crashesRow", {0, 255, 255}},
              {"multiplayerRow", {0, 128, 128}},
              {"clearRow", QApplication::palette().color(QPalette::Window)}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Child(windows.opinions, r.name)->palette().color(QPalette::Window), r.colour);
  }
  EXPECT_FALSE(Child(windows.opinions, "compareButton")->isVisibleTo(&windows.opinions));
  EXPECT_EQ(Child(windows.opinions, "multiplayerRow")->toolTip().toStdString(), "Map has no monsters");
  EXPECT_EQ(Child(windows.opinions, "topLine")->toolTip().toStdString(), "Your selected map");
}

TEST(SecondaryWindows, LevelListHasItsTwoColumns) {
  Windows windows;
  auto* list = Child<QTreeWidget>(windows.levels, "levelList");
  ASSERT_EQ(list->columnCount(), 2);
  EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Level");
  EXPECT_EQ(list->headerItem()->text(1).toStdString(), "Title");
  EXPECT_EQ(list->columnWidth(0), 80);
  EXPECT_EQ(list->columnWidth(1), 150);
  auto* players = Child<QSpinBox>(windows.network, "playersBox");
  EXPECT_EQ(players->minimum(), 2);
  EXPECT_EQ(players->maximum(), 8);
  EXPECT_EQ(players->value(), 2);
}

}  // namespace
}  // namespace tv::test
