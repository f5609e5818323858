// The pop-up menus: the entries the view shows, hides and checks, where the
// menus open, their items clear of the caption bar, and the keyboard.
#include <QMenu>

#include "UiTest.h"
#include "ui/MainMenus.h"
#include "ui/widgets/CaptionMenu.h"

namespace tv::test {
namespace {

TEST(Menus, EntriesFollowTheView) {
  MainWindow window;
  MainView view;
  view.duke[0] = {"Duke3dw.exe", true, true};
  view.duke[1] = {"EDuke32.exe", true, false};
  view.mapFolders[3] = {"Maps3", true, true};
  view.mapSortChecked = {false, false, true, false};
  view.commandLineChecked = view.multiSelect = true;
  window.Render(view);
  const QMenu& options1 = window.Menus().Options1();
  const QMenu& options2 = window.Menus().Options2();
  const struct {
    const QMenu& menu;
    const char* name;
    const char* caption;  // nullptr: not checked
    bool visible, checked;
  } cases[] = {
      {options1, "executable1", "Duke3dw.exe", true, true}, {options1, "executable2", "EDuke32.exe", true, false},
      {options1, "executable3", nullptr, false, false},     {options2, "mapFolder0", "Maps", true, false},
      {options2, "mapFolder1", nullptr, false, false},      {options2, "mapFolder3", "Maps3", true, true},
      {options2, "mapSort1", nullptr, true, false},         {options2, "mapSort3", nullptr, true, true},
      {options1, "commandLine", nullptr, true, true},       {options2, "multiSelect", nullptr, true, true},
      {options1, "Black1", "Black", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QAction* a = Child<QAction>(c.menu, c.name);
    EXPECT_EQ(a->text().toStdString(), c.caption ? c.caption : a->text().toStdString());
    EXPECT_EQ(a->isVisible(), c.visible);
    EXPECT_EQ(a->isChecked(), c.checked);
  }
  view.commandLineChecked = view.multiSelect = view.mapFolders[3].visible = false;
  window.Render(view);
  EXPECT_FALSE(Child<QAction>(options1, "commandLine")->isChecked());
  EXPECT_FALSE(Child<QAction>(options2, "multiSelect")->isChecked());
  EXPECT_FALSE(Child<QAction>(options2, "mapFolder3")->isVisible());
}

TEST(Menus, Options1OpensRightOfThePointerOptions2CentredOnItWithItemsRightOfTheBar) {
  MainWindow window;
  const QPoint pointer(300, 100);
  CaptionMenu& options1 = window.Menus().Options1();
  options1.PopupAt(pointer);
  EXPECT_EQ(options1.geometry().topLeft(), pointer);
  EXPECT_GT(options1.BarWidth(), 0);
  for (QAction* a : options1.actions()) EXPECT_GE(options1.actionGeometry(a).left(), options1.BarWidth());
  options1.close();
  CaptionMenu& options2 = window.Menus().Options2();
  options2.PopupAt(pointer);
  EXPECT_LE(std::abs(options2.geometry().center().x() - pointer.x()), 1);
  EXPECT_EQ(options2.geometry().top(), pointer.y());
  options2.close();
}

TEST(Menus, KeyboardChoosesAnEntry) {
  MainWindow window;
  CaptionMenu& menu = window.Menus().Options2();
  bool triggered = false;
  QObject::connect(Child<QAction>(menu, "mapMusic"), &QAction::triggered, [&] { triggered = true; });
  menu.PopupAt(QPoint(300, 100));
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(&menu, key);
  EXPECT_TRUE(triggered);
  EXPECT_FALSE(menu.isVisible());
}

}  // namespace
}  // namespace tv::test
