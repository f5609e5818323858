#include "ui/widgets/PlayButton.h"

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
