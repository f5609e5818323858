#pragma once
// An owner-drawn list of rows coloured by their opinion codes. The right
// button reports itself without touching the selection; every release and
// double click is reported, wherever it falls in the list.
#include <QListWidget>
#include <vector>

#include "session/MainView.h"

namespace tv {

class OpinionList : public QListWidget {
  Q_OBJECT
 public:
  OpinionList(int rowHeight, QWidget* parent);

  // Shows the rows, rebuilt only when they changed, and selects the given
  // ones; no signal is sent for what this changes.
  void Show(const std::vector<ListRow>& rows, const std::vector<int>& selected);
  std::vector<int> SelectedRows() const;  // ascending

 signals:
  void rightButtonDown();
  void mouseUp();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool SameRows(const std::vector<ListRow>& rows) const;
};

}  // namespace tv
