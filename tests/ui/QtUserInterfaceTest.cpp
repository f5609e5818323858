// The windows' side of the core's port: messages and their buttons, errors
// and the open-file dialog.
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "UiTest.h"
#include "ui/QtUserInterface.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

void Press(QWidget& modal, const char* button) { Child<QAbstractButton>(modal, button)->click(); }

TEST(QtUserInterface, MessagesUseTheMainWindowsDialogAndErrorsTheSystemBox) {
  Windows windows;
  QtUserInterface ui(windows);
  WhenModal([&](QWidget& modal) {
    EXPECT_EQ(&modal, &windows.main.Messages());
    EXPECT_TRUE(modal.windowTitle().isEmpty());
    EXPECT_EQ(modal.findChildren<QPushButton*>().size(), 1);
    Press(modal, "mbOk");
  });
  ui.ShowMessage("Done.");
  WhenModal([](QWidget& modal) {
    EXPECT_EQ(modal.windowTitle().toStdString(), "Warning");
    EXPECT_EQ(Child<QLabel>(modal, "MessageText")->text().toStdString(), "Delete?");
    Press(modal, "mbNo");
  });
  EXPECT_EQ(ui.MessageShow("Delete?", "Warning", "mbYes,mbNo", -1, -1), kNo);
  WhenModal([](QWidget& modal) { modal.close(); });
  EXPECT_EQ(ui.MessageShow("Delete?", "Warning", "mbYes,mbNo", -1, -1), kCancel) << "closed without a button";
  WhenModal([](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle().toStdString(), "Tarvolin");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text().toStdString(), "'x' is not a valid integer value.");
    box->accept();
  });
  ui.ShowRunTimeError("'x' is not a valid integer value.");
  WhenModal([&](QWidget& modal) {  // the opinion window's own, shaded from white into the verdict's colour
    EXPECT_EQ(&modal, &windows.opinions.Messages());
    EXPECT_EQ(Child<QLabel>(modal, "MessageText")->text().toStdString(), "B.map\n\nMap not played yet.");
    const QImage image = modal.grab().toImage();
    EXPECT_TRUE(Near(image.pixelColor(0, image.height() - 2), Qt::white));
    EXPECT_TRUE(Near(image.pixelColor(image.width() - 1, image.height() - 2), QColor(128, 128, 0)));
    Press(modal, "mbOk");
  });
  ui.ShowOpinionMessage("B.map\n\nMap not played yet.", {128, 128, 0});
}

TEST(QtUserInterface, OpenFileDialogOffersTheFiltersAndReturnsTheFullPath) {
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Music/song.mid", "MThd");
  Windows windows;
  QtUserInterface ui(windows);
  const std::string filter = "Midi file (*.mid)|*.mid|All files (*.*)|*.*";
  for (const bool open : {false, true}) {
    WhenModal([&](QWidget& modal) {
      auto* dialog = qobject_cast<QFileDialog*>(&modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->directory().absolutePath().toStdString() + "/", dir.Path() + "Music/");
      EXPECT_EQ(dialog->selectedNameFilter().toStdString(), "Midi file (*.mid)") << "the first, as given";
      dialog->selectFile(QString::fromStdString(dir.Path() + "Music/song.mid"));
      open ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
    });
    EXPECT_EQ(ui.OpenFileDialog(dir.Path() + "Music/", filter), open ? dir.Path() + "Music/song.mid" : "");
  }
}

TEST(DialogButtons, TokensAreFoundAnywhereWithoutRegardToCaseInTheDialogsOrder) {
  const std::pair<const char*, std::vector<int>> cases[] = {{"mbYes,mbNo", {kYes, kNo}},
                                                            {"MBOK", {kOk}},
                                                            {"mbcancel,MbOk", {kOk, kCancel}},
                                                            {"[mbNo, mbYes]", {kYes, kNo}},
                                                            {"mbRetry;mbAbort mbIgnore", {kAbort, kRetry, kIgnore}},
                                                            {"mbYesToAll", {kYesToAll}},
                                                            {"mbNoToAll,mbAll", {kAll, kNoToAll}},
                                                            {"mbOk,mbOK", {kOk}},
                                                            {"mbHelp,mbMaybe", {}},
                                                            {"", {}}};
  for (const auto& [list, results] : cases) {
    std::vector<int> got;
    for (const DialogButton& b : ParseDialogButtons(list)) got.push_back(b.result);
    EXPECT_EQ(got, results) << list;
  }
}

}  // namespace
}  // namespace tv::test
