#pragma once
// "Play Batch File": the batch files of the program folder and a bar with
// Select and Cancel.
#include "ui/SecondaryWindow.h"

class QListWidget;

namespace tv {

class FlatButton;

class TfrmBatch : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmBatch(QWidget* parent);

 protected:
  void FormShow(Program& program) override;

 private:
  void btnSelectClick();
  void btnCancelClick();

  QListWidget* FileListBox1;
  FlatButton* btnSelect;
  FlatButton* btnCancel;
};

}  // namespace tv
