// The main window shows the core's view completely: texts, hints, enabled
// and visible flags, the drop-downs and the game type.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "UiTestHelpers.h"
#include "ui/MainWindow.h"

namespace tv::test {
namespace {

MainView SampleView() {
  MainView v;
  v.caption = "Tarvolin - v6.2 - EDuke32 2.0";
  v.nicknameHeading = "Ann";
  v.mapHeading = "Maps from Maps3";
  v.listsVisible = true;
  v.mapHint = "Foo.map  -  Size: 12K\nRightclick for Options.";
  v.playCaption = "Play EDuke32";
  v.playHint = "Start Duke3d Saved Game";
  v.tcButtonHint = "Start a Total Converstion Saved Game";
  v.mapButtonHint = "Start a user Map Saved Game";
  v.tcButtonEnabled = false;
  v.mapButtonEnabled = false;
  v.playEnabled = false;
  v.skillText = "Skill Level 4";
  v.skillEnabled = false;
  v.savedEntries = {"Hollywood ***", "Red light"};
  v.savedSelected = 1;
  v.gameType = GameRole::Join;
  v.savedBoxAllowed = false;
  v.assocChecked = true;
  v.assocVisible = false;
  v.assocHint = "Play the selected map with\nthe selected Total Conversion";
  return v;
}

QString TextOf(const QWidget& w) {
  if (auto* b = qobject_cast<const QAbstractButton*>(&w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(&w)) return l->text();
  if (auto* c = qobject_cast<const QComboBox*>(&w))
    return c->currentIndex() < 0 ? c->placeholderText() : c->currentText();
  return {};
}

struct Shown {
  const char* name;
  const char* text;  // nullptr: not checked
  const char* hint;  // nullptr: not checked
  bool enabled;
  bool visible;
};

const Shown kShown[] = {
    {"nicknameHeading", "Ann", nullptr, true, true},
    {"mapHeading", "Maps from Maps3", nullptr, true, true},
    {"mapList", nullptr, "Foo.map  -  Size: 12K\nRightclick for Options.", true, true},
    {"playButton", "Play EDuke32", "Start Duke3d Saved Game", false, true},
    {"tcButton", nullptr, "Start a Total Converstion Saved Game", false, true},
    {"mapButton", nullptr, "Start a user Map Saved Game", false, true},
    {"skillBox", "Skill Level 4", nullptr, false, true},
    {"savedGameBox", "Red light", nullptr, false, true},
    {"associateBox", nullptr, "Play the selected map with\nthe selected Total Conversion", true, false},
};

TEST(Render, EveryControlShowsWhatTheViewHolds) {
  MainWindow window;
  window.show();
  const MainView view = SampleView();
  window.Render(view);
  EXPECT_EQ(window.windowTitle().toStdString(), view.caption);
  for (const Shown& s : kShown) {
    SCOPED_TRACE(s.name);
    const QWidget* w = Child(window, s.name);
    if (!w) continue;
    if (s.text) {
      EXPECT_EQ(TextOf(*w).toStdString(), s.text);
    }
    if (s.hint) {
      EXPECT_EQ(w->toolTip().toStdString(), s.hint);
    }
    EXPECT_EQ(w->isEnabled(), s.enabled);
    EXPECT_EQ(w->isVisible(), s.visible);
  }
  EXPECT_TRUE(Child<QRadioButton>(window, "joinButton")->isChecked());
  EXPECT_FALSE(Child<QRadioButton>(window, "singleButton")->isChecked());
  EXPECT_TRUE(Child<QAbstractButton>(window, "associateBox")->isChecked());
  EXPECT_EQ(Child<QComboBox>(window, "savedGameBox")->count(), 2);
}

TEST(Render, TextsThatAreNoItemShowInTheDropDowns) {
  MainWindow window;
  MainView view;
  view.skillText = "Skill Level ";  // an empty stored skill
  view.savedText = "Start a saved game";
  view.savedEntries = {"Hollywood ***"};
  window.Render(view);
  EXPECT_EQ(TextOf(*Child(window, "skillBox")).toStdString(), "Skill Level ");
  EXPECT_EQ(TextOf(*Child(window, "savedGameBox")).toStdString(), "Start a saved game");
  EXPECT_EQ(Child<QComboBox>(window, "skillBox")->count(), 4) << "the four skill levels stay on offer";
}

TEST(Render, BytesThatAreNoUtf8StillShow) {
  MainWindow window;
  MainView view;
  view.mapHeading = "Maps from Caf\xe9";  // a Latin-1 name from an old archive
  window.Render(view);
  EXPECT_EQ(Child<QLabel>(window, "mapHeading")->text(), QString::fromUtf8("Maps from Caf\xc3\xa9"));
}

}  // namespace
}  // namespace tv::test
