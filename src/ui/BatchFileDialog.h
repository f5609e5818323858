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

 protected:
  void Prepare(Program& program) override;

 private:
  void Select();
  void Cancel();

  QListWidget* m_batchList;
  FlatButton* m_selectButton;
  FlatButton* m_cancelButton;
};

}  // namespace tv
