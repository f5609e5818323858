// The row rule of both lists: a row's opinion colour on black, or the row
// filled with it when selected, with black text on lime, yellow and aqua.
#include <QSignalSpy>
#include <QTest>

#include "UiTestHelpers.h"
#include "catalog/Opinion.h"
#include "ui/MainWindow.h"
#include "ui/widgets/OpinionList.h"

namespace tv::test {
namespace {

struct Code {
  int code;
  QColor colour;
  bool blackWhenSelected;
};

const Code kCodes[] = {
    {0, {192, 192, 192}, false}, {1, {0, 255, 0}, true},      {2, {0, 0, 255}, false},      {3, {255, 0, 0}, false},
    {4, {255, 0, 255}, false},   {5, {255, 255, 0}, true},    {6, {0, 128, 128}, false},    {7, {0, 255, 255}, true},
    {8, {128, 128, 0}, false},   {9, {192, 192, 192}, false}, {-1, {192, 192, 192}, false},
};

TEST(OpinionColors, EachCodeHasItsColourAndAnyOtherValueIsSilver) {
  for (const Code& c : kCodes) {
    SCOPED_TRACE(c.code);
    const Rgb rgb = OpinionColor(c.code);
    EXPECT_EQ(QColor(rgb.r, rgb.g, rgb.b), c.colour);
  }
}

MainView ViewWithEveryCode(bool selected) {
  MainView view;
  view.listsVisible = true;
  view.multiSelect = true;
  for (int i = 0; i < int(std::size(kCodes)); ++i) {
    view.mapRows.push_back({"HHHH||||", kCodes[i].code});
    view.tcRows.push_back({"HHHH||||", kCodes[i].code});
    if (selected) view.mapSelected.push_back(i);
  }
  return view;
}

void ExpectRowsDrawnByTheRule(const char* listName, int rowHeight, bool selected) {
  MainWindow window;
  MainView view = ViewWithEveryCode(selected);
  window.Render(view);
  window.show();
  QApplication::processEvents();  // lays the rows out
  auto* list = Child<OpinionList>(window, listName);
  if (selected && std::string(listName) == "tcList") return;  // one row at most; covered by m_mapList
  const QImage image = list->viewport()->grab().toImage();
  const QColor highlightedText = list->palette().color(QPalette::Active, QPalette::HighlightedText);
  for (int i = 0; i < int(std::size(kCodes)); ++i) {
    const Code& c = kCodes[i];
    SCOPED_TRACE(testing::Message() << listName << " code " << c.code << (selected ? " selected" : ""));
    const QRect row = list->visualItemRect(list->item(i));
    EXPECT_EQ(row.height(), rowHeight);
    const QColor fill = selected ? c.colour : QColor(Qt::black);
    const QColor text = !selected ? c.colour : c.blackWhenSelected ? QColor(Qt::black) : highlightedText;
    EXPECT_EQ(Describe(image.pixelColor(row.right() - 2, row.center().y())), Describe(fill));
    EXPECT_GT(CountColour(image, row.adjusted(0, 0, -row.width() / 2, 0), text), 5) << "text in " << Describe(text);
    EXPECT_EQ(Describe(image.pixelColor(row.left(), row.center().y())), Describe(fill))
        << "the text starts right of the left edge";
  }
}

TEST(OpinionList, UnselectedRowsShowTheirColourOnBlack) {
  ExpectRowsDrawnByTheRule("tcList", 13, false);
  ExpectRowsDrawnByTheRule("mapList", 16, false);
}

TEST(OpinionList, SelectedRowsAreFilledWithTheirColour) { ExpectRowsDrawnByTheRule("mapList", 16, true); }

TEST(OpinionList, SelectedTcRowIsFilledWithItsColour) {
  MainWindow window;
  MainView view = ViewWithEveryCode(false);
  view.tcSelected = 5;  // yellow: black text
  window.Render(view);
  window.show();
  QApplication::processEvents();
  auto* list = Child<OpinionList>(window, "tcList");
  const QImage image = list->viewport()->grab().toImage();
  const QRect row = list->visualItemRect(list->item(5));
  EXPECT_EQ(image.pixelColor(row.right() - 2, row.center().y()), QColor(255, 255, 0));
  EXPECT_GT(CountColour(image, row, Qt::black), 5);
}

TEST(OpinionList, MapListTakesSeveralRowsOnlyInMultiSelect) {
  MainWindow window;
  MainView view = ViewWithEveryCode(false);
  auto* list = Child<OpinionList>(window, "mapList");
  view.multiSelect = false;
  window.Render(view);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  view.multiSelect = true;
  view.mapSelected = {2, 4};
  window.Render(view);
  EXPECT_NE(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->SelectedRows(), (std::vector<int>{2, 4}));
  EXPECT_EQ(Child<OpinionList>(window, "tcList")->selectionMode(), QAbstractItemView::SingleSelection);
}

std::vector<ListRow> FiveRows() { return {{"a.map", 0}, {"b.map", 1}, {"c.map", 2}, {"d.map", 3}, {"e.map", 4}}; }

TEST(OpinionList, ShowingASelectionSendsNoSelectionEvent) {
  OpinionList list(16, nullptr);
  QSignalSpy changed(&list, &QListWidget::itemSelectionChanged);
  list.Show(FiveRows(), {2});
  list.Show(FiveRows(), {3});
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{3});
}

TEST(OpinionList, RightButtonReportsItselfAndLeavesTheSelection) {
  OpinionList list(16, nullptr);
  list.resize(198, 200);
  list.show();
  list.Show(FiveRows(), {1});
  QSignalSpy right(&list, &OpinionList::rightButtonDown);
  QSignalSpy released(&list, &OpinionList::mouseUp);
  const QPoint row3 = list.visualItemRect(list.item(3)).center();
  QTest::mousePress(list.viewport(), Qt::RightButton, {}, row3);
  QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, row3);
  EXPECT_EQ(right.count(), 1);
  EXPECT_EQ(released.count(), 1) << "a release of any button is reported";
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{1});
  Press(list.viewport(), Qt::LeftButton, {}, row3);
  EXPECT_EQ(list.SelectedRows(), std::vector<int>{3}) << "the left button does select";
  EXPECT_EQ(released.count(), 2);
}

TEST(OpinionList, DoubleClickAnywhereInTheListIsReported) {
  OpinionList list(16, nullptr);
  list.resize(198, 200);
  list.show();
  list.Show(FiveRows(), {});
  QSignalSpy doubled(&list, &OpinionList::doubleClicked);
  DoublePress(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
  DoublePress(list.viewport(), Qt::LeftButton, {}, QPoint(10, 190));  // below the last row
  EXPECT_EQ(doubled.count(), 2);
}

}  // namespace
}  // namespace tv::test
