// Both lists' rows: each opinion's colour on black, or the row filled with it
// when selected in multi-select (black text on lime, yellow and aqua).
#include "UiTest.h"
#include "ui/widgets/OpinionList.h"

namespace tv::test {
namespace {

const struct Code {
  int code;
  QColor colour;
  bool blackWhenSelected;
} kCodes[] = {
    {0, {192, 192, 192}, false}, {1, {0, 255, 0}, true},      {2, {0, 0, 255}, false},      {3, {255, 0, 0}, false},
    {4, {255, 0, 255}, false},   {5, {255, 255, 0}, true},    {6, {0, 128, 128}, false},    {7, {0, 255, 255}, true},
    {8, {128, 128, 0}, false},   {9, {192, 192, 192}, false}, {-1, {192, 192, 192}, false},
};

TEST(OpinionList, RowsShowTheirOpinionsColourOnBlackOrFilledWithItWhenSelected) {
  for (const auto& [name, rowHeight, selected] :
       {std::tuple{"tcList", 13, false}, {"mapList", 16, false}, {"mapList", 16, true}}) {
    MainWindow window;
    MainView view;
    view.listsVisible = view.multiSelect = true;
    for (int i = 0; i < int(std::size(kCodes)); ++i) {
      view.mapRows.push_back({"HHHH||||", kCodes[i].code});
      view.tcRows.push_back({"HHHH||||", kCodes[i].code});
      if (selected) view.mapSelected.push_back(i);
    }
    window.Render(view);
    window.show();
    QApplication::processEvents();  // lays the rows out
    auto* list = Child<OpinionList>(window, name);
    const QImage image = list->viewport()->grab().toImage();
    const QColor highlighted = list->palette().color(QPalette::Active, QPalette::HighlightedText);
    for (int i = 0; i < int(std::size(kCodes)); ++i) {
      const Code& code = kCodes[i];
      SCOPED_TRACE(testing::Message() << name << " code " << code.code << (selected ? " selected" : ""));
      const QRect row = list->visualItemRect(list->item(i));
      EXPECT_EQ(row.height(), rowHeight);
      const QColor fill = selected ? code.colour : QColor(Qt::black);
      const QColor text = !selected ? code.colour : code.blackWhenSelected ? QColor(Qt::black) : highlighted;
      EXPECT_EQ(RowFill(image, row), Hex(fill));
      EXPECT_EQ(Hex(image.pixelColor(row.left(), row.center().y())), Hex(fill)) << "the text starts inside";
      EXPECT_GT(CountColour(image, row.adjusted(0, 0, -row.width() / 2, 0), text), 5) << "text in " << Hex(text);
    }
  }
}

}  // namespace
}  // namespace tv::test
