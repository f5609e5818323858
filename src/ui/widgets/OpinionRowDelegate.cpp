#include "ui/widgets/OpinionRowDelegate.h"

#include <QPainter>

#include "catalog/Opinion.h"
#include "ui/Appearance.h"

namespace tv {
namespace {

// Light fills that white selected text would vanish on.
bool IsLightFill(Rgb c) { return c == Rgb{0, 255, 0} || c == Rgb{255, 255, 0} || c == Rgb{0, 255, 255}; }

}  // namespace

void OpinionRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const Rgb c = OpinionColor(index.data(kOpinionCodeRole).toInt());
  const QColor colour = ToQColor(c);
  QColor text = colour;
  if (option.state & QStyle::State_Selected) {
    painter->fillRect(option.rect, colour);
    text = IsLightFill(c) ? QColor(Qt::black) : option.palette.color(QPalette::Active, QPalette::HighlightedText);
  } else {
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));
  }
  painter->save();
  painter->setPen(text);
  painter->setFont(option.font);
  painter->drawText(option.rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

QSize OpinionRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width(), m_rowHeight};
}

}  // namespace tv
