// The wait cursor during a start-up pass: on from its first step, off
// whenever control is back in an event loop, and never left behind.
#include <QEventLoop>
#include <QGuiApplication>

#include "UiTest.h"
#include "fixture/Installation.h"
#include "ui/WaitCursor.h"

namespace tv::test {
namespace {

bool Waiting() {
  return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Notes the cursor at a message inside the pass, once the message's own
// event loop ran, and at the pass's end, before any did.
struct CursorUi : RecordingUi {
  void ShowMessage(const std::string& text) override {
    RecordingUi::ShowMessage(text);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit), loop.exec();
    noted.push_back(Waiting());
  }
  void Refresh() override {
    RecordingUi::Refresh();
    noted.push_back(Waiting());
  }
  std::vector<bool> noted;
};

TEST(WaitCursor, ShownWhilePassesRunAndLiftedForWindowsAndAfterwards) {
  fixture::TempHome home;
  fixture::TempFolder dir;
  fixture::Installation installation;  // a folder at the map limit: a warning inside the pass
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
  EXPECT_EQ(ui.noted, (std::vector<bool>{false, true, false, true})) << "the warning waits for the user";
}

}  // namespace
}  // namespace tv::test
