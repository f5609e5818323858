#pragma once
// The text viewer: a read-only text that keeps its tabs and long lines, and a
// bar with Exit. Its caption is set when a text is shown.
#include "ui/SecondaryWindow.h"

class QPlainTextEdit;

namespace tv {

class FlatButton;

class TfrmInfo : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmInfo(QWidget* parent);

 protected:
  void FormShow(Program& program) override;

 private:
  QPlainTextEdit* Memo1;
  FlatButton* btnExit;
};

}  // namespace tv
