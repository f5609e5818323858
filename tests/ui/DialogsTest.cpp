// The dialogs' contracts: the secondary windows on the core and a real program folder (what each shows at every
// activation, what a click or key there hands back); the messages, errors, file dialog and beeps of the port.
#include "UiTest.h"
#include "fixture/Maps.h"
#include "platform/DateTime.h"
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

TEST_F(DialogTest, BatchAndLevelWindowsListAfreshAndSelectHandsBackTheBytesOfALevelRowOnly) {
  fixture::WriteFile(Path("b.bat"), ""), fixture::MakeFolder(Path("dir.bat"));
  Program& p = StartWindows();
  Show(Window::Batch, [](SecondaryWindow& w) { EXPECT_EQ(Rows(w, "batchList"), std::vector<std::string>{"b.bat"}); });
  fixture::WriteFile(Path("caf\xE9.bat"), "");
  Show(Window::Batch, [](SecondaryWindow& w) {
    EXPECT_EQ(Rows(w, "batchList"), (std::vector<std::string>{"b.bat", "caf\u00E9.bat"}));
    auto* list = Child<QListWidget>(w, "batchList");
    list->setCurrentRow(1);
    const QImage image = list->viewport()->grab().toImage();
    EXPECT_GT(CountColour(image, list->visualItemRect(list->item(0)), Qt::white), 0) << "white on black";
    Child<QAbstractButton>(w, "selectButton")->click();
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_EQ(p.Play().Batch().Result(), Path("caf\xE9.bat"));
  p.Play().Levels().PrepareStock();
  Show(Window::Levels, [](SecondaryWindow& w) {
    auto* list = Child<QTreeWidget>(w, "levelList");
    const QImage image = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    EXPECT_TRUE(RowFill(image, row) == "#000000" && CountColour(image, row, Qt::white) > 0) << "white on black";
    list->setCurrentItem(list->topLevelItem(11));  // the separator after E1L11
    Child<QAbstractButton>(w, "selectButton")->click();
    EXPECT_TRUE(w.isVisible());
  });
  p.Play().Levels().PrepareTc({"ZOO", "CAF\xC9"});
  Show(Window::Levels, [](SecondaryWindow& w) {
    EXPECT_EQ(Rows(w, "levelList"), (std::vector<std::string>{"CAF\u00C9", "ZOO"}));
    Child<QTreeWidget>(w, "levelList")->setCurrentItem(Child<QTreeWidget>(w, "levelList")->topLevelItem(0));
    Child<QAbstractButton>(w, "selectButton")->click();
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_EQ(p.Play().Levels().MapFile(), "CAF\xC9.map");
}

TEST_F(DialogTest, HistoryRowsShowInTheirMapsColoursReadAfreshAtEveryActivation) {
  for (const int hour : {1, 2, 3}) fixture::WriteMap(Path(std::string("Maps/") + char('a' + hour - 1) + ".map"), hour);
  const std::string played = "PlayedMaps[0]=C.MAP\r\nPlayedMaps[1]=\r\nPlayedMaps[2]=gone.map\r\nPlayedMaps[3]=a.map";
  StartWindows("[History]\r\n" + played + "\r\n").Activate();
  windows.main.move(100, 40);
  Show(Window::History, [this](SecondaryWindow& w) {
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
    WriteIni("[Tarvolin]\r\nInitialized=True\r\n[History]\r\nPlayedMaps[0]=b.map\r\n");
    w.move(0, 0), LeaveAndReturn(w);
    EXPECT_EQ(Rows(w, "historyList"), std::vector<std::string>{"b.map"});
    EXPECT_EQ(w.pos(), QPoint(298, 98));
  });
}

TEST_F(DialogTest, NetworkWindowShowsTheCoresValuesAndHandsBackWhatIsTyped) {
  WriteIni("[Network_Game]\r\nNickname=Bob\r\nOpponentIP=1.2.3.4\r\nDedicated=0\r\nNumPlayers=6\r\n");
  Program& p = StartWindows();
  p.Play().Config().Open(GameRole::Host, {"Ann", "10.0.0.2", true, 4});
  Show(Window::Network, [&](SecondaryWindow& w) {
    auto *nick = Child<QLineEdit>(w, "nicknameEdit"), *address = Child<QLineEdit>(w, "addressEdit");
    EXPECT_EQ(address->text().toStdString(), "1.2.3.4") << "the file over memory";
    for (QLineEdit* edit : {nick, address}) edit->selectAll(), QTest::keyClicks(edit, edit == nick ? "Cy" : "5.6.7.8");
    Child<QAbstractButton>(w, "dedicatedBox")->click();
    auto* players = Child<QSpinBox>(w, "playersBox");
    for (int i = 0; i < 3; ++i) QTest::keyPress(players, Qt::Key_Up), QTest::keyRelease(players, Qt::Key_Up);
    EXPECT_EQ(Child<QLabel>(w, "addressLabel")->text().toStdString(), "Server IP Address");
    const NetworkConfig& c = p.Play().Config();
    EXPECT_EQ(std::tuple(c.nickname, c.address, c.dedicated, c.numPlayers), std::tuple("Cy", "5.6.7.8", true, 8));
    LeaveAndReturn(w);
    EXPECT_EQ(nick->text().toStdString(), "Bob") << "read again from the file";
    QTest::keyClicks(nick, "o");
    Child<QAbstractButton>(w, "acceptButton")->click();
  });
  EXPECT_NE(Ini().find("Nickname=Bobo\r\n"), std::string::npos);
}

class OpinionDialogTest : public DialogTest {
 protected:
  // b.map, 12 kB, selected in the map list; the right click opens the window.
  void OpenOn(const std::function<void(SecondaryWindow&)>& act, const std::string& settings = "") {
    if (!program) {
      fixture::WriteMap(Path("Maps/a.map"), 5), fixture::WriteFile(Path("Maps/b.map"), fixture::MapBytes({1, 4, 270}));
      StartWindows("FolderMap0=B.map\r\n" + settings).Activate();
    }
    WhenActive(windows.opinions, act);
    program->Maps().OpenOpinion();
  }
};

TEST_F(OpinionDialogTest, EachRowShowsItsColourAndAClickAppliesItsCode) {
  const std::tuple<const char*, QColor, int> cases[] = {  // the row, its colour, the hour its code leaves
      // clang-format off
      {"excellentRow", {255, 255, 0}, 5}, {"goodRow", {0, 255, 0}, 1}, {"fairRow", {0, 0, 255}, 2},
      {"badRow", {255, 0, 0}, 3}, {"confusingRow", {255, 0, 255}, 4}, {"crashesRow", {0, 255, 255}, 7},
      {"multiplayerRow", {0, 128, 128}, 6}, {"clearRow", QApplication::palette().color(QPalette::Window), 9}};
  // clang-format on
  for (const auto& [row, colour, hour] : cases) {
    OpenOn([&, row = row, colour = colour](SecondaryWindow& w) {
      EXPECT_FALSE(Child(w, "compareButton")->isVisible()) << "no other installation to compare with";
      const QImage image = Child(w, row)->grab().toImage();
      EXPECT_EQ(Hex(image.pixelColor(4, image.height() / 2)), Hex(colour)) << row;
      Tap(Child(w, row));
      EXPECT_FALSE(w.isVisible()) << row;
    });
    EXPECT_EQ(LocalTime(fixture::FileTime(Path("Maps/b.map"))).tm_hour, hour) << row;
  }
  EXPECT_TRUE(fixture::Exists(Path("TarvolinMaps0.txt"))) << "exported after a verdict";
}

TEST_F(OpinionDialogTest, TheTopLineNamesTheMapAndTakesNoClickCompareAsksTheCoreAndCancelDropsTheExport) {
  fixture::TempFolder other;
  std::time_t before = 0;
  OpenOn(
      [&](SecondaryWindow& w) {
        Child<QAbstractButton>(w, "compareButton")->click();
        EXPECT_TRUE(ui.shown.size() == 1 && ui.shown[0].kind == "opinions");
        before = fixture::FileTime(Path("Maps/b.map"));
        auto* top = Child<QLabel>(w, "topLine");
        EXPECT_EQ(top->text().toStdString(), "B.map - 12kb");
        EXPECT_GT(CountColour(top->grab().toImage(), top->rect(), Qt::cyan), 0) << "aqua on black";
        Tap(top);
        EXPECT_TRUE(w.isVisible() && FocusedControl(w) == nullptr);
        Child<QAbstractButton>(w, "cancelButton")->click();
      },
      "OpinionPath=" + other.Path() + "\r\n");
  EXPECT_TRUE(fixture::FileTime(Path("Maps/b.map")) == before && !fixture::Exists(Path("TarvolinMaps0.txt")));
  OpenOn([](SecondaryWindow& w) { w.close(); });  // the frame keeps the export
  EXPECT_TRUE(fixture::Exists(Path("TarvolinMaps0.txt")));
}

TEST_F(DialogTest, TheReadMeShowsTabsLongLinesAndEightBitTextAndTakesNoTyping) {
  fixture::WriteMap(Path("Maps/foo.map"));
  fixture::WriteFile(Path("Maps/Foo.txt"), "a\tb\r\nCaf\xE9 \x80 " + std::string(400, 'x') + "\r\n");
  StartWindows("FolderMap0=Foo.map\r\n").Activate();
  WhenActive(windows.readMe, [](SecondaryWindow& w) {
    const std::string text = "a\tb\nCaf\u00E9 \u20AC " + std::string(400, 'x') + "\n";
    EXPECT_EQ(w.windowTitle().toStdString(), "Text Information for: Foo");
    auto* memo = Child<QPlainTextEdit>(w, "text");
    EXPECT_EQ(memo->toPlainText().toStdString(), text);
    EXPECT_GT(memo->horizontalScrollBar()->maximum(), 0) << "long lines stay whole";
    QTest::keyClicks(memo, "zz");
    EXPECT_EQ(memo->toPlainText().toStdString(), text) << "no typing";
  });
  program->Maps().OpenReadMe();
}

void Press(QWidget& modal, const char* button) { Child<QAbstractButton>(modal, button)->click(); }

TEST(QtUserInterface, MessagesUseTheMainWindowsDialogErrorsTheSystemBoxAndTheFileDialogReturnsTheFullPath) {
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
  WhenModal([&](QWidget& modal) {  // the opinion window's own, shaded from white into the verdict's colour
    EXPECT_EQ(&modal, &windows.opinions.Messages());
    EXPECT_EQ(Child<QLabel>(modal, "MessageText")->text().toStdString(), "B.map\n\nMap not played yet.");
    const QImage image = modal.grab().toImage();
    EXPECT_TRUE(Near(image.pixelColor(0, image.height() - 2), Qt::white) &&
                Near(image.pixelColor(image.width() - 1, image.height() - 2), QColor(128, 128, 0)));
    Press(modal, "mbOk");
  });
  ui.ShowOpinionMessage("B.map\n\nMap not played yet.", {128, 128, 0});
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
      int bells = 0;
      SystemSounds([&](const char* id) { return played.push_back(id), served; }, [&] { ++bells; }).Beep(kind);
      EXPECT_EQ(played, std::vector<std::string>{event});
      EXPECT_EQ(bells, served ? 0 : 1) << event;
    }
}

}  // namespace
}  // namespace tv::test
