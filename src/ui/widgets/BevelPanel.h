#pragma once
// A coloured row with a lowered outer and a raised inner bevel and a caption;
// it reports clicks when it is made clickable.
#include <QLabel>

namespace tv {

class BevelPanel : public QLabel {
  Q_OBJECT
 public:
  BevelPanel(const QString& text, const QColor& colour, QWidget* parent);
  void SetClickable(bool clickable);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool m_clickable = false;
};

}  // namespace tv
