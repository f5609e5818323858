#pragma once
// "Map History": the last maps played, oldest first, each in the colour of
// its opinion, and a Close button.
#include "ui/SecondaryWindow.h"

class QListWidget;

namespace tv {

class FlatButton;

class HistoryDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit HistoryDialog(QWidget* parent);

 protected:
  // Read afresh at every activation; the window sits over the middle of the
  // main window.
  void Activate(Program& program) override;

 private:
  QListWidget* m_historyList;
  FlatButton* m_closeButton;
};

}  // namespace tv
