#pragma once
#include <QDialog>

namespace tv {

// A secondary window: created once at start-up, shown modally when needed.
class SecondaryWindow : public QDialog {
  Q_OBJECT
 public:
  SecondaryWindow(const char* name, const char* caption, int width, int height, QWidget* parent = nullptr);
};

}  // namespace tv
