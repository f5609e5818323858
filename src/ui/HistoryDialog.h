#pragma once
// "Map History": the last maps played, oldest first, each in the colour of
// its opinion, and a Close button.
#include <functional>

#include "ui/SecondaryWindow.h"

class QListWidget;

namespace tv {

class FlatButton;

class HistoryDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit HistoryDialog(QWidget* parent);

  // The rows are read afresh at every activation; the window then sits over
  // the middle of the main window.
  void Show(std::function<std::vector<HistoryRow>()> rows);

 protected:
  void Activated() override;

 private:
  std::function<std::vector<HistoryRow>()> m_rows;
  QListWidget* m_historyList;
  FlatButton* m_closeButton;
};

}  // namespace tv
