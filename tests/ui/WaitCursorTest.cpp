// The wait cursor during a start-up pass: on from the pass's first step, off
// whenever control is back in an event loop, and never left behind.
#include <gtest/gtest.h>

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include "session/Program.h"
#include "fixture/Home.h"
#include "fixture/Installation.h"
#include "support/RecordingUi.h"
#include "ui/WaitCursor.h"

namespace tv::test {
namespace {

bool Waiting() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// Notes the cursor when the pass shows a message, after letting the message's
// own event loop run.
class CursorUi : public RecordingUi {
 public:
  void ShowMessage(const std::string& text) override {
    RecordingUi::ShowMessage(text);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    waitingAtMessage.push_back(Waiting());
  }
  std::vector<bool> waitingAtMessage;
};

TEST(WaitCursor, ShownWhilePassesRunAndLiftedForWindowsAndAfterwards) {
  fixture::TempHome home;
  fixture::TempFolder dir;
  // A folder at the map limit: its warning is shown inside the pass.
  fixture::Installation installation;
  installation.mapFolders = {{"Maps", fixture::NumberedMaps("map", 1000, 4, false)}};
  fixture::MakeInstallation(dir.Path(), installation);
  FileSystem fs(dir.Path());
  CursorUi ui;
  Program program(fs, ui, {dir.Path(), {"dd/MM/yyyy", "HH:mm:ss"}});
  ShowWaitCursorDuringPasses(program);

  for (int pass = 0; pass < 2; ++pass) {
    program.Activate();
    EXPECT_TRUE(Waiting()) << "pass " << pass << " ended, no event loop ran yet";
    QCoreApplication::processEvents();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "pass " << pass << ", back in the event loop";
  }
  ASSERT_EQ(ui.waitingAtMessage.size(), 2u);
  EXPECT_EQ(ui.waitingAtMessage, (std::vector<bool>{false, false})) << "the map limit warning waits for the user";
}

}  // namespace
}  // namespace tv::test
