#pragma once
// The text viewer: a read-only text that keeps its tabs and long lines, and a
// bar with Exit. Its caption is set when a text is shown.
#include "ui/SecondaryWindow.h"

class QPlainTextEdit;

namespace tv {

class FlatButton;

class ReadMeViewer : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit ReadMeViewer(QWidget* parent);

  void Show(const ReadMeView& view);

 private:
  QPlainTextEdit* m_text;
  FlatButton* m_exitButton;
};

}  // namespace tv
