// The windows as a person sees them: controls inside, none overlapping or clipped; the main window, its menus
// and lists showing the core's view in its pixels and skin; its events reaching the core.
#include "UiTest.h"
#include "catalog/Opinion.h"
#include "ui/Appearance.h"
#include "ui/MainMenus.h"
#include "ui/widgets/CaptionMenu.h"
#include "ui/widgets/CaptionMenuStyle.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/MessageDialog.h"
#include "ui/widgets/OpinionList.h"

namespace tv::test {
namespace {

MainView With(const std::function<void(MainView&)>& set) { return [&](MainView v) { return set(v), v; }({}); }
bool Named(const QWidget* w) { return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"); }

QString TextOf(const QWidget& w) {
  QString text;
  if (auto* b = qobject_cast<const QAbstractButton*>(&w)) text = b->text();
  if (auto* l = qobject_cast<const QLabel*>(&w); l && !l->wordWrap()) text = l->text();
  if (auto* c = qobject_cast<const QComboBox*>(&w))
    text = c->currentIndex() < 0 ? c->placeholderText() : c->currentText();
  return text.remove('&');
}

// What a control covers: of a label only its text.
QRect Covered(const QWidget& w) {
  auto* label = qobject_cast<const QLabel*>(&w);
  if (!label || !label->pixmap().isNull()) return w.geometry();
  const QSize text(w.fontMetrics().horizontalAdvance(TextOf(w)) + 2 * label->margin(), w.height());
  return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text.boundedTo(w.size()), w.geometry());
}

TEST(Windows, ControlsSitInsideTheirWindowsWithoutOverlapOrClippedTextAndTheirButtonsCloseThem) {
  Windows windows;
  windows.main.Render(With([](MainView& v) { v.listsVisible = true; }));
  const std::pair<QWidget*, const char*> cases[] = {
      {&windows.main, nullptr},           {&windows.opinions, "cancelButton"}, {&windows.history, "closeButton"},
      {&windows.network, "cancelButton"}, {&windows.readMe, "exitButton"},     {&windows.levels, "cancelButton"},
      {&windows.batch, "cancelButton"}};
  for (const auto& [window, closer] : cases) {
    window->show(), QApplication::processEvents();
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* w : controls) {
      if (!Named(w) || !w->isVisibleTo(window) || w->isWindow()) continue;
      SCOPED_TRACE(window->objectName().toStdString() + "/" + w->objectName().toStdString());
      EXPECT_TRUE(window->rect().contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) << "outside";
      EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << "clipped by its parent";
      EXPECT_LE(w->fontMetrics().horizontalAdvance(TextOf(*w)), w->width()) << "the text does not fit";
      EXPECT_LE(w->fontMetrics().height(), w->height()) << "the text is cut";
      for (QWidget* o : controls) {  // the picture is the middle column's backdrop
        if (o != w && o->parentWidget() == w->parentWidget() && Named(o) && o->isVisibleTo(window) &&
            w->objectName() != "picture" && o->objectName() != "picture") {
          EXPECT_FALSE(Covered(*w).intersects(Covered(*o))) << "overlaps " << o->objectName().toStdString();
        }
      }
    }
    if (!closer) continue;
    WhenModal([closer = closer](QWidget& modal) { Child<QAbstractButton>(modal, closer)->click(); });
    window->hide(), static_cast<QDialog*>(window)->exec();
    EXPECT_FALSE(window->isVisible()) << closer;
  }
  EXPECT_TRUE(windows.main.minimumSize() == windows.main.maximumSize() &&
              !(windows.main.windowFlags() & Qt::WindowMaximizeButtonHint)) << "a fixed size";
  EXPECT_FALSE(Child<QLabel>(windows.main, "picture")->pixmap().isNull());
  EXPECT_EQ(QFontInfo(windows.main.font()).family().toStdString(), "Liberation Sans") << "the metric-compatible font";
}

TEST(MainWindow, EveryControlAndMenuEntryShowsWhatTheViewHolds) {
  MainWindow window;
  window.show();
  QApplication::setActiveWindow(&window);
  MainView v;
  EXPECT_FALSE(Child(window, "mapList")->isVisible()) << "the lists wait for the first pass";
  v.caption = "Tarvolin - v6.2 - EDuke32 2.0";
  v.mapHeading = "Maps from Caf\xe9";  // a Latin-1 name from an old archive
  v.listsVisible = v.assocChecked = v.commandLineChecked = v.multiSelect = true;
  v.mapHint = "Foo.map  -  Size: 12K", v.playCaption = "Play EDuke32", v.playHint = "Start Duke3d Saved Game";
  v.mapButtonEnabled = v.playEnabled = v.skillEnabled = v.assocVisible = false;
  v.tcButtonHint = "TC hint", v.skillText = "Skill Level ";  // an empty stored skill: no item
  v.savedEntries = {"Hollywood ***", "Red light"}, v.savedSelected = 1, v.gameType = GameRole::Join;
  v.duke[0] = {"Duke3dw.exe", true, true}, v.duke[1] = {"EDuke32.exe", true, false};
  v.mapFolders[3] = {"Maps3", true, true}, v.mapSortChecked = {false, false, true, false};
  window.Render(v);
  // The control, its text and hint ("-": not checked), whether it is enabled and shows.
  const std::tuple<const char*, std::string, std::string, bool, bool> shown[] = {
      // clang-format off
      {"mapHeading", "Maps from Caf\u00e9", "-", true, true}, {"mapList", "-", v.mapHint, true, true},
      {"playButton", v.playCaption, v.playHint, false, true},  {"tcButton", "-", v.tcButtonHint, true, true},
      {"mapButton", "-", "-", false, true},                    {"skillBox", v.skillText, "-", false, true},
      {"savedGameBox", "Red light", "-", true, true},          {"associateBox", "-", "-", true, false}};
  // clang-format on
  for (const auto& [name, text, hint, enabled, visible] : shown) {
    const QWidget* w = Child(window, name);
    EXPECT_EQ(text == "-" ? text : TextOf(*w).toStdString(), text) << name;
    EXPECT_EQ(hint == "-" ? hint : w->toolTip().toStdString(), hint) << name;
    EXPECT_EQ(std::pair(w->isEnabled(), w->isVisible()), std::pair(enabled, visible)) << name;
  }
  // The menu entry, its caption ("": not checked), whether it shows and is checked.
  const std::tuple<const char*, const char*, bool, bool> entries[] = {
      // clang-format off
      {"executable1", "Duke3dw.exe", true, true}, {"executable2", "EDuke32.exe", true, false},
      {"executable3", "", false, false},          {"mapFolder0", "Maps", true, false}, {"mapFolder1", "", false, false},
      {"mapFolder3", "Maps3", true, true},        {"mapSort1", "", true, false},       {"mapSort3", "", true, true},
      {"commandLine", "", true, true},            {"multiSelect", "", true, true}};
  // clang-format on
  for (const auto& [name, caption, visible, checked] : entries) {
    const QAction* a = Child<QAction>(window, name);
    EXPECT_EQ(*caption ? a->text().toStdString() : "", caption) << name;
    EXPECT_EQ(std::pair(a->isVisible(), a->isChecked()), std::pair(visible, checked)) << name;
  }
  EXPECT_EQ(window.windowTitle().toStdString(), v.caption);
  EXPECT_TRUE(Child<QRadioButton>(window, "joinButton")->isChecked() &&
              Child<QCheckBox>(window, "associateBox")->isChecked());
  QWidget* focused = Child(window, "mapList");
  focused->setFocus();
  v.savedBoxAllowed = v.commandLineChecked = v.mapFolders[3].visible = false;  // a network game
  v.dropFocus = true;  // the core's request takes the focus away once
  window.Render(v);
  EXPECT_FALSE(Child(window, "savedGameBox")->isEnabled() || Child<QAction>(window, "commandLine")->isChecked());
  EXPECT_FALSE(Child<QAction>(window, "mapFolder3")->isVisible() || focused->hasFocus() || v.dropFocus);
  focused->setFocus();
  window.Render(v);
  EXPECT_TRUE(focused->hasFocus());
}

TEST(MainWindow, PlayButtonBlackWithYellowTextRedUnderThePointerBoxesSilverWhenDisabledAndBlackOpened) {
  MainWindow window;
  window.Render(With([](MainView& v) { v.playCaption = "Play Duke3dw", v.savedEnabled = false; }));
  QWidget* play = Child(window, "playButton");
  const QPoint body(14, 4);  // inside the rounded body, clear of the text
  QImage image = play->grab().toImage();
  EXPECT_EQ(Hex(image.pixelColor(body)), "#000000");
  EXPECT_GT(CountColour(image, image.rect(), QColor(255, 255, 0)), 0) << "yellow text";
  play->setAttribute(Qt::WA_UnderMouse, true);
  EXPECT_EQ(Hex(play->grab().toImage().pixelColor(body)), "#ff0000");
  EXPECT_FALSE(play->mask().contains(QPoint(0, 0))) << "round corners";
  auto* box = Child<QComboBox>(window, "savedGameBox");
  EXPECT_EQ(std::pair(box->isEnabled(), TextOf(*box)), std::pair(false, QString("Start a saved game")));
  image = box->grab().toImage();
  const QRect text = image.rect().adjusted(3, 3, -24, -3);  // clear of the frame and the arrow
  EXPECT_GT(CountColour(image, text, QColor(192, 192, 192)), 20) << "silver";
  EXPECT_GE(CountColour(image, text, Qt::black), text.width() * text.height() / 2) << "the box stays black";
  window.Render(With([](MainView& v) { v.skillText = "Skill Level 4", v.savedEntries = {"Hollywood", "Red Light"}; }));
  window.show();
  for (const char* name : {"skillBox", "savedGameBox"}) {  // the opened lists: black with white text
    box = Child<QComboBox>(window, name);
    box->showPopup();
    ASSERT_TRUE(box->view()->isVisible());
    image = box->view()->viewport()->grab(box->view()->visualRect(box->model()->index(0, 0))).toImage();
    EXPECT_GE(CountColour(image, image.rect(), Qt::black), image.width() * image.height() / 2) << name;
    EXPECT_GE(CountColour(image, image.rect(), Qt::white), 20) << name << ": white text";
    box->hidePopup();
  }
}

struct WindowsOnCore : ProgramTest {  // the windows on a core whose user interface is the recorder
  Windows windows;
};

TEST_F(WindowsOnCore, MainWindowEventsReachTheCore) {
  Start(), windows.SetProgram(program.get());
  QWidget* play = Child(windows.main, "playButton");
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    ui.beeps.clear();
    QTest::mousePress(play, button, {}, play->rect().center());
    EXPECT_EQ(ui.beeps.size(), 1u) << "no game data: a beep on the press of any button";
    QTest::mouseRelease(play, button, {}, play->rect().center());
    EXPECT_EQ(ui.beeps.size(), 1u) << "not again on the release";
  }
  Child<QAction>(windows.main, "Silver1")->trigger();
  EXPECT_NE(Ini().find("SkinColor=Silver"), std::string::npos);
  windows.main.Render();
  Child<QCheckBox>(windows.main, "associateBox")->click();
  Child<QAbstractButton>(windows.main, "quitButton")->click();
  EXPECT_TRUE(program->View().assocChecked && ui.quit);
  std::remove(Path("Tarvolin.ini").c_str()), fixture::MakeFolder(Path("Tarvolin.ini"));  // cannot be written
  Child<QAction>(windows.main, "Red1")->trigger();
  EXPECT_TRUE(!ui.shown.empty() && ui.shown.back().kind == "error") << "shown, and the window goes on";
}

TEST(Skin, ReachesEveryWindow) {
  Windows windows;
  windows.main.SetProgram(nullptr, windows.InSkinOrder());
  MainView view;
  MainMenus& menus = windows.main.Menus();
  for (const Skin& skin : kSkins) {
    SCOPED_TRACE(skin.name);
    ASSERT_EQ(&SkinForStoredName(skin.name), &skin);
    view.skin = &skin;
    windows.main.Render(view);
    const QColor light = ToQColor(skin.light), text = ToQColor(skin.text);
    const QColor dark = skin.dark ? ToQColor(*skin.dark) : QApplication::palette().color(QPalette::Button);
    for (const char* bar : {"bottomBar", "topBar"}) {
      const QImage image = Child(windows.main, bar)->grab().toImage();
      EXPECT_TRUE(Near(image.pixelColor(0, image.height() / 2), light)) << bar;
      EXPECT_TRUE(Near(image.pixelColor(image.width() - 1, image.height() / 2), dark)) << bar;
    }
    const QImage top = Child(windows.main, "topBar")->grab().toImage();
    for (const char* name : {"options1Button", "options2Button"}) {  // the glyph's three bars of 12 x 2 stand out
      const QRect b = Child(windows.main, name)->geometry();
      int inked = 0;
      for (int y = b.top(); y <= b.bottom(); ++y)
        for (int x = b.left(); x <= b.right(); ++x) inked += !Near(top.pixelColor(x, y), top.pixelColor(b.left() - 1, b.center().y()), 80);
      EXPECT_GE(inked, 3 * 12 * 2) << name;
    }
    for (const char* name : {"tcButton", "quitButton", "mapButton", "tcHeading", "nicknameHeading", "mapHeading"}) {
      const QWidget* w = Child(windows.main, name);
      const auto role = qobject_cast<const QAbstractButton*>(w) ? QPalette::ButtonText : QPalette::WindowText;
      EXPECT_EQ(Hex(w->palette().color(QPalette::Active, role)), Hex(text)) << name;
    }
    for (const CaptionMenuStyle* s : {&menus.Options1().Style(), &menus.Options2().Style()})
      EXPECT_EQ(std::tuple(s->Light(), s->Dark(), s->Text()), std::tuple(light, dark, text));
    const MessageDialog& m = windows.main.Messages();
    EXPECT_EQ(std::tuple(m.Left(), m.Right(), m.TextColour()), std::tuple(light, dark, text));
    for (SecondaryWindow* window : windows.InSkinOrder()) {
      EXPECT_FALSE(window->findChildren<GradientPanel*>().isEmpty());
      for (const GradientPanel* bar : window->findChildren<GradientPanel*>())
        EXPECT_EQ(std::pair(bar->Left(), bar->Right()), std::pair(light, dark)) << window->objectName().toStdString();
    }
    EXPECT_EQ(windows.opinions.Messages().Left(), QColor(Qt::white)) << "the opinion messages keep their own";
  }
}

// An opinion code, and whether its text turns black on its (light) fill when selected.
const std::pair<int, bool> kCodes[] = {{0, false}, {1, true},  {2, false}, {3, false}, {4, false}, {5, true},
                                       {6, false}, {7, true},  {8, false}, {9, false}, {-1, false}};

TEST(OpinionList, RowsShowTheirOpinionsColourOnBlackOrFilledWithItWhenSelected) {
  for (const auto& [name, rowHeight, selected] :
       {std::tuple{"tcList", 13, false}, {"mapList", 16, false}, {"mapList", 16, true}}) {
    MainWindow window;
    window.Render(With([&, selected = selected](MainView& v) {
      v.listsVisible = v.multiSelect = true;
      for (int i = 0; i < int(std::size(kCodes)); ++i) {
        v.mapRows.push_back({"HHHH||||", kCodes[i].first}), v.tcRows.push_back({"HHHH||||", kCodes[i].first});
        if (selected) v.mapSelected.push_back(i);
      }
    }));
    window.show(), QApplication::processEvents();  // lays the rows out
    auto* list = Child<OpinionList>(window, name);
    const QImage image = list->viewport()->grab().toImage();
    const QColor highlighted = list->palette().color(QPalette::Active, QPalette::HighlightedText);
    for (int i = 0; i < int(std::size(kCodes)); ++i) {
      const auto [code, blackWhenSelected] = kCodes[i];
      SCOPED_TRACE(testing::Message() << name << " code " << code << (selected ? " selected" : ""));
      const QRect row = list->visualItemRect(list->item(i));
      const QColor colour = ToQColor(OpinionColor(code)), fill = selected ? colour : QColor(Qt::black);
      const QColor text = !selected ? colour : blackWhenSelected ? QColor(Qt::black) : highlighted;
      EXPECT_EQ(std::tuple(row.height(), RowFill(image, row), Hex(image.pixelColor(row.left(), row.center().y()))),
                std::tuple(rowHeight, Hex(fill), Hex(fill))) << "height, fill, fill where the text starts";
      EXPECT_GT(CountColour(image, row.adjusted(0, 0, -row.width() / 2, 0), text), 5) << "text in " << Hex(text);
    }
  }
}

}  // namespace
}  // namespace tv::test
