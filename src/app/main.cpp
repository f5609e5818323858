// The program entry: the command line, the single-instance lock of the game
// folder, the application, the seven windows, the event loop. The exit code
// is 0, or 2 for a wrong command line.
#include <QApplication>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "session/Program.h"
#include "session/StartArguments.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "ui/Appearance.h"
#include "ui/GameFolderDialog.h"
#include "ui/QtUserInterface.h"
#include "ui/WaitCursor.h"
#include "ui/Windows.h"

namespace {

tv::StartRequest Read(const std::vector<std::string>& args) {
  return tv::ReadStartArguments(args, tv::ProcessFolder(), tv::ProgramFolderOfExecutable(),
                                tv::InstalledProgramFolder());
}

int Print(const tv::StartRequest& start) {
  std::fputs(start.text.c_str(), start.exitCode == 0 ? stdout : stderr);
  return start.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  tv::StartRequest start = Read({argv + std::min(argc, 1), argv + argc});
  if (start.action == tv::StartRequest::Action::Print) return Print(start);

  std::optional<QApplication> app;
  const auto makeApp = [&] {
    app.emplace(argc, argv);
    // No display name: the system would append it to every window title.
    QApplication::setApplicationName("Tarvolin");
    tv::SetUpAppearance();
  };
  if (start.action == tv::StartRequest::Action::AskForFolder) {
    makeApp();
    const std::string chosen = tv::AskForGameFolder(tv::LastGameFolder());
    if (chosen.empty()) return 0;  // Cancel
    start = Read({"--", chosen});
    if (start.action == tv::StartRequest::Action::Print) return Print(start);
    tv::RememberGameFolder(start.folder);
  }

  tv::InstanceLock lock(tv::InstanceLockName(start.folder));
  if (!lock.Owned()) return 0;  // another copy runs on this folder: end silently
  if (!app) makeApp();

  tv::Windows windows;
  tv::QtUserInterface ui(windows);
  tv::FileSystem fs;
  tv::Environment env;
  env.programFolder = start.folder;
  env.executable = tv::RunningExecutable();
  env.cacheFolder = tv::CacheFolderOf(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"));
  const QLocale locale = QLocale::system();
  env.formats.shortDate = locale.dateFormat(QLocale::ShortFormat).toStdString();
  env.formats.longTime = locale.timeFormat(QLocale::LongFormat).toStdString();
  tv::Program program(fs, ui, env);
  tv::ShowWaitCursorDuringPasses(program);
  windows.SetProgram(&program);
  windows.main.show();
  QApplication::exec();
  return 0;
}
