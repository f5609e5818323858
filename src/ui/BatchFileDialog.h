#pragma once
// "Play Batch File": the batch files of the program folder and a bar with
// Select and Cancel.
#include "ui/SecondaryWindow.h"

class QListWidget;

namespace tv {

class FlatButton;

class BatchFileDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit BatchFileDialog(QWidget* parent);

  // The files shown; returns the row Select took, or -1 for Cancel and the frame.
  int Choose(const std::vector<std::string>& files, const RowTest& takes);

 private:
  QListWidget* m_batchList;
  FlatButton* m_selectButton;
  FlatButton* m_cancelButton;
};

}  // namespace tv
