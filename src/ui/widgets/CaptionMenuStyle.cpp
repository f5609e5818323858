#include "ui/widgets/CaptionMenuStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

#include "ui/widgets/GradientPanel.h"

namespace tv {
namespace {

constexpr int kPicture = 16;
constexpr int kPictureLeft = 8;
constexpr int kRightSpace = 24;  // room for the submenu arrow

const QColor kSilver(192, 192, 192);

QString MenuText(const QString& text) { return text.section('\t', 0, 0); }

void DrawCheckMark(QPainter& painter, const QRect& box, const QColor& colour) {
  QPainterPath tick;
  tick.moveTo(box.left() + 3, box.center().y());
  tick.lineTo(box.left() + 6, box.bottom() - 3);
  tick.lineTo(box.right() - 2, box.top() + 3);
  painter.setPen(QPen(colour, 2));
  painter.drawPath(tick);
}

void DrawArrow(QPainter& painter, const QRect& item, const QColor& colour) {
  const int x = item.right() - 10;
  const int y = item.center().y();
  QPainterPath arrow;
  arrow.moveTo(x, y - 4);
  arrow.lineTo(x + 4, y);
  arrow.lineTo(x, y + 4);
  arrow.closeSubpath();
  painter.fillPath(arrow, colour);
}

}  // namespace

void CaptionMenuStyle::SetColors(const QColor& dark, const QColor& light, const QColor& text) {
  m_dark = dark;
  m_light = light;
  m_text = text;
}

QSize CaptionMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                         const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || !item) return QProxyStyle::sizeFromContents(type, option, size, widget);
  if (item->menuItemType == QStyleOptionMenuItem::Separator) return {size.width(), kSeparatorHeight};
  const int textWidth = item->fontMetrics.horizontalAdvance(MenuText(item->text).remove('&'));
  return {kTextIndent + textWidth + kRightSpace, kItemHeight};
}

int CaptionMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_MenuHMargin:
    case PM_MenuVMargin:
      return 0;
    case PM_MenuPanelWidth:
      return 1;
    case PM_SmallIconSize:
      return kPicture;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

void CaptionMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
  if (element == PE_PanelMenu) {
    painter->fillRect(option->rect, m_dark);
    return;
  }
  if (element == PE_FrameMenu) {
    painter->setPen(m_light);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CaptionMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  if (element == CE_MenuEmptyArea) {
    painter->fillRect(option->rect, m_dark);
    return;
  }
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element == CE_MenuItem && item) {
    painter->save();
    DrawItem(*item, *painter);
    painter->restore();
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void CaptionMenuStyle::DrawItem(const QStyleOptionMenuItem& item, QPainter& painter) const {
  const QRect& r = item.rect;
  const bool enabled = item.state & State_Enabled;
  const bool highlighted = enabled && (item.state & State_Selected);
  if (highlighted)
    PaintHorizontalGradient(painter, r, Qt::white, kSilver);
  else
    PaintHorizontalGradient(painter, r, m_dark, m_light);

  const QColor text = !enabled ? QColor(Qt::gray) : highlighted ? QColor(Qt::black) : m_text;
  if (item.menuItemType == QStyleOptionMenuItem::Separator) {
    painter.setPen(text);
    painter.drawLine(r.left() + 2, r.center().y(), r.right() - 2, r.center().y());
    return;
  }
  const QRect box(r.left() + kPictureLeft, r.top() + (r.height() - kPicture) / 2, kPicture, kPicture);
  if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCheckMark(painter, box, text);
  } else if (!item.icon.isNull()) {
    item.icon.paint(&painter, box, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
  }
  painter.setPen(text);
  painter.setFont(item.font);
  const QRect textRect = r.adjusted(kTextIndent, 0, -kRightSpace, 0);
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                   MenuText(item.text));
  if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
    painter.setRenderHint(QPainter::Antialiasing);
    DrawArrow(painter, r, text);
  }
}

}  // namespace tv
