// The pop-up menus "Options 1" and "Options 2": their entries in order, the
// entries the view shows, hides and checks, and where they open.
#include <QMenu>
#include <QTest>

#include "UiTestHelpers.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/widgets/CaptionMenu.h"
#include "ui/widgets/CaptionMenuStyle.h"

namespace tv::test {
namespace {

struct Entry {
  const char* name;  // "-": a separator
  const char* caption;
};

using Entries = std::vector<Entry>;

void ExpectEntries(const QMenu& menu, const Entries& expected) {
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), qsizetype(expected.size())) << menu.objectName().toStdString();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Entry& e = expected[i];
    SCOPED_TRACE(testing::Message() << menu.objectName().toStdString() << " entry " << i);
    QAction* a = actions[qsizetype(i)];
    if (std::string(e.name) == "-") {
      EXPECT_TRUE(a->isSeparator());
      continue;
    }
    EXPECT_EQ(a->objectName().toStdString(), e.name);
    if (e.caption) {
      EXPECT_EQ(a->text().toStdString(), e.caption);
    }
  }
}

const QMenu& Submenu(const QMenu& menu, const char* name) {
  auto* submenu = menu.findChild<QMenu*>(name);
  EXPECT_NE(submenu, nullptr) << name;
  return *submenu;
}

TEST(Menus, Options1HoldsItsEntriesInOrder) {
  MainWindow window;
  const CaptionMenu& menu = window.Menus().Options1();
  EXPECT_EQ(menu.Caption().toStdString(), "Options 1");
  ExpectEntries(menu, {{"playBatchFile", "Play Batch File"},
                       {"playTcLevel", "Play TC Level"},
                       {"-", nullptr},
                       {"executables", "Select Duke Game"},
                       {"gameSetup", "Duke Game Setup"},
                       {"commandLine", "Command line"},
                       {"-", nullptr},
                       {"desktopIcon", "Desktop Icon"},
                       {"skins", "GUI Skin Color"},
                       {"about", "About Tarvolin"},
                       {"-", nullptr},
                       {"cancelOptions1", "Cancel"}});
  ExpectEntries(Submenu(menu, "executables"), {{"executable1", nullptr},
                                               {"executable2", nullptr},
                                               {"executable3", nullptr},
                                               {"executable4", nullptr},
                                               {"executable5", nullptr}});
  ExpectEntries(Submenu(menu, "skins"), {{"Black1", "Black"},
                                         {"Silver1", "Silver"},
                                         {"Blue1", "Blue"},
                                         {"Green1", "Green"},
                                         {"Teal1", "Teal"},
                                         {"Purple1", "Purple"},
                                         {"Red1", "Red"},
                                         {"Gold1", "Gold"},
                                         {"None1", "None"}});
}

TEST(Menus, Options2HoldsItsEntriesInOrder) {
  MainWindow window;
  const CaptionMenu& menu = window.Menus().Options2();
  EXPECT_EQ(menu.Caption().toStdString(), "Options 2");
  ExpectEntries(menu, {{"mapFolders", "Map Folders"},
                       {"mapSorting", "Map Sorting"},
                       {"mapMusic", "Map Music"},
                       {"-", nullptr},
                       {"saveOpinions", "Save Opinions"},
                       {"showHistory", "Show History"},
                       {"playLevel", "Play Level"},
                       {"multiSelect", "Multi Select"},
                       {"-", nullptr},
                       {"cancelOptions2", "Cancel"}});
  ExpectEntries(Submenu(menu, "mapFolders"), {{"mapFolder0", nullptr},
                                              {"mapFolder1", nullptr},
                                              {"mapFolder2", nullptr},
                                              {"mapFolder3", nullptr},
                                              {"mapFolder4", nullptr},
                                              {"mapFolder5", nullptr},
                                              {"mapFolder6", nullptr}});
  ExpectEntries(Submenu(menu, "mapSorting"), {{"mapSort1", "Alphabetical"},
                                              {"mapSort2", "Map Colors"},
                                              {"mapSort3", "Map Sizing"},
                                              {"mapSort4", "Best Maps"}});
  EXPECT_EQ(Child<QAction>(menu, "saveOpinions")->toolTip().toStdString(), "Save to VedaDezi.txt");
}

TEST(Menus, EntriesFollowTheView) {
  MainWindow window;
  MainView view;
  view.duke[0] = {"Duke3dw.exe", true, true};
  view.duke[1] = {"EDuke32.exe", true, false};
  view.mapFolders[0] = {"Maps", true, false};
  view.mapFolders[3] = {"Maps3", true, true};
  view.mapSortChecked = {false, false, true, false};
  view.commandLineChecked = true;
  view.multiSelect = true;
  window.Render(view);
  const QMenu& options1 = window.Menus().Options1();
  const QMenu& options2 = window.Menus().Options2();
  struct Shown {
    const QMenu& menu;
    const char* name;
    const char* caption;  // nullptr: not checked
    bool visible;
    bool checked;
  };
  const Shown cases[] = {
      {options1, "executable1", "Duke3dw.exe", true, true}, {options1, "executable2", "EDuke32.exe", true, false},
      {options1, "executable3", nullptr, false, false},     {options1, "executable5", nullptr, false, false},
      {options2, "mapFolder0", "Maps", true, false},        {options2, "mapFolder1", nullptr, false, false},
      {options2, "mapFolder3", "Maps3", true, true},        {options2, "mapFolder6", nullptr, false, false},
      {options2, "mapSort1", nullptr, true, false},         {options2, "mapSort3", nullptr, true, true},
      {options1, "commandLine", nullptr, true, true},       {options2, "multiSelect", nullptr, true, true},
  };
  for (const Shown& s : cases) {
    SCOPED_TRACE(s.name);
    const QAction* a = Child<QAction>(s.menu, s.name);
    if (s.caption) {
      EXPECT_EQ(a->text().toStdString(), s.caption);
    }
    EXPECT_EQ(a->isVisible(), s.visible);
    EXPECT_EQ(a->isChecked(), s.checked);
  }
  view.commandLineChecked = false;
  view.multiSelect = false;
  view.mapFolders[3].visible = false;
  window.Render(view);
  EXPECT_FALSE(Child<QAction>(options1, "commandLine")->isChecked());
  EXPECT_FALSE(Child<QAction>(options2, "multiSelect")->isChecked());
  EXPECT_FALSE(Child<QAction>(options2, "mapFolder3")->isVisible());
}

TEST(Menus, ItemsAre22PixelsHighRightOfTheCaptionBar) {
  MainWindow window;
  CaptionMenu& menu = window.Menus().Options1();
  EXPECT_GT(menu.BarWidth(), 0);
  for (const char* name : {"playBatchFile", "executables", "cancelOptions1"}) {
    const QRect item = menu.actionGeometry(Child<QAction>(menu, name));
    EXPECT_EQ(item.height(), CaptionMenuStyle::kItemHeight) << name;
    EXPECT_GE(item.left(), menu.BarWidth()) << name;
  }
}

TEST(Menus, Options1OpensRightOfThePointerAndOptions2CentredOnIt) {
  MainWindow window;
  const QPoint pointer(300, 100);
  CaptionMenu& options1 = window.Menus().Options1();
  options1.PopupAt(pointer);
  EXPECT_EQ(options1.geometry().topLeft(), pointer);
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
  QAction* music = Child<QAction>(menu, "mapMusic");
  bool triggered = false;
  QObject::connect(music, &QAction::triggered, [&] { triggered = true; });
  menu.PopupAt(QPoint(300, 100));
  for (int i = 0; i < 3; ++i) PressKey(&menu, Qt::Key_Down);
  PressKey(&menu, Qt::Key_Return);
  EXPECT_TRUE(triggered);
  EXPECT_FALSE(menu.isVisible());
}

}  // namespace
}  // namespace tv::test
