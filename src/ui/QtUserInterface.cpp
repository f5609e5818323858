#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "ui/TfrmMain.h"

namespace tv {

void QtUserInterface::Beep(BeepKind) { QApplication::beep(); }

void QtUserInterface::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, QString(), QString::fromLocal8Bit(text.c_str()), QMessageBox::Ok, &m_main);
  box.exec();
}

int QtUserInterface::MessageShow(const std::string& text, const std::string& title, const std::string&, int, int) {
  const auto answer = QMessageBox::question(&m_main, QString::fromLocal8Bit(title.c_str()),
                                            QString::fromLocal8Bit(text.c_str()));
  return answer == QMessageBox::Yes ? kYes : kNo;
}

void QtUserInterface::ShowRunTimeError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, "Tarvolin", QString::fromLocal8Bit(text.c_str()), QMessageBox::Ok, &m_main);
  box.exec();
}

void QtUserInterface::ShowModal(Window window) { m_windows[std::size_t(window)]->exec(); }

void QtUserInterface::ShowRiteMessage(const std::string& text, Rgb) { ShowMessage(text); }

std::string QtUserInterface::OpenFileDialog(const std::string&, const std::string&) { return {}; }

void QtUserInterface::Minimize() { m_main.showMinimized(); }

void QtUserInterface::Restore() { m_main.showNormal(); }

void QtUserInterface::Refresh() { m_main.Render(); }

void QtUserInterface::Quit() { QApplication::quit(); }

}  // namespace tv
