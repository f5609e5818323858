// The windows as a person sees them: every control inside its window, none
// overlapping another or clipping its text; the main window showing the
// core's view; its pixels; and its events reaching the core.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>

#include "UiTest.h"
#include "ui/JpegImage.h"
#include "ui/widgets/GradientPanel.h"

namespace tv::test {
namespace {

bool Named(const QWidget* w) { return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"); }

QString TextOf(const QWidget& w) {
  QString text;
  if (auto* b = qobject_cast<const QAbstractButton*>(&w)) text = b->text();
  if (auto* l = qobject_cast<const QLabel*>(&w); l && !l->wordWrap()) text = l->text();
  if (auto* c = qobject_cast<const QComboBox*>(&w)) text = c->currentIndex() < 0 ? c->placeholderText() : c->currentText();
  return text.remove('&');
}

// What a control covers: a label only its text.
QRect Covered(const QWidget& w) {
  auto* label = qobject_cast<const QLabel*>(&w);
  if (!label || !label->pixmap().isNull()) return w.geometry();
  const QSize text(w.fontMetrics().horizontalAdvance(TextOf(w)) + 2 * label->margin(), w.height());
  return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text.boundedTo(w.size()), w.geometry());
}

// Named controls lie inside their parent and their window, cover no named
// sibling (the picture is the backdrop) and have room for their one-line texts.
void ExpectLaidOut(QWidget& window) {
  window.show();
  QApplication::processEvents();
  const auto controls = window.findChildren<QWidget*>();
  for (QWidget* w : controls) {
    if (!Named(w) || !w->isVisibleTo(&window) || w->isWindow()) continue;
    SCOPED_TRACE(window.objectName().toStdString() + "/" + w->objectName().toStdString());
    const QRect inWindow(w->mapTo(&window, QPoint(0, 0)), w->size());
    EXPECT_TRUE(window.rect().contains(inWindow)) << "outside the window";
    EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << "clipped by its parent";
    const QFontMetrics metrics(w->font());
    EXPECT_LE(metrics.horizontalAdvance(TextOf(*w)), w->width()) << "the text does not fit";
    EXPECT_LE(metrics.height(), w->height()) << "the text is cut";
    for (QWidget* other : controls) {
      if (other != w && other->parentWidget() == w->parentWidget() && Named(other) && other->isVisibleTo(&window) &&
          w->objectName() != "picture" && other->objectName() != "picture") {
        EXPECT_FALSE(Covered(*w).intersects(Covered(*other))) << "overlaps " << other->objectName().toStdString();
      }
    }
  }
}

TEST(Windows, ControlsSitInsideTheirWindowsWithoutOverlapOrClippedText) {
  Windows windows;
  MainView view;
  view.listsVisible = true;
  windows.main.Render(view);
  ExpectLaidOut(windows.main);
  for (Window w : {Window::Opinion, Window::History, Window::Network, Window::ReadMe, Window::Levels, Window::Batch})
    ExpectLaidOut(windows.Of(w));
  EXPECT_EQ(windows.main.minimumSize(), windows.main.maximumSize()) << "a fixed size";
  EXPECT_FALSE(windows.main.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(QFontInfo(windows.main.font()).family().toStdString(), "Liberation Sans") << "the metric-compatible font";
}

TEST(Windows, EachSecondaryWindowClosesByItsButton) {
  Windows windows;
  const std::pair<Window, const char*> closers[] = {
      {Window::Opinion, "cancelButton"}, {Window::History, "closeButton"}, {Window::Network, "cancelButton"},
      {Window::ReadMe, "exitButton"},    {Window::Levels, "cancelButton"}, {Window::Batch, "cancelButton"}};
  for (const auto& [window, closer] : closers) {
    SCOPED_TRACE(closer);
    WhenModal([closer](QWidget& modal) { Child<QAbstractButton>(modal, closer)->click(); });
    windows.Of(window).exec();
    EXPECT_FALSE(windows.Of(window).isVisible());
    EXPECT_EQ(windows.Of(window).parentWidget(), &windows.main) << "placed over the main window";
  }
}

TEST(MainWindow, EveryControlShowsWhatTheViewHolds) {
  MainWindow window;
  window.show();
  MainView v;
  EXPECT_FALSE(Child(window, "mapList")->isVisible()) << "the lists wait for the first pass";
  v.caption = "Tarvolin - v6.2 - EDuke32 2.0";
  v.mapHeading = "Maps from Caf\xe9";  // a Latin-1 name from an old archive
  v.listsVisible = true;
  v.mapHint = "Foo.map  -  Size: 12K";
  v.playCaption = "Play EDuke32";
  v.playHint = "Start Duke3d Saved Game";
  v.tcButtonHint = "TC hint";
  v.mapButtonEnabled = v.playEnabled = v.skillEnabled = v.assocVisible = false;
  v.skillText = "Skill Level ";  // an empty stored skill: no item
  v.savedEntries = {"Hollywood ***", "Red light"};
  v.savedSelected = 1;
  v.gameType = GameRole::Join;
  v.assocChecked = true;
  window.Render(v);
  const struct {
    const char* name;
    const char* text;  // nullptr: not checked
    const char* hint;
    bool enabled, visible;
  } shown[] = {
      {"mapHeading", "Maps from Caf\u00e9", nullptr, true, true},
      {"mapList", nullptr, "Foo.map  -  Size: 12K", true, true},
      {"playButton", "Play EDuke32", "Start Duke3d Saved Game", false, true},
      {"tcButton", nullptr, "TC hint", true, true},
      {"mapButton", nullptr, nullptr, false, true},
      {"skillBox", "Skill Level ", nullptr, false, true},
      {"savedGameBox", "Red light", nullptr, true, true},
      {"associateBox", nullptr, nullptr, true, false},
  };
  for (const auto& s : shown) {
    SCOPED_TRACE(s.name);
    const QWidget* w = Child(window, s.name);
    EXPECT_EQ(TextOf(*w).toStdString(), s.text ? s.text : TextOf(*w).toStdString());
    EXPECT_EQ(w->toolTip().toStdString(), s.hint ? s.hint : w->toolTip().toStdString());
    EXPECT_EQ(w->isEnabled(), s.enabled);
    EXPECT_EQ(w->isVisible(), s.visible);
  }
  EXPECT_EQ(window.windowTitle().toStdString(), v.caption);
  EXPECT_TRUE(Child<QRadioButton>(window, "joinButton")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(window, "associateBox")->isChecked());
  EXPECT_EQ(Child<QComboBox>(window, "skillBox")->count(), 4) << "the four skill levels stay on offer";
  v.savedBoxAllowed = false;  // a network game
  window.Render(v);
  EXPECT_FALSE(Child(window, "savedGameBox")->isEnabled());
}

TEST(MainWindow, PlayButtonIsBlackWithYellowTextAndRedUnderThePointer) {
  MainWindow window;
  MainView view;
  view.playCaption = "Play Duke3dw";
  window.Render(view);
  QWidget* play = Child(window, "playButton");
  const QPoint body(14, 4);  // inside the rounded body, clear of the text
  QImage image = play->grab().toImage();
  EXPECT_EQ(Hex(image.pixelColor(body)), "#000000");
  EXPECT_GT(CountColour(image, image.rect(), QColor(255, 255, 0)), 0) << "yellow text";
  play->setAttribute(Qt::WA_UnderMouse, true);
  EXPECT_EQ(Hex(play->grab().toImage().pixelColor(body)), "#ff0000");
  EXPECT_FALSE(play->mask().contains(QPoint(0, 0))) << "round corners";
}

TEST(MainWindow, TheDisabledSavedGameBoxShowsItsTextInSilverOnBlack) {
  MainWindow window;
  MainView view;
  view.savedEnabled = false;
  window.Render(view);
  auto* box = Child<QComboBox>(window, "savedGameBox");
  ASSERT_FALSE(box->isEnabled());
  EXPECT_EQ(TextOf(*box).toStdString(), "Start a saved game");
  const QImage image = box->grab().toImage();
  const QRect text = image.rect().adjusted(3, 3, -24, -3);  // clear of the frame and the arrow
  int light = 0;
  for (int y = text.top(); y <= text.bottom(); ++y)
    for (int x = text.left(); x <= text.right(); ++x) light += qGray(image.pixel(x, y)) >= 128;
  EXPECT_GE(light, 100) << "legible";
  EXPECT_GT(CountColour(image, text, QColor(192, 192, 192)), 0) << "silver";
  EXPECT_GE(CountColour(image, text, Qt::black), text.width() * text.height() / 2) << "the box stays black";
}

TEST(MainWindow, DropDownListsOpenBlackWithWhiteText) {
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
    ASSERT_TRUE(box->view()->isVisible());
    const QImage image = box->view()->viewport()->grab(box->view()->visualRect(box->model()->index(0, 0))).toImage();
    EXPECT_GE(CountColour(image, image.rect(), Qt::black), image.width() * image.height() / 2);
    EXPECT_GE(CountColour(image, image.rect(), Qt::white), 20) << "white text";
    box->hidePopup();
  }
}

TEST(MainWindow, PointerOverBottomBarPictureOrTcListTakesTheFocusAwayOnce) {
  MainWindow window;
  MainView view;
  view.listsVisible = true;
  window.Render(view);
  window.show();
  QApplication::setActiveWindow(&window);
  auto* skill = Child<QComboBox>(window, "skillBox");
  for (const auto& [name, drops] : {std::pair{"bottomBar", true}, {"picture", true}, {"tcList", true}, {"mapList", false}}) {
    SCOPED_TRACE(name);
    skill->setFocus();
    QWidget* area = Child(window, name);
    if (auto* list = qobject_cast<QAbstractScrollArea*>(area)) area = list->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), area->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(area, &move);
    EXPECT_EQ(skill->hasFocus(), !drops);
  }
  skill->setFocus();
  view.dropFocus = true;  // the core's request
  window.Render(view);
  EXPECT_FALSE(skill->hasFocus());
  EXPECT_FALSE(view.dropFocus);
  skill->setFocus();
  window.Render(view);
  EXPECT_TRUE(skill->hasFocus()) << "the request acts once";
}

TEST(Picture, TheStoredPictureFillsTheMiddleColumnAndDamagedDataGivesAMessage) {
  MainWindow window;
  auto* picture = Child<QLabel>(window, "picture");
  EXPECT_FALSE(picture->pixmap().isNull());
  EXPECT_EQ(picture->size(), picture->parentWidget()->size());
  QFile file(":/tarvolin/picture.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray good = file.readAll();
  const std::pair<QByteArray, const char*> damaged[] = {{QByteArray(), "Empty input"},
                                                        {"not a picture", "Not a JPEG file"},
                                                        {good.left(good.size() / 2), "Premature end"},
                                                        {good.left(20), "no image"}};
  for (const auto& [bytes, message] : damaged) {
    QString error;
    EXPECT_TRUE(DecodeJpeg(bytes, &error).isNull()) << message;
    EXPECT_TRUE(error.contains(message)) << error.toStdString();
  }
}

// Events of the main window reach the core and the window shows the outcome.
class MainWindowEvents : public DialogTest {
 protected:
  void SetUp() override { StartWindows(); }
};

TEST_F(MainWindowEvents, SkinEntryAppliesTheSkinEverywhereAndStoresIt) {
  Child<QAction>(windows.main, "Silver1")->trigger();
  EXPECT_STREQ(program->View().skin->name, "Silver");
  EXPECT_EQ(Hex(windows.batch.findChild<GradientPanel*>()->Right()), "#606060");
  EXPECT_NE(Ini().find("SkinColor=Silver"), std::string::npos);
}

TEST_F(MainWindowEvents, PlayButtonActsOnThePressOfAnyMouseButton) {
  QWidget* play = Child(windows.main, "playButton");
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(int(button));
    ui.beeps.clear();
    QTest::mousePress(play, button, {}, play->rect().center());
    EXPECT_EQ(ui.beeps.size(), 1u) << "no game data: a beep on the press itself";
    QTest::mouseRelease(play, button, {}, play->rect().center());
    EXPECT_EQ(ui.beeps.size(), 1u) << "not again on the release";
  }
}

TEST_F(MainWindowEvents, QuitAndTheAssociationBoxReachTheCore) {
  windows.main.Render();
  Child<QCheckBox>(windows.main, "associateBox")->click();
  EXPECT_TRUE(program->View().assocChecked);
  Child<QAbstractButton>(windows.main, "quitButton")->click();
  EXPECT_TRUE(ui.quit);
  EXPECT_TRUE(fixture::Exists(Path("Tarvolin.ini")));
}

TEST_F(MainWindowEvents, AFailingOperationShowsItsErrorAndTheWindowGoesOn) {
  fixture::MakeFolder(Path("Tarvolin.ini"));  // the settings file cannot be written
  Child<QAction>(windows.main, "Red1")->trigger();
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().kind, "error");
}

}  // namespace
}  // namespace tv::test
