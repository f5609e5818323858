#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/Appearance.h"
#include "ui/FileFilter.h"
#include "ui/Windows.h"
#include "ui/widgets/MessageDialog.h"

namespace tv {

QtUserInterface::QtUserInterface(Windows& windows) : m_windows(windows), m_sounds([] { QApplication::beep(); }) {}

void QtUserInterface::Beep(BeepKind kind) { m_sounds.Beep(kind); }

// Each window or message shown in the middle of an event first brings the main
// window up to date: it stays visible behind them.
void QtUserInterface::ShowMessage(const std::string& text) {
  m_windows.main.Render();
  m_windows.main.Messages().ShowMessage(Shown(text));
}

int QtUserInterface::MessageShow(const std::string& text, const std::string& title, const std::string& buttons, int x,
                                 int y) {
  m_windows.main.Render();
  return m_windows.main.Messages().MessageShow(Shown(text), Shown(title), buttons, x, y);
}

void QtUserInterface::ShowRunTimeError(const std::string& text) {
  m_windows.main.Render();
  QMessageBox box(QMessageBox::Critical, "Tarvolin", Shown(text), QMessageBox::Ok, &m_windows.main);
  box.exec();
}

OpinionAnswer QtUserInterface::ChooseOpinion(const OpinionRequest& request) {
  m_windows.main.Render();
  return m_windows.opinions.Choose(request);
}

int QtUserInterface::ChooseLevel(const std::vector<LevelRow>& rows, const RowTest& takes) {
  m_windows.main.Render();
  return m_windows.levels.Choose(rows, takes);
}

int QtUserInterface::ChooseBatchFile(const std::vector<std::string>& files, const RowTest& takes) {
  m_windows.main.Render();
  return m_windows.batch.Choose(files, takes);
}

bool QtUserInterface::EditNetwork(NetworkConfig& config, const std::function<void(NetworkConfig&)>& reload) {
  m_windows.main.Render();
  return m_windows.network.Edit(config, reload);
}

void QtUserInterface::ShowReadMe(const ReadMeView& view) {
  m_windows.main.Render();
  m_windows.readMe.Show(view);
}

void QtUserInterface::ShowHistory(const std::function<std::vector<HistoryRow>()>& rows) {
  m_windows.main.Render();
  m_windows.history.Show(rows);
}

std::string QtUserInterface::OpenFileDialog(const std::string& initialFolder, const std::string& filter) {
  QFileDialog dialog(&m_windows.main, QString(), QFile::decodeName(initialFolder.c_str()));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  QStringList filters;
  for (const std::string& f : NameFilters(filter)) filters << Shown(f);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.front());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

void QtUserInterface::Minimize() { m_windows.main.showMinimized(); }

void QtUserInterface::Restore() { m_windows.main.showNormal(); }

void QtUserInterface::Quit() { QApplication::quit(); }

}  // namespace tv
