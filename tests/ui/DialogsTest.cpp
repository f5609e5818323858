// The dialogs' contracts: what each secondary window shows of the data it is given (at every activation where it
// reads afresh) and what a click or key there hands back; the messages, errors, file dialog and beeps of the port.
#include "UiTest.h"
#include "catalog/Opinion.h"
#include "ui/Appearance.h"
#include "ui/QtUserInterface.h"
#include "ui/SystemSounds.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

std::vector<std::string> Rows(QWidget& window, const char* list) {
  std::vector<std::string> rows;
  const QAbstractItemModel* model = Child<QAbstractItemView>(window, list)->model();
  for (int r = 0; r < model->rowCount(); ++r) rows.push_back(model->index(r, 0).data().toString().toStdString());
  return rows;
}

TEST(ListWindows, ShowTheirRowsAndSelectHandsBackOnlyARowTheCoreTakes) {
  Windows windows;
  std::vector<int> offered;
  const RowTest takes = [&](int row) { return offered.push_back(row), row > 0; };
  WhenActive(windows.batch, [](QWidget& w) {
    EXPECT_EQ(Rows(w, "batchList"), (std::vector<std::string>{"b.bat", "caf\u00E9.bat"}));
    Press(w, "selectButton");  // none selected
    Child<QListWidget>(w, "batchList")->setCurrentRow(1);
    Press(w, "selectButton");
  });
  EXPECT_EQ(windows.batch.Choose({"b.bat", "caf\xE9.bat"}, takes), 1);
  EXPECT_EQ(offered, (std::vector<int>{-1, 1}));
  for (const char* closer : {"cancelButton", static_cast<const char*>(nullptr)}) {  // none: the frame
    WhenActive(windows.levels, [closer](QWidget& w) {
      EXPECT_EQ(Rows(w, "levelList"), (std::vector<std::string>{"E1L1", "CAF\u00C9"}));
      auto* list = Child<QTreeWidget>(w, "levelList");
      const QImage image = list->viewport()->grab().toImage();
      const QRect row = list->visualItemRect(list->topLevelItem(1));
      EXPECT_TRUE(RowFill(image, row) == "#000000" && CountColour(image, row, Qt::white) > 0) << "white on black";
      list->setCurrentItem(list->topLevelItem(0));
      Press(w, "selectButton");
      EXPECT_TRUE(w.isVisible()) << "a row the core does not take";
      if (closer) Press(w, closer);
    });
    EXPECT_EQ(windows.levels.Choose({{"E1L1", "Hollywood Holocaust"}, {"CAF\xC9", ""}}, takes), -1);
  }
}

TEST(HistoryWindow, RowsShowInTheirOpinionsColoursReadAfreshAtEveryActivation) {
  Windows windows;
  windows.main.move(100, 40);
  std::vector<HistoryRow> rows = {{"C.MAP", 3}, {"gone.map", 0}, {"a.map", 1}};
  WhenActive(windows.history, [&](QWidget& w) {
    EXPECT_EQ(Rows(w, "historyList"), (std::vector<std::string>{"C.MAP", "gone.map", "a.map"}));
    EXPECT_EQ(FocusedControl(w), nullptr);
    auto* list = Child<QListWidget>(w, "historyList");
    Tap(list->viewport(), Qt::LeftButton, list->visualItemRect(list->item(2)).center());
    const QImage image = list->viewport()->grab().toImage();
    const QColor colours[] = {{255, 0, 0}, {192, 192, 192}, {0, 255, 0}};
    for (int i = 0; i < 2; ++i) {
      const QRect row = list->visualItemRect(list->item(i));
      EXPECT_TRUE(CountColour(image, row, colours[i]) > 0 && RowFill(image, row) == "#000000") << i << ": its colour";
    }
    EXPECT_EQ(RowFill(image, list->visualItemRect(list->item(2))), Hex(colours[2])) << "selected: filled";
    EXPECT_EQ(w.pos(), QPoint(298, 98));
    rows = {{"b.map", 0}};
    w.move(0, 0), LeaveAndReturn(w);
    EXPECT_EQ(Rows(w, "historyList"), std::vector<std::string>{"b.map"});
    EXPECT_EQ(w.pos(), QPoint(298, 98));
  });
  windows.history.Show([&] { return rows; });
}

TEST(NetworkWindow, ShowsTheValuesReloadsThemAtEachActivationAndHandsBackWhatIsTyped) {
  Windows windows;
  NetworkConfig config;
  config.Open(GameRole::Host, {"Ann", "10.0.0.2", true, 4});
  int reloads = 0;
  const auto reload = [&](NetworkConfig& c) {  // as the settings file would
    ++reloads, c.nickname = "Bob", c.address = "1.2.3.4", c.numPlayers = 6, c.SetDedicated(false);
  };
  WhenActive(windows.network, [&](QWidget& w) {
    auto *nick = Child<QLineEdit>(w, "nicknameEdit"), *address = Child<QLineEdit>(w, "addressEdit");
    EXPECT_EQ(address->text().toStdString(), "1.2.3.4") << "reloaded over what it was given";
    nick->setText("Zed"), LeaveAndReturn(w);
    EXPECT_EQ(std::pair(reloads, nick->text().toStdString()), std::pair(2, std::string("Bob")));
    for (QLineEdit* edit : {nick, address}) edit->selectAll(), QTest::keyClicks(edit, edit == nick ? "Cy" : "5.6.7.8");
    Press(w, "dedicatedBox");
    auto* players = Child<QSpinBox>(w, "playersBox");
    for (int i = 0; i < 3; ++i) QTest::keyPress(players, Qt::Key_Up), QTest::keyRelease(players, Qt::Key_Up);
    EXPECT_EQ(Child<QLabel>(w, "addressLabel")->text().toStdString(), "Server IP Address");
    Press(w, "acceptButton");
  });
  EXPECT_TRUE(windows.network.Edit(config, reload));
  EXPECT_EQ(std::tuple(config.nickname, config.address, config.dedicated, config.numPlayers),
            std::tuple("Cy", "5.6.7.8", true, 8));
  WhenActive(windows.network, [](QWidget&) {});
  EXPECT_FALSE(windows.network.Edit(config, reload)) << "closed by its frame";
}

// The clear row (code 0) in the window's own colour.
TEST(OpinionWindow, EachRowShowsItsOpinionsColourAndHandsItBack) {
  Windows windows;
  for (const OpinionRow& row : kOpinionRows) {
    WhenActive(windows.opinions, [&row](QWidget& w) {
      EXPECT_FALSE(Child(w, "compareButton")->isVisible()) << "no other installation to compare with";
      const QImage image = Child(w, row.panel)->grab().toImage();
      EXPECT_EQ(Hex(image.pixelColor(4, image.height() / 2)),
                Hex(row.code ? ToQColor(OpinionColor(row.code)) : QApplication::palette().color(QPalette::Window)));
      Tap(Child(w, row.panel));
    });
    const OpinionAnswer answer = windows.opinions.Choose({"B.map", {}});
    EXPECT_EQ(std::pair(answer.by, answer.code), std::pair(OpinionAnswer::By::Row, row.code)) << row.panel;
  }
}

TEST(OpinionWindow, TheTopLineTakesNoClickCompareShowsTheVerdictAndCancelOrTheFrameCloseIt) {
  Windows windows;
  int compared = 0;
  const OpinionRequest request{"B.map - 12kb", [&] {
                                 return ++compared, OpinionVerdict{"B.map\n\nMap not played yet.", {128, 128, 0}};
                               }};
  WhenActive(windows.opinions, [&](QWidget& w) {
    WhenModal([&](QWidget& modal) {  // its own message, shaded from white into the verdict's colour
      EXPECT_EQ(&modal, &windows.opinions.Messages());
      EXPECT_EQ(Child<QLabel>(modal, "MessageText")->text().toStdString(), "B.map\n\nMap not played yet.");
      const QImage image = modal.grab().toImage();
      EXPECT_TRUE(Near(image.pixelColor(0, image.height() - 2), Qt::white) &&
                  Near(image.pixelColor(image.width() - 1, image.height() - 2), QColor(128, 128, 0)));
      Press(modal, "mbOk");
    });
    Press(w, "compareButton");
    EXPECT_EQ(compared, 1);
    auto* top = Child<QLabel>(w, "topLine");
    EXPECT_EQ(top->text().toStdString(), "B.map - 12kb");
    EXPECT_GT(CountColour(top->grab().toImage(), top->rect(), Qt::cyan), 0) << "aqua on black";
    Tap(top);
    EXPECT_TRUE(w.isVisible() && FocusedControl(w) == nullptr);
    Press(w, "cancelButton");
  });
  EXPECT_EQ(windows.opinions.Choose(request).by, OpinionAnswer::By::Cancel);
  WhenActive(windows.opinions, [](QWidget&) {});
  EXPECT_EQ(windows.opinions.Choose(request).by, OpinionAnswer::By::Frame);
}

TEST(ReadMeViewer, ShowsTabsLongLinesAndEightBitTextAndTakesNoTyping) {
  Windows windows;
  const std::string text = "a\tb\nCaf\u00E9 \u20AC " + std::string(400, 'x') + "\n";
  WhenActive(windows.readMe, [&](QWidget& w) {
    EXPECT_EQ(w.windowTitle().toStdString(), "Text Information for: Foo");
    auto* memo = Child<QPlainTextEdit>(w, "text");
    EXPECT_EQ(memo->toPlainText().toStdString(), text);
    EXPECT_GT(memo->horizontalScrollBar()->maximum(), 0) << "long lines stay whole";
    QTest::keyClicks(memo, "zz");
    EXPECT_EQ(memo->toPlainText().toStdString(), text) << "no typing";
  });
  windows.readMe.Show({"Text Information for: Foo", text});
}

TEST(QtUserInterface, EachCallShowsItsWindowErrorsTheSystemBoxAndTheFileDialogReturnsTheFullPath) {
  Windows windows;
  QtUserInterface ui(windows);
  WhenModal([&](QWidget& modal) {
    EXPECT_TRUE(&modal == &windows.main.Messages() && modal.windowTitle().isEmpty());
    EXPECT_EQ(modal.findChildren<QPushButton*>().size(), 1);
    Press(modal, "mbOk");
  });
  ui.ShowMessage("Done.");
  WhenModal([](QWidget& modal) {
    EXPECT_EQ(modal.windowTitle() + ": " + Child<QLabel>(modal, "MessageText")->text(), "Warning: Delete?");
    Press(modal, "mbNo");
  });
  EXPECT_EQ(ui.MessageShow("Delete?", "Warning", "mbYes,mbNo", -1, -1), kNo);
  WhenModal([](QWidget& modal) { modal.close(); });
  EXPECT_EQ(ui.MessageShow("Delete?", "Warning", "mbYes,mbNo", -1, -1), kCancel) << "closed without a button";
  WhenModal([](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle() + ": " + box->text(), "Tarvolin: 'x' is not a valid integer value.");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->accept();
  });
  ui.ShowRunTimeError("'x' is not a valid integer value.");
  NetworkConfig config;
  const std::pair<QWidget*, std::function<void()>> windowCalls[] = {
      {&windows.opinions, [&] { ui.ChooseOpinion({}); }},
      {&windows.levels, [&] { ui.ChooseLevel({}, {}); }},
      {&windows.batch, [&] { ui.ChooseBatchFile({}, {}); }},
      {&windows.network, [&] { ui.EditNetwork(config, [](NetworkConfig&) {}); }},
      {&windows.readMe, [&] { ui.ShowReadMe({}); }},
      {&windows.history, [&] { ui.ShowHistory([] { return std::vector<HistoryRow>(); }); }}};
  for (const auto& [window, call] : windowCalls) {
    WhenModal([window = window](QWidget& modal) { EXPECT_EQ(&modal, window); modal.close(); });
    call();
  }
  fixture::TempFolder dir;
  fixture::WriteFile(dir.Path() + "Music/song.mid", "MThd");
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
  const std::pair<const char*, std::vector<int>> cases[] = {  // clang-format off
      {"mbYes,mbNo", {kYes, kNo}}, {"MBOK", {kOk}}, {"mbcancel,MbOk", {kOk, kCancel}}, {"[mbNo, mbYes]", {kYes, kNo}},
      {"mbRetry;mbAbort mbIgnore", {kAbort, kRetry, kIgnore}}, {"mbYesToAll", {kYesToAll}},
      {"mbNoToAll,mbAll", {kAll, kNoToAll}}, {"mbOk,mbOK", {kOk}}, {"mbHelp,mbMaybe", {}}, {"", {}}};
  // clang-format on
  for (const auto& [list, results] : cases) {
    std::vector<int> got;
    for (const DialogButton& b : ParseDialogButtons(list)) got.push_back(b.result);
    EXPECT_EQ(got, results) << list;
  }
}

// Each beep is its theme sound; one that cannot be started rings the bell instead, and only it.
TEST(SystemSounds, EachKindPlaysItsThemeEventAndTheBellWhenItCannotBePlayed) {
  const std::pair<BeepKind, const char*> cases[] = {{BeepKind::Information, "dialog-information"},
                                                    {BeepKind::Exclamation, "dialog-warning"},
                                                    {BeepKind::Default, "bell"}};
  for (const bool served : {true, false})
    for (const auto& [kind, event] : cases) {
      std::vector<std::string> played;
      SystemSounds([&](const char* id) { return played.push_back(id), served; }, [&] { played.push_back("(rung)"); }).Beep(kind);
      EXPECT_EQ(played, (served ? std::vector<std::string>{event} : std::vector<std::string>{event, "(rung)"}));
    }
}

}  // namespace
}  // namespace tv::test
