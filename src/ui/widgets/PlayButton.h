#pragma once
// The shaped Play button: a black rounded body with yellow bold text that
// turns red under the pointer. It acts on the press of any mouse button (its
// pressed() signal).
#include <QPushButton>

namespace tv {

class PlayButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PlayButton(QWidget* parent);

  static constexpr QRgb kBody = 0xff000000;
  static constexpr QRgb kBodyUnderPointer = 0xffff0000;
  static constexpr QRgb kText = 0xffffff00;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tv
