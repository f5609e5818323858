#pragma once
// "Select level": a two-column list of levels and a bar with Select and
// Cancel.
#include "ui/SecondaryWindow.h"

class QTreeWidget;

namespace tv {

class FlatButton;

class LevelDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit LevelDialog(QWidget* parent);

  // The rows shown; returns the row Select took, or -1 for Cancel and the frame.
  int Choose(const std::vector<LevelRow>& rows, const RowTest& takes);

 private:
  QTreeWidget* m_levelList;
  FlatButton* m_selectButton;
  FlatButton* m_cancelButton;
};

}  // namespace tv
