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
    {Window::Rite,
     "TfrmRite",
     "Select Option",
     {284, 263},
     {{"PanelA", ""},
      {"PanelB", "Played and was Excellent"},
      {"PanelC", "Played and was Good"},
      {"PanelD", "Played and was Fair"},
      {"PanelE", "Played and was Bad"},
      {"PanelF", "Confusing or  stuck"},
      {"PanelG", "Crashes or Hangs"},
      {"PanelH", "Multiplayer Only"},
      {"PanelI", "Clear Color Indexing"},
      {"btnCompare", "", 17},
      {"btnCancel", " &Cancel", 93, 100}},
     "btnCancel"},
    {Window::History,
     "TfrmHistory",
     "Map History",
     {135, 231},
     {{"ListBox1", nullptr}, {"btnClose", " &Close"}},
     "btnClose"},
    {Window::Config,
     "TfrmConfig",
     "General Configurations",
     {241, 271},
     {{"Label1", "Nickname"},
      {"EditNick", nullptr},
      {"Label2", "Hosting a Game"},
      {"LabelIP", "Opponents IP  Address"},
      {"EditAddr", nullptr},
      {"CheckBoxDedi", "  Dedicated Master / Slave"},
      {"Label3", "Number of  Players"},
      {"CSpinPlayers", nullptr},
      {"btnAccept", " &Accept"},
      {"btnCancel", " &Cancel"}},
     "btnCancel"},
    {Window::Info, "TfrmInfo", "", {532, 351}, {{"Memo1", nullptr}, {"btnExit", " &Exit", 428, 83}}, "btnExit"},
    {Window::Levels,
     "TfrmLevels",
     "Select level",
     {250, 266},
     {{"ListView1", nullptr}, {"btnSelect", " &Select"}, {"btnCancel", " &Cancel"}},
     "btnCancel"},
    {Window::Batch,
     "TfrmBatch",
     "Play Batch File",
     {185, 243},
     {{"btnSelect", " &Select", 2, 83}, {"btnCancel", " &Cancel", 98, 83}},
     "btnCancel"},
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
  } rows[] = {{"PanelA", Qt::black},
              {"PanelB", {255, 255, 0}},
              {"PanelC", {0, 255, 0}},
              {"PanelD", {0, 0, 255}},
              {"PanelE", {255, 0, 0}},
              {"PanelF", {255, 0, 255}},
              {"PanelG", {0, 255, 255}},
              {"PanelH", {0, 128, 128}},
              {"PanelI", QApplication::palette().color(QPalette::Window)}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Child(windows.rite, r.name)->palette().color(QPalette::Window), r.colour);
  }
  EXPECT_FALSE(Child(windows.rite, "btnCompare")->isVisibleTo(&windows.rite));
  EXPECT_EQ(Child(windows.rite, "PanelH")->toolTip().toStdString(), "Map has no monsters");
  EXPECT_EQ(Child(windows.rite, "PanelA")->toolTip().toStdString(), "Your selected map");
}

TEST(SecondaryWindows, LevelListHasItsTwoColumns) {
  Windows windows;
  auto* list = Child<QTreeWidget>(windows.levels, "ListView1");
  ASSERT_EQ(list->columnCount(), 2);
  EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Level");
  EXPECT_EQ(list->headerItem()->text(1).toStdString(), "Title");
  EXPECT_EQ(list->columnWidth(0), 80);
  EXPECT_EQ(list->columnWidth(1), 150);
  auto* players = Child<QSpinBox>(windows.config, "CSpinPlayers");
  EXPECT_EQ(players->minimum(), 2);
  EXPECT_EQ(players->maximum(), 8);
  EXPECT_EQ(players->value(), 2);
}

}  // namespace
}  // namespace tv::test
