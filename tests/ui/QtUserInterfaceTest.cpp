// The windows' side of the core's port, and events reaching the core through
// the main window.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "UiTestHelpers.h"
#include "support/ProgramFixture.h"
#include "ui/QtUserInterface.h"
#include "ui/SystemSounds.h"
#include "ui/Windows.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

void Press(QWidget& modal, const char* button) {
  auto* b = modal.findChild<QAbstractButton*>(button);
  EXPECT_NE(b, nullptr) << button;
  if (b)
    b->click();
  else
    modal.close();
}

TEST(QtUserInterface, MessagesUseTheMainWindowsDialogInTheSkinColours) {
  Windows windows;
  QtUserInterface ui(windows);
  MainView view;
  view.skin = &kSkins[2];  // Blue
  windows.main.Render(view);
  WhenModal([&](QWidget& modal) {
    EXPECT_EQ(&modal, &windows.main.Messages());
    EXPECT_EQ(windows.main.Messages().Left(), QColor(0, 0, 255));
    EXPECT_EQ(windows.main.Messages().Right(), QColor(0, 2, 96));
    Press(modal, "mbOk");
  });
  ui.ShowMessage("Done.");
  WhenModal([](QWidget& modal) { Press(modal, "mbNo"); });
  EXPECT_EQ(ui.MessageShow("Delete?", "Warning", "mbYes,mbNo", -1, -1), kNo);
}

TEST(QtUserInterface, OpinionMessageShadesFromWhiteIntoTheColour) {
  Windows windows;
  QtUserInterface ui(windows);
  WhenModal([&](QWidget& modal) {
    auto& dialog = static_cast<MessageDialog&>(modal);
    EXPECT_EQ(&dialog, &windows.opinions.Messages());
    EXPECT_EQ(dialog.Left(), QColor(Qt::white));
    EXPECT_EQ(dialog.Right(), QColor(128, 128, 0));
    EXPECT_EQ(dialog.TextColour(), QColor(Qt::black));
    const QFont font = modal.findChild<QLabel*>("MessageText")->font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 13);
    Press(modal, "mbOk");
  });
  ui.ShowOpinionMessage("foo.map\n\nMap not played yet.", {128, 128, 0});
}

TEST(SystemSounds, EachKindPlaysItsThemeEventAndTheBellWhenItCannotBePlayed) {
  const struct {
    BeepKind kind;
    const char* event;
  } cases[] = {{BeepKind::Information, "dialog-information"},
               {BeepKind::Exclamation, "dialog-warning"},
               {BeepKind::Default, "bell"}};
  for (const bool served : {true, false})
    for (const auto& c : cases) {
      SCOPED_TRACE(c.event);
      std::vector<std::string> played;
      int bells = 0;
      const SystemSounds sounds(
          [&](const char* id) {
            played.push_back(id);
            return served;
          },
          [&] { ++bells; });
      sounds.Beep(c.kind);
      EXPECT_EQ(played, std::vector<std::string>{c.event});
      EXPECT_EQ(bells, served ? 0 : 1);
    }
}

TEST(QtUserInterface, RunTimeErrorsShowTheSystemBoxTitledTarvolin) {
  Windows windows;
  QtUserInterface ui(windows);
  WhenModal([](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle().toStdString(), "Tarvolin");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text().toStdString(), "'x' is not a valid integer value.");
    box->accept();
  });
  ui.ShowRunTimeError("'x' is not a valid integer value.");
}

TEST(QtUserInterface, ModalWindowsAreTheSecondaryWindows) {
  Windows windows;
  QtUserInterface ui(windows);
  WhenModal([](QWidget& modal) {
    EXPECT_EQ(modal.objectName().toStdString(), "LevelDialog");
    Press(modal, "cancelButton");
  });
  ui.ShowModal(Window::Levels);
}

TEST(QtUserInterface, OpenFileDialogOffersTheFiltersAndReturnsTheFullPath) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Music/song.mid", "MThd");
  Windows windows;
  QtUserInterface ui(windows);
  const std::string filter = "Midi file (*.mid)|*.mid|All files (*.*)|*.*";
  WhenModal([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->directory().absolutePath().toStdString() + "/", dir.Path() + "Music/");
    EXPECT_EQ(dialog->nameFilters().size(), 2);
    EXPECT_EQ(dialog->selectedNameFilter().toStdString(), "Midi file (*.mid)") << "the first, shown as given";
    dialog->reject();
  });
  EXPECT_EQ(ui.OpenFileDialog(dir.Path() + "Music/", filter), "");
  WhenModal([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(QString::fromStdString(dir.Path() + "Music/song.mid"));
    static_cast<QDialog*>(dialog)->accept();  // as the Open button does
  });
  EXPECT_EQ(ui.OpenFileDialog(dir.Path() + "Music/", filter), dir.Path() + "Music/song.mid");
}

// Events of the main window reach the core and the window shows the outcome.
class MainWindowEvents : public ProgramTest {
 protected:
  void SetUp() override {
    Start();
    windows.main.SetProgram(program.get(), windows.InSkinOrder());
  }
  Windows windows;
};

TEST_F(MainWindowEvents, SkinEntryAppliesTheSkinEverywhereAndStoresIt) {
  Child<QAction>(windows.main, "Silver1")->trigger();
  EXPECT_STREQ(program->View().skin->name, "Silver");
  EXPECT_EQ(Child<GradientPanel>(windows.main, "topBar")->Left(), QColor(255, 255, 255));
  EXPECT_EQ(windows.batch.findChild<GradientPanel*>()->Right(), QColor(96, 96, 96));
  EXPECT_NE(Ini().find("SkinColor=Silver"), std::string::npos);
}

TEST_F(MainWindowEvents, PlayButtonActsOnThePressOfAnyMouseButton) {
  program->Activate();
  program->Play().StartFromTitle();  // here: no game data, so a beep and a message
  const auto beeps = ui.beeps;
  const auto shown = ui.shown.size();
  ASSERT_FALSE(beeps.empty());
  QWidget* play = Child(windows.main, "playButton");
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(int(button));
    ui.beeps.clear();
    ui.shown.clear();
    QTest::mousePress(play, button, {}, play->rect().center());
    EXPECT_EQ(ui.beeps, beeps) << "on the press itself";
    EXPECT_EQ(ui.shown.size(), shown);
    QTest::mouseRelease(play, button, {}, play->rect().center());
    EXPECT_EQ(ui.beeps, beeps) << "not again on the release";
    EXPECT_FALSE(static_cast<QPushButton*>(play)->isDown());
  }
}

TEST_F(MainWindowEvents, QuitSavesTheSettingsAndEndsTheProgram) {
  Child<QAbstractButton>(windows.main, "quitButton")->click();
  EXPECT_TRUE(ui.quit);
  EXPECT_TRUE(fixture::Exists(Path("Tarvolin.ini")));
}

TEST_F(MainWindowEvents, AssociationBoxTellsTheCore) {
  windows.main.Render();
  Child<QCheckBox>(windows.main, "associateBox")->click();
  EXPECT_TRUE(program->View().assocChecked);
  EXPECT_TRUE(Child<QCheckBox>(windows.main, "associateBox")->isChecked());
}

TEST_F(MainWindowEvents, AFailingOperationShowsItsErrorAndTheWindowGoesOn) {
  fixture::MakeFolder(Path("Tarvolin.ini"));  // the settings file cannot be written
  Child<QAction>(windows.main, "Red1")->trigger();
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().kind, "error");
  EXPECT_EQ(ui.shown.back().title, "Tarvolin");
}

}  // namespace
}  // namespace tv::test
