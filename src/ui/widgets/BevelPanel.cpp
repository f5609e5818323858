#include "ui/widgets/BevelPanel.h"

#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>

#include "ui/Appearance.h"

namespace tv {

BevelPanel::BevelPanel(const QString& text, const QColor& colour, QWidget* parent) : QLabel(text, parent) {
  SetBackground(this, colour);
  setAlignment(Qt::AlignCenter);
  setContentsMargins(2, 2, 2, 2);
}

void BevelPanel::SetClickable(bool clickable) {
  m_clickable = clickable;
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void BevelPanel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  QPainter painter(this);
  qDrawShadePanel(&painter, rect(), palette(), true, 1);
  qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}

void BevelPanel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace tv
