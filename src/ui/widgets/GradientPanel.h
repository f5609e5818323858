#pragma once
// A panel shaded from one colour on its left edge to another on its right.
#include <QColor>
#include <QWidget>

namespace tv {

void PaintHorizontalGradient(QPainter& painter, const QRect& rect, const QColor& left, const QColor& right);

class GradientPanel : public QWidget {
  Q_OBJECT
 public:
  explicit GradientPanel(QWidget* parent = nullptr, QColor left = QColor(128, 128, 128), QColor right = Qt::black);
  void SetColors(const QColor& left, const QColor& right);
  QColor Left() const { return m_left; }
  QColor Right() const { return m_right; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor m_left;
  QColor m_right;
};

}  // namespace tv
