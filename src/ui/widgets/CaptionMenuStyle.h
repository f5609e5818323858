#pragma once
// How a captioned menu draws its items: 22 pixels high, text indented 32
// pixels, a small picture (or the check mark) in front; items shaded from the
// dark to the light colour, the highlighted one from white to silver with
// black text; separators as plain lines. Everything else stays Qt's.
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace tv {

class CaptionMenuStyle : public QProxyStyle {
  Q_OBJECT
 public:
  static constexpr int kItemHeight = 22;
  static constexpr int kTextIndent = 32;
  static constexpr int kSeparatorHeight = 7;

  void SetColors(const QColor& dark, const QColor& light, const QColor& text);
  QColor Dark() const { return m_dark; }
  QColor Light() const { return m_light; }
  QColor Text() const { return m_text; }

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;

 private:
  void DrawItem(const QStyleOptionMenuItem& item, QPainter& painter) const;

  QColor m_dark{Qt::black};
  QColor m_light{128, 128, 128};
  QColor m_text{Qt::white};
};

}  // namespace tv
