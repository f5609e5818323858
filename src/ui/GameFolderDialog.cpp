#include "ui/GameFolderDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tv {

std::string AskForGameFolder(const std::string& offered) {
  QString start = QString::fromStdString(offered);
  if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
  return QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Tarvolin - Choose the game folder"), start)
      .toStdString();
}

}  // namespace tv
