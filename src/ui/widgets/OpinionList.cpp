#include "ui/widgets/OpinionList.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "catalog/Opinion.h"
#include "ui/Appearance.h"
#include "ui/widgets/OpinionRowDelegate.h"

namespace tv {

OpinionList::OpinionList(int rowHeight, QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new OpinionRowDelegate(rowHeight, this));
  setUniformItemSizes(true);
  setFont(DefaultFont(true));
  SetListColours(this, Qt::black, ToQColor(kSilver));
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool OpinionList::SameRows(const std::vector<ListRow>& rows) const {
  if (int(rows.size()) != count()) return false;
  for (int i = 0; i < count(); ++i) {
    const QListWidgetItem* it = item(i);
    if (it->data(kOpinionCodeRole).toInt() != rows[std::size_t(i)].code ||
        it->text() != Shown(rows[std::size_t(i)].text))
      return false;
  }
  return true;
}

void OpinionList::Show(const std::vector<ListRow>& rows, const std::vector<int>& selected) {
  const QSignalBlocker blockList(this);
  const QSignalBlocker blockSelection(selectionModel());
  if (!SameRows(rows)) {
    clear();
    for (const ListRow& row : rows) {
      auto* it = new QListWidgetItem(Shown(row.text), this);
      it->setData(kOpinionCodeRole, row.code);
    }
  }
  if (SelectedRows() == selected) return;
  clearSelection();
  for (int row : selected)
    if (QListWidgetItem* it = item(row)) it->setSelected(true);
  // The keyboard goes on from the first selected row.
  if (!selected.empty() && item(selected.front()))
    selectionModel()->setCurrentIndex(model()->index(selected.front(), 0), QItemSelectionModel::NoUpdate);
  viewport()->update();
}

std::vector<int> OpinionList::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void OpinionList::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit rightButtonDown();
    return;
  }
  QListWidget::mousePressEvent(event);
}

void OpinionList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) QListWidget::mouseReleaseEvent(event);
  emit mouseUp();
}

void OpinionList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit rightButtonDown();
    return;
  }
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace tv
