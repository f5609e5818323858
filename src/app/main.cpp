// The program entry: the single-instance lock, the application, the seven
// windows, the event loop. The exit code is 0 in every case.
#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "app/Program.h"
#include "platform/InstanceLock.h"
#include "ui/Appearance.h"
#include "ui/QtUserInterface.h"
#include "ui/WaitCursor.h"
#include "ui/Windows.h"

int main(int argc, char** argv) {
  tv::InstanceLock lock("Tarvolin");
  if (!lock.Owned()) return 0;  // another copy runs: end silently

  QApplication app(argc, argv);
  // No display name: the system would append it to every window title.
  QApplication::setApplicationName("Tarvolin");
  tv::SetUpAppearance();

  tv::Windows windows;
  tv::QtUserInterface ui(windows);
  tv::FileSystem fs;
  tv::Environment env;
  env.programFolder = tv::ProgramFolderOfExecutable();
  env.cacheFolder = tv::CacheFolderOf(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"));
  const QLocale locale = QLocale::system();
  env.formats.shortDate = locale.dateFormat(QLocale::ShortFormat).toStdString();
  env.formats.longTime = locale.timeFormat(QLocale::LongFormat).toStdString();
  tv::Program program(fs, ui, env);
  tv::ShowWaitCursorDuringPasses(program);
  windows.Attach(&program);
  windows.main.show();
  QApplication::exec();
  return 0;
}
