#include "ui/widgets/PlayButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/Appearance.h"

namespace tv {
namespace {

QPainterPath Shape(const QRectF& rect) {
  QPainterPath path;
  const qreal radius = rect.height() / 2;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

// The button reacts to its left button only; every button is handled as
// that one.
QMouseEvent AsLeftButton(const QMouseEvent& event) {
  return QMouseEvent(event.type(), event.position(), event.scenePosition(), event.globalPosition(), Qt::LeftButton,
                     event.type() == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton,
                     event.modifiers(), event.pointingDevice());
}

}  // namespace

PlayButton::PlayButton(QWidget* parent) : QPushButton(parent) {
  setFont(UiFont("MS Sans Serif", 13, true));
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void PlayButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  // Clicks outside the rounded body fall through to the picture behind.
  setMask(QRegion(Shape(rect()).toFillPolygon().toPolygon()));
}

void PlayButton::mousePressEvent(QMouseEvent* event) {
  QMouseEvent left = AsLeftButton(*event);
  QPushButton::mousePressEvent(&left);
  event->setAccepted(left.isAccepted());
}

void PlayButton::mouseReleaseEvent(QMouseEvent* event) {
  QMouseEvent left = AsLeftButton(*event);
  QPushButton::mouseReleaseEvent(&left);
  event->setAccepted(left.isAccepted());
}

void PlayButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const bool lit = isEnabled() && underMouse();
  painter.fillPath(Shape(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)),
                   QColor::fromRgb(lit ? kBodyUnderPointer : kBody));
  painter.setPen(isEnabled() ? QColor::fromRgb(kText) : palette().color(QPalette::Disabled, QPalette::ButtonText));
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace tv
