// The pop-up menus: the entries the view shows, hides and checks, where the
// menus open, their items clear of the caption bar.
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
  const std::tuple<const char*, const char*, bool, bool> cases[] = {// caption "" is not checked
                                                                    {"executable1", "Duke3dw.exe", true, true},
                                                                    {"executable2", "EDuke32.exe", true, false},
                                                                    {"executable3", "", false, false},
                                                                    {"mapFolder0", "Maps", true, false},
                                                                    {"mapFolder1", "", false, false},
                                                                    {"mapFolder3", "Maps3", true, true},
                                                                    {"mapSort1", "", true, false},
                                                                    {"mapSort3", "", true, true},
                                                                    {"commandLine", "", true, true},
                                                                    {"multiSelect", "", true, true}};
  for (const auto& [name, caption, visible, checked] : cases) {
    const QAction* a = Child<QAction>(window, name);
    EXPECT_EQ(*caption ? a->text().toStdString() : "", caption) << name;
    EXPECT_EQ(std::pair(a->isVisible(), a->isChecked()), std::pair(visible, checked)) << name;
  }
  view.commandLineChecked = view.mapFolders[3].visible = false;
  window.Render(view);
  EXPECT_FALSE(Child<QAction>(window, "commandLine")->isChecked());
  EXPECT_FALSE(Child<QAction>(window, "mapFolder3")->isVisible());
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

}  // namespace
}  // namespace tv::test
