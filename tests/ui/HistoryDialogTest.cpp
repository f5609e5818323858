// The history window on a real program folder: its rows read from the
// settings file at every activation, their colours by the maps' opinions,
// the selected row, its place over the main window and the focus.
#include <QAbstractButton>
#include <QListWidget>

#include "DialogFixture.h"
#include "fixture/Maps.h"

namespace tv::test {
namespace {

const QColor kSilver(192, 192, 192);

class HistoryDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    for (int hour = 1; hour <= 5; ++hour)
      fixture::WriteMap(Path(std::string("Maps/") + char('a' + hour - 1) + ".map"), hour);
  }
  void History(const std::string& entries) { WriteIni("[Tarvolin]\r\nInitialized=True\r\n[History]\r\n" + entries); }
  static std::vector<std::string> Rows(QWidget& window) {
    auto* list = Child<QListWidget>(window, "historyList");
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdString());
    return rows;
  }
};

TEST_F(HistoryDialogTest, RowsShowTheSlotsInOrderInTheColoursOfTheirMaps) {
  History(
      "PlayedMaps[0]=d.map\r\nPlayedMaps[1]=\r\nPlayedMaps[2]=gone.map\r\nPlayedMaps[3]=A.MAP\r\n"
      "PlayedMaps[4]=b.map\r\nPlayedMaps[5]=e.map\r\nPlayedMaps[6]=c.map\r\n");
  Program& p = StartWindows();
  p.Activate();
  const struct {
    const char* name;
    QColor colour;
  } rows[] = {
      {"d.map", {255, 0, 255}}, {"gone.map", kSilver}, {"A.MAP", {0, 255, 0}},
      {"b.map", {0, 0, 255}},   {"e.map", kSilver},    {"c.map", {255, 0, 0}},
  };
  ui.beeps.clear();
  WhenActive(windows.history, [&](SecondaryWindow& w) {
    auto* list = Child<QListWidget>(w, "historyList");
    ASSERT_EQ(list->count(), int(std::size(rows)));
    const QImage image = list->viewport()->grab().toImage();
    for (int i = 0; i < list->count(); ++i) {
      SCOPED_TRACE(rows[i].name);
      EXPECT_EQ(list->item(i)->text().toStdString(), rows[i].name);
      const QRect row = list->visualItemRect(list->item(i));
      EXPECT_EQ(row.top(), 13 * i);
      EXPECT_EQ(row.height(), 13);
      EXPECT_GT(CountColour(image, row, rows[i].colour), 0) << "text in the opinion's colour";
      EXPECT_EQ(Describe(image.pixelColor(row.right() - 1, row.center().y())), Describe(Qt::black));
    }
  });
  p.Maps().ShowHistory();
  EXPECT_EQ(ui.beeps.front(), BeepKind::Exclamation);
  EXPECT_EQ(ui.modals, std::vector<Window>{Window::History});
}

TEST_F(HistoryDialogTest, TheSelectedRowIsFilledWithItsColourUnderTheHighlightedText) {
  History("PlayedMaps[0]=b.map\r\nPlayedMaps[1]=a.map\r\n");
  StartWindows().Activate();
  Show(Window::History, [](SecondaryWindow& w) {
    auto* list = Child<QListWidget>(w, "historyList");
    const QRect row = list->visualItemRect(list->item(1));
    Press(list->viewport(), Qt::LeftButton, {}, row.center());
    const QImage image = list->viewport()->grab().toImage();
    EXPECT_EQ(Describe(image.pixelColor(row.right() - 1, row.center().y())), Describe(QColor(0, 255, 0)));
    const QColor text = list->palette().color(QPalette::Active, QPalette::HighlightedText);
    EXPECT_GT(CountColour(image, row, text), 0);
    const QRect other = list->visualItemRect(list->item(0));
    EXPECT_EQ(Describe(image.pixelColor(other.right() - 1, other.center().y())), Describe(Qt::black));
  });
}

TEST_F(HistoryDialogTest, EachActivationReadsTheFileAfreshPlacesTheWindowAndLeavesNoFocus) {
  History("PlayedMaps[0]=a.map\r\n");
  StartWindows().Activate();
  windows.main.move(100, 40);
  Show(Window::History, [this](SecondaryWindow& w) {
    EXPECT_EQ(Rows(w), std::vector<std::string>{"a.map"});
    EXPECT_EQ(w.pos(), QPoint(298, 98));
    EXPECT_EQ(FocusedControl(w), nullptr);
    History("PlayedMaps[0]=a.map\r\nPlayedMaps[1]=c.map\r\n");
    w.move(0, 0);
    LeaveAndReturn(w);
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"a.map", "c.map"}));
    EXPECT_EQ(w.pos(), QPoint(298, 98));
    EXPECT_EQ(FocusedControl(w), nullptr);
    Child<QAbstractButton>(w, "closeButton")->click();
    EXPECT_FALSE(w.isVisible());
  });
  History("PlayedMaps[0]=e.map\r\n");
  Show(Window::History, [](SecondaryWindow& w) { EXPECT_EQ(Rows(w), std::vector<std::string>{"e.map"}); });
}

}  // namespace
}  // namespace tv::test
