#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tv {
namespace {

constexpr int kSize = 16;

void Cross(QPainter& p, const QColor& colour) {
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 4), QPointF(12, 12));
  p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void Triangle(QPainter& p, const QColor& colour) {
  QPainterPath path;
  path.moveTo(4, 2);
  path.lineTo(14, 8);
  path.lineTo(4, 14);
  path.closeSubpath();
  p.fillPath(path, colour);
}

void Draw(QPainter& p, Glyph glyph) {
  switch (glyph) {
    case Glyph::Menu:
      for (int y : {4, 8, 12}) p.fillRect(QRectF(2, y - 1, 12, 2), Qt::white);
      break;
    case Glyph::Play:
      Triangle(p, QColor(40, 220, 40));
      break;
    case Glyph::Quit:
      p.setPen(QPen(QColor(230, 60, 40), 2));
      p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
      p.drawLine(QPointF(8, 1.5), QPointF(8, 8));
      break;
    case Glyph::Delete:
      Cross(p, QColor(230, 40, 40));
      break;
    case Glyph::Compare:
      p.setPen(QPen(QColor(255, 210, 0), 2));
      p.drawEllipse(QRectF(2, 2, 8, 8));
      p.drawLine(QPointF(9, 9), QPointF(14, 14));
      break;
    case Glyph::Batch:
      p.fillRect(QRectF(3, 1, 10, 14), Qt::white);
      p.setPen(QColor(60, 60, 60));
      for (int y : {4, 7, 10}) p.drawLine(5, y, 11, y);
      break;
    case Glyph::Level:
      p.setPen(QPen(QColor(200, 200, 200), 1.5));
      p.drawLine(QPointF(4, 2), QPointF(4, 15));
      p.fillRect(QRectF(4.5, 2, 9, 6), QColor(230, 40, 40));
      break;
    case Glyph::Game:
      p.fillRect(QRectF(3, 12, 10, 3), QColor(90, 90, 90));
      p.setPen(QPen(QColor(200, 200, 200), 2));
      p.drawLine(QPointF(8, 12), QPointF(8, 6));
      p.setBrush(QColor(230, 40, 40));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(5, 1, 6, 6));
      break;
    case Glyph::Setup:
      p.setPen(QPen(QColor(200, 200, 200), 3, Qt::DotLine));
      p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
      p.setPen(QPen(QColor(200, 200, 200), 2));
      p.drawEllipse(QRectF(5, 5, 6, 6));
      break;
    case Glyph::CommandLine:
      p.fillRect(QRectF(1, 3, 14, 10), QColor(20, 20, 20));
      p.setPen(QPen(QColor(40, 220, 40), 1.5));
      p.drawPolyline(QPolygonF({QPointF(3, 5), QPointF(6, 8), QPointF(3, 11)}));
      p.drawLine(QPointF(8, 11), QPointF(12, 11));
      break;
    case Glyph::Desktop:
      p.fillRect(QRectF(1, 2, 14, 9), QColor(200, 200, 200));
      p.fillRect(QRectF(2, 3, 12, 7), QColor(40, 90, 200));
      p.fillRect(QRectF(5, 12, 6, 2), QColor(200, 200, 200));
      break;
    case Glyph::Skin:
      p.fillRect(QRectF(1, 1, 7, 7), QColor(230, 40, 40));
      p.fillRect(QRectF(8, 1, 7, 7), QColor(40, 200, 40));
      p.fillRect(QRectF(1, 8, 7, 7), QColor(40, 90, 230));
      p.fillRect(QRectF(8, 8, 7, 7), QColor(240, 200, 0));
      break;
    case Glyph::About:
      p.setBrush(QColor(40, 90, 230));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(1, 1, 14, 14));
      p.fillRect(QRectF(7, 7, 2, 5), Qt::white);
      p.fillRect(QRectF(7, 4, 2, 2), Qt::white);
      break;
    case Glyph::Cancel:
      Cross(p, QColor(200, 200, 200));
      break;
    case Glyph::Folder:
      p.fillRect(QRectF(1, 3, 6, 3), QColor(220, 170, 30));
      p.fillRect(QRectF(1, 5, 14, 9), QColor(250, 200, 50));
      break;
    case Glyph::Sort:
      for (int i = 0; i < 4; ++i) p.fillRect(QRectF(1 + i * 4, 13 - i * 3.5, 3, 2 + i * 3.5), QColor(40, 200, 200));
      break;
    case Glyph::Music:
      p.setBrush(QColor(255, 210, 0));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(2, 10, 5, 4));
      p.fillRect(QRectF(6, 2, 1.5, 10), QColor(255, 210, 0));
      p.fillRect(QRectF(6, 2, 7, 2), QColor(255, 210, 0));
      break;
    case Glyph::Save:
      p.fillRect(QRectF(1, 1, 14, 14), QColor(40, 90, 200));
      p.fillRect(QRectF(4, 1, 8, 5), Qt::white);
      p.fillRect(QRectF(3, 9, 10, 6), QColor(200, 200, 200));
      break;
    case Glyph::History:
      p.setPen(QPen(Qt::white, 1.5));
      p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      p.drawPolyline(QPolygonF({QPointF(8, 4), QPointF(8, 8), QPointF(11, 10)}));
      break;
    case Glyph::Multi:
      p.fillRect(QRectF(1, 1, 9, 9), QColor(200, 200, 200));
      p.fillRect(QRectF(6, 6, 9, 9), QColor(40, 220, 40));
      break;
  }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph, const QColor& ink) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  Draw(painter, glyph);
  if (ink.isValid()) {
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), ink);
  }
  painter.end();
  return QIcon(pixmap);
}

}  // namespace tv
