// The message dialog: which buttons a list names, what each returns, and how
// the dialog looks.
#include <QLabel>
#include <QPushButton>

#include "UiTestHelpers.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

struct ListCase {
  const char* list;
  std::vector<int> results;  // in the dialog's button order
};

const ListCase kLists[] = {
    {"mbYes,mbNo", {kYes, kNo}},
    {"mbOk", {kOk}},
    {"MBOK", {kOk}},
    {"mbcancel,MbOk", {kOk, kCancel}},
    {"[mbNo, mbYes]", {kYes, kNo}},
    {"mbRetry;mbAbort mbIgnore", {kAbort, kRetry, kIgnore}},
    {"mbYesToAll", {kYesToAll}},
    {"mbNoToAll,mbAll", {kAll, kNoToAll}},
    {"mbOk,mbOK", {kOk}},
    {"mbHelp,mbMaybe", {}},
    {"", {}},
};

TEST(DialogButtons, TokensAreFoundAnywhereWithoutRegardToCase) {
  for (const ListCase& c : kLists) {
    SCOPED_TRACE(c.list);
    std::vector<int> results;
    for (const DialogButton& b : ParseDialogButtons(c.list)) results.push_back(b.result);
    EXPECT_EQ(results, c.results);
  }
}

struct ResultCase {
  const char* token;
  int result;
};

const ResultCase kResults[] = {
    {"mbOk", 1},  {"mbCancel", 2}, {"mbAbort", 3}, {"mbRetry", 4},   {"mbIgnore", 5},
    {"mbYes", 6}, {"mbNo", 7},     {"mbAll", 8},   {"mbNoToAll", 9}, {"mbYesToAll", 10},
};

TEST(MessageDialog, EachButtonReturnsItsCode) {
  MessageDialog dialog(nullptr);
  std::string all;
  for (const ResultCase& c : kResults) all += std::string(c.token) + ",";
  for (const ResultCase& c : kResults) {
    SCOPED_TRACE(c.token);
    WhenModal([&c](QWidget& modal) {
      EXPECT_EQ(modal.findChildren<QPushButton*>().size(), qsizetype(std::size(kResults)));
      auto* button = modal.findChild<QPushButton*>(c.token);
      if (button)
        button->click();
      else
        modal.close();
    });
    EXPECT_EQ(dialog.MessageShow("Question?", "Warning", all, -1, -1), c.result);
  }
}

TEST(MessageDialog, ClosingWithoutAButtonReturnsCancel) {
  MessageDialog dialog(nullptr);
  WhenModal([](QWidget& modal) { modal.close(); });
  EXPECT_EQ(dialog.MessageShow("Delete it?", "Warning", "mbYes,mbNo", -1, -1), kCancel);
}

TEST(MessageDialog, InformationHasOneOkButtonAndNoTitle) {
  MessageDialog dialog(nullptr);
  dialog.SetColors(QColor(0, 0, 255), QColor(0, 2, 96), Qt::white);
  WhenModal([](QWidget& modal) {
    EXPECT_TRUE(modal.windowTitle().isEmpty());
    const auto buttons = modal.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text().toStdString(), "OK");
    buttons.front()->click();
  });
  dialog.ShowMessage("Saved.");
}

TEST(MessageDialog, ShowsTitleTextAndGradientInItsColours) {
  MessageDialog dialog(nullptr);
  dialog.SetColors(QColor(0, 192, 0), QColor(0, 80, 0), Qt::white);
  WhenModal([](QWidget& modal) {
    EXPECT_EQ(modal.windowTitle().toStdString(), "Command Line");
    auto* text = modal.findChild<QLabel*>("MessageText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text().toStdString(), "-map foo.map");
    EXPECT_EQ(text->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
    const QImage image = modal.grab().toImage();
    EXPECT_TRUE(Near(image.pixelColor(0, image.height() - 1), QColor(0, 192, 0)));
    EXPECT_TRUE(Near(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 80, 0)));
    modal.findChild<QPushButton*>("mbOk")->click();
  });
  EXPECT_EQ(dialog.MessageShow("-map foo.map", "Command Line", "mbOk,mbCancel", -1, -1), kOk);
}

}  // namespace
}  // namespace tv::test
