// The main window as laid out: places, sizes, texts, hints and fonts of its
// controls, the lists hidden until the pass shows them, and the focus rules.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include "UiTestHelpers.h"
#include "ui/MainWindow.h"

namespace tv::test {
namespace {

constexpr int kAny = -1;

QString TextOf(const QWidget& w) {
  if (auto* b = qobject_cast<const QAbstractButton*>(&w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(&w)) return l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(&w)) return g->title();
  if (auto* c = qobject_cast<const QComboBox*>(&w))
    return c->currentIndex() < 0 ? c->placeholderText() : c->currentText();
  return {};
}

struct Place {
  const char* name;
  int x, y, width, height;  // client pixels; kAny where the layout leaves it open
  const char* text;         // nullptr: not checked
  const char* hint;
};

const Place kPlaces[] = {
    {"topBar", 0, 0, 532, 29, nullptr, nullptr},
    {"options1Button", 8, kAny, kAny, kAny, "", nullptr},
    {"tcHeading", 44, kAny, kAny, kAny, "Total Conversions", nullptr},
    {"nicknameHeading", 188, kAny, 341 - 188, kAny, "Nickname", nullptr},
    {"options2Button", 340, kAny, kAny, kAny, "", nullptr},
    {"mapHeading", 388, kAny, kAny, kAny, "Maps from Maps", nullptr},
    {"bottomBar", 0, 347 - 35, 532, 35, nullptr, nullptr},
    {"tcButton", 24, kAny, 160, kAny, " Play User Addon ", "Start a Total Converstion"},
    {"quitButton", 220, kAny, 97, kAny, " &Quit", "Quit to Destop"},
    {"mapButton", 352, kAny, 160, kAny, " Play User Map", "Start a user Map"},
    {"tcList", 0, 29, 197, kAny, nullptr, "Rightclick for Options"},
    {"savedGameBox", kAny, kAny, kAny, kAny, "Start a saved game", "*** = Last saved."},
    {"deleteButton", kAny, kAny, kAny, kAny, "", "Delete saved game"},
    {"picture", 197, 29, 137, 283, nullptr, nullptr},
    {"playButton", 197 + 4, 29 + 139, 125, 26, nullptr, nullptr},
    {"gameTypeBox", kAny, kAny, kAny, kAny, "      GameType       ", nullptr},
    {"networkButton", kAny, kAny, kAny, kAny, "Config", "Setup video, sound and controls."},
    {"skillBox", kAny, kAny, kAny, kAny, "", "Set game Skill Level"},  // what the program says
    {"mapList", 197 + 137, 29, 198, kAny, nullptr, "Rightclick for Options"},
    {"associateBox", kAny, kAny, kAny, kAny, "Associate Map with TC", nullptr},
};

TEST(MainWindowLayout, ControlsSitWhereTheLayoutPutsThemWithTheirTextsAndHints) {
  MainWindow window;
  window.Render(MainView{});
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.name);
    QWidget* w = Child(window, p.name);
    if (!w) continue;
    const QRect r = InWindow(*w);
    if (p.x != kAny) {
      EXPECT_EQ(r.x(), p.x);
    }
    if (p.y != kAny) {
      EXPECT_EQ(r.y(), p.y);
    }
    if (p.width != kAny) {
      EXPECT_EQ(r.width(), p.width);
    }
    if (p.height != kAny) {
      EXPECT_EQ(r.height(), p.height);
    }
    EXPECT_TRUE(QRect(0, 0, 532, 347).contains(r)) << "outside the client area";
    if (p.text) {
      EXPECT_EQ(TextOf(*w).toStdString(), p.text);
    }
    if (p.hint) {
      EXPECT_EQ(w->toolTip().toStdString(), p.hint);
    }
  }
}

TEST(MainWindowLayout, ColumnsFillTheHeightBetweenTheBars) {
  MainWindow window;
  for (const char* name : {"tcList", "picture", "mapList"}) {
    SCOPED_TRACE(name);
    const QWidget* column = Child(window, name)->parentWidget();
    EXPECT_EQ(InWindow(*column), QRect(InWindow(*column).x(), 29, column->width(), 347 - 29 - 35));
  }
  EXPECT_EQ(Child(window, "tcList")->parentWidget()->width() + Child(window, "picture")->parentWidget()->width() +
                Child(window, "mapList")->parentWidget()->width(),
            532);
}

TEST(MainWindowLayout, FixedClientAreaWithSystemMenuAndMinimiseOnly) {
  MainWindow window;
  EXPECT_EQ(window.minimumSize(), QSize(532, 347));
  EXPECT_EQ(window.maximumSize(), QSize(532, 347));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window.windowTitle().toStdString(), "Tarvolin - vx.x");
}

struct Font {
  const char* name;  // nullptr: the window itself
  const char* family;
  int pixels;
  bool bold;
};

const Font kFonts[] = {
    {nullptr, "MS Sans Serif", 11, false},     {"tcHeading", "Arial", 12, true},
    {"nicknameHeading", "Arial", 12, true},    {"mapHeading", "Arial", 12, true},
    {"playButton", "MS Sans Serif", 13, true}, {"tcButton", "MS Sans Serif", 11, true},
    {"tcList", "MS Sans Serif", 11, true},     {"mapList", "MS Sans Serif", 11, true},
};

TEST(MainWindowLayout, FontsAreAskedForByFamilyAndPixelSize) {
  MainWindow window;
  for (const Font& f : kFonts) {
    SCOPED_TRACE(f.name ? f.name : "MainWindow");
    const QFont font = f.name ? Child(window, f.name)->font() : window.font();
    EXPECT_EQ(font.family().toStdString(), f.family);
    EXPECT_EQ(font.pixelSize(), f.pixels);
    EXPECT_EQ(font.bold(), f.bold);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), "Liberation Sans") << "the metric-compatible substitute";
  }
}

TEST(MainWindowLayout, ListsStayHiddenUntilTheViewShowsThem) {
  MainWindow window;
  window.show();
  MainView view;
  window.Render(view);
  EXPECT_FALSE(Child(window, "tcList")->isVisible());
  EXPECT_FALSE(Child(window, "mapList")->isVisible());
  view.listsVisible = true;
  window.Render(view);
  EXPECT_TRUE(Child(window, "tcList")->isVisible());
  EXPECT_TRUE(Child(window, "mapList")->isVisible());
}

TEST(MainWindowLayout, PlayButtonIsBlackWithYellowTextAndRedUnderThePointer) {
  MainWindow window;
  MainView view;
  view.playCaption = "Play Duke3dw";
  window.Render(view);
  QWidget* play = Child(window, "playButton");
  const QPoint body(14, 4);  // inside the rounded body, clear of the text
  QImage image = play->grab().toImage();
  EXPECT_EQ(image.pixelColor(body), QColor(Qt::black));
  EXPECT_GT(CountColour(image, image.rect(), QColor(255, 255, 0)), 0) << "yellow text";
  play->setAttribute(Qt::WA_UnderMouse, true);
  image = play->grab().toImage();
  EXPECT_EQ(image.pixelColor(body), QColor(Qt::red));
  EXPECT_FALSE(play->mask().contains(QPoint(0, 0))) << "the corners are not part of the shape";
  EXPECT_TRUE(play->mask().contains(play->rect().center()));
}

// Pixels light enough to read on black.
int LightPixels(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += qGray(image.pixel(x, y)) >= 128;
  return n;
}

TEST(MainWindowLayout, TheDisabledSavedGameBoxStillShowsItsText) {
  MainWindow window;
  MainView view;
  view.savedEnabled = false;
  window.Render(view);
  auto* box = Child<QComboBox>(window, "savedGameBox");
  ASSERT_FALSE(box->isEnabled());
  EXPECT_EQ(TextOf(*box).toStdString(), "Start a saved game");
  const QImage image = box->grab().toImage();
  const QRect text = image.rect().adjusted(3, 3, -24, -3);  // clear of the frame and the arrow
  EXPECT_GE(LightPixels(image, text), 100) << "legible on the black box";
  EXPECT_GE(CountColour(image, text, Qt::black), text.width() * text.height() / 2) << "the box stays black";
}

TEST(MainWindowLayout, DropDownListsOpenBlackWithWhiteText) {
  MainWindow window;
  MainView view;
  view.skillText = "Skill Level 4";
  view.savedEntries = {"Hollywood Holocaust", "Red Light District"};
  view.savedSelected = 1;
  window.Render(view);
  window.show();
  for (const char* name : {"skillBox", "savedGameBox"}) {
    SCOPED_TRACE(name);
    auto* box = Child<QComboBox>(window, name);
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible());
    const QRect row = list->visualRect(list->model()->index(0, 0));  // not the chosen one
    const QImage image = list->viewport()->grab(row).toImage();
    EXPECT_GE(CountColour(image, image.rect(), Qt::black), image.width() * image.height() / 2);
    EXPECT_GE(CountColour(image, image.rect(), Qt::white), 20) << "white text";
    box->hidePopup();
  }
}

struct Hover {
  const char* area;
  bool dropsFocus;
};

const Hover kHovers[] = {{"bottomBar", true}, {"picture", true}, {"tcList", true}, {"mapList", false}};

TEST(MainWindowLayout, PointerOverBottomBarPictureOrTcListTakesTheFocusAway) {
  MainWindow window;
  MainView view;
  view.listsVisible = true;
  window.Render(view);
  window.show();
  QApplication::setActiveWindow(&window);
  auto* skill = Child<QComboBox>(window, "skillBox");
  for (const Hover& h : kHovers) {
    SCOPED_TRACE(h.area);
    skill->setFocus();
    ASSERT_TRUE(skill->hasFocus());
    QWidget* area = Child(window, h.area);
    if (auto* list = qobject_cast<QAbstractScrollArea*>(area)) area = list->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), area->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    EXPECT_EQ(skill->hasFocus(), !h.dropsFocus);
  }
}

TEST(MainWindowLayout, DropFocusRequestActsOnceAndIsCleared) {
  MainWindow window;
  window.show();
  QApplication::setActiveWindow(&window);
  auto* skill = Child<QComboBox>(window, "skillBox");
  skill->setFocus();
  MainView view;
  view.dropFocus = true;
  window.Render(view);
  EXPECT_FALSE(skill->hasFocus());
  EXPECT_FALSE(view.dropFocus);
  skill->setFocus();
  window.Render(view);
  EXPECT_TRUE(skill->hasFocus()) << "a later render leaves the focus alone";
}

}  // namespace
}  // namespace tv::test
