#include "ui/widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace tv {

void PaintHorizontalGradient(QPainter& painter, const QRect& rect, const QColor& left, const QColor& right) {
  QLinearGradient gradient(rect.topLeft(), rect.topRight());
  gradient.setColorAt(0, left);
  gradient.setColorAt(1, right);
  painter.fillRect(rect, gradient);
}

GradientPanel::GradientPanel(QWidget* parent, QColor left, QColor right)
    : QWidget(parent), m_left(left), m_right(right) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::SetColors(const QColor& left, const QColor& right) {
  if (left == m_left && right == m_right) return;
  m_left = left;
  m_right = right;
  update();
}

void GradientPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintHorizontalGradient(painter, rect(), m_left, m_right);
}

}  // namespace tv
