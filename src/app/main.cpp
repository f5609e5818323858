// The program entry: the single-instance lock, the application, the seven
// windows, the event loop. The exit code is 0 in every case.
#include <QApplication>
#include <QLocale>

#include "app/Program.h"
#include "platform/InstanceLock.h"
#include "ui/QtUserInterface.h"
#include "ui/SecondaryWindows.h"
#include "ui/TfrmMain.h"

int main(int argc, char** argv) {
  tv::InstanceLock lock("Tarvolin");
  if (!lock.Owned()) return 0;  // another copy runs: end silently

  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvolin");
  QApplication::setApplicationDisplayName("Tarvolin");

  tv::TfrmMain frmMain;
  tv::SecondaryWindow frmRite("TfrmRite", "Select Option", 284, 263, &frmMain);
  tv::SecondaryWindow frmHistory("TfrmHistory", "Map History", 135, 231, &frmMain);
  tv::SecondaryWindow frmConfig("TfrmConfig", "General Configurations", 241, 271, &frmMain);
  tv::SecondaryWindow frmInfo("TfrmInfo", "", 532, 351, &frmMain);
  tv::SecondaryWindow frmLevels("TfrmLevels", "Select level", 250, 266, &frmMain);
  tv::SecondaryWindow frmBatch("TfrmBatch", "Play Batch File", 185, 243, &frmMain);

  tv::QtUserInterface ui(frmMain, {&frmRite, &frmHistory, &frmConfig, &frmInfo, &frmLevels, &frmBatch});
  tv::FileSystem fs;
  tv::Environment env;
  env.programFolder = tv::ProgramFolderOfExecutable();
  const QLocale locale = QLocale::system();
  env.formats.shortDate = locale.dateFormat(QLocale::ShortFormat).toStdString();
  env.formats.longTime = locale.timeFormat(QLocale::LongFormat).toStdString();
  tv::Program program(fs, ui, env);
  frmMain.Attach(&program);
  frmMain.show();
  QApplication::exec();
  return 0;
}
