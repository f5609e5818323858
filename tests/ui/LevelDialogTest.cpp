// The level window on a real program: the stock table and a TC's levels as
// the model orders them, the look of the list, and Select closing the window
// only for a level row.
#include <QAbstractButton>
#include <QTreeWidget>

#include "DialogFixture.h"

namespace tv::test {
namespace {

std::vector<std::pair<std::string, std::string>> Rows(QWidget& window) {
  auto* list = Child<QTreeWidget>(window, "levelList");
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    rows.push_back({list->topLevelItem(i)->text(0).toStdString(), list->topLevelItem(i)->text(1).toStdString()});
  return rows;
}

void Choose(QWidget& window, int row) {
  auto* list = Child<QTreeWidget>(window, "levelList");
  if (row >= 0) list->setCurrentItem(list->topLevelItem(row));
  Child<QAbstractButton>(window, "selectButton")->click();
}

class LevelDialogTest : public DialogTest {};

TEST_F(LevelDialogTest, TheStockTableShowsWhiteBoldOnBlackInItsOwnOrder) {
  StartWindows().Play().Levels().PrepareStock();
  Show(Window::Levels, [](SecondaryWindow& w) {
    const auto rows = Rows(w);
    ASSERT_EQ(rows.size(), 47u);
    EXPECT_EQ(rows[0], std::make_pair(std::string("E1L1"), std::string("Hollywood Holocaust")));
    EXPECT_EQ(rows[11], std::make_pair(std::string("  "), std::string()));
    EXPECT_EQ(rows[46], std::make_pair(std::string("E4L11"), std::string("Area 51")));
    auto* list = Child<QTreeWidget>(w, "levelList");
    EXPECT_TRUE(list->font().bold());
    const QImage image = list->viewport()->grab().toImage();
    const QRect first = list->visualItemRect(list->topLevelItem(0));
    EXPECT_GT(CountColour(image, first, Qt::white), 0) << "white text";
    EXPECT_EQ(Describe(image.pixelColor(first.right() - 1, first.center().y())), Describe(Qt::black));
  });
}

TEST_F(LevelDialogTest, SelectClosesOnlyOnALevelRowAndCancelDropsTheSwitches) {
  const struct {
    int row;  // -1: none selected
    bool closes;
    const char* switches;
  } cases[] = {
      {46, true, " -v4 -l11"}, {8, true, " -v1 -l09"}, {12, true, " -v2 -l01"}, {11, false, ""}, {-1, false, ""}};
  Program& p = StartWindows();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    p.Play().Levels().PrepareStock();
    Show(Window::Levels, [&](SecondaryWindow& w) {
      Choose(w, c.row);
      EXPECT_EQ(w.isVisible(), !c.closes);
      if (!c.closes) Child<QAbstractButton>(w, "cancelButton")->click();
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(p.Play().Levels().LevelSwitches(), c.switches);
  }
}

TEST_F(LevelDialogTest, ATcsLevelsShowInTheModelsOrderAndReturnTheirOwnBytes) {
  Program& p = StartWindows();
  p.Play().Levels().PrepareTc({"ZOO", "alpha", "CAF\xC9", "Beta"});
  Show(Window::Levels, [](SecondaryWindow& w) {
    const auto rows = Rows(w);
    ASSERT_EQ(rows.size(), 4u);
    const char* shown[] = {"alpha", "Beta", "CAF\u00C9", "ZOO"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].first, shown[i]);
      EXPECT_EQ(rows[i].second, "");
    }
    Choose(w, 2);
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_EQ(p.Play().Levels().MapFile(), "CAF\xC9.map");
}

}  // namespace
}  // namespace tv::test
