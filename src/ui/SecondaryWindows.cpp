#include "ui/SecondaryWindows.h"

namespace tv {

SecondaryWindow::SecondaryWindow(const char* name, const char* caption, int width, int height, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(name);
  setWindowTitle(caption);
  setFixedSize(width, height);
}

}  // namespace tv
