#pragma once
// Draws a list row from its text and opinion code only: a selected row is
// filled with the opinion colour (black text on lime, yellow and aqua, else
// the system's selected-text colour); any other row shows its colour on the
// list's black. The text sits one pixel right of the row's left edge, at its top.
#include <QStyledItemDelegate>

namespace tv {

inline constexpr int kOpinionCodeRole = Qt::UserRole;

class OpinionRowDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  OpinionRowDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), m_rowHeight(rowHeight) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int m_rowHeight;
};

}  // namespace tv
