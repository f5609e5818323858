#include "ui/widgets/CaptionMenu.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/Appearance.h"
#include "ui/widgets/CaptionMenuStyle.h"

namespace tv {
namespace {

QFont CaptionFont() { return UiFont("Tahoma", 19, true, true); }

}  // namespace

CaptionMenu::CaptionMenu(const QString& caption, Alignment alignment, QWidget* parent)
    : QMenu(parent), m_caption(caption), m_alignment(alignment), m_style(new CaptionMenuStyle) {
  m_style->setParent(this);
  setStyle(m_style);
  if (!caption.isEmpty()) m_barWidth = QFontMetrics(CaptionFont()).height() + 2;
  // The items are laid out right of the bar; set before any item exists.
  setContentsMargins(m_barWidth, 0, 0, 0);
}

CaptionMenu::~CaptionMenu() {
  // The style is a child of the menu and goes before the widget lets go of it.
  setStyle(nullptr);
}

void CaptionMenu::SetColors(const QColor& dark, const QColor& light, const QColor& text) {
  m_style->SetColors(dark, light, text);
  for (CaptionMenu* submenu : m_submenus) submenu->SetColors(dark, light, text);
  update();
}

CaptionMenu* CaptionMenu::AddSubmenu(const char* name, const QString& title, const QIcon& picture) {
  auto* submenu = new CaptionMenu(QString(), Alignment::LeftAtPointer, this);
  submenu->setObjectName(name);
  submenu->setTitle(title);
  submenu->setIcon(picture);
  submenu->menuAction()->setObjectName(name);
  submenu->SetColors(m_style->Dark(), m_style->Light(), m_style->Text());
  addMenu(submenu);
  m_submenus.push_back(submenu);
  return submenu;
}

void CaptionMenu::PopupAt(const QPoint& point) {
  QPoint at = point;
  if (m_alignment == Alignment::CentredOnPointer) at.rx() -= sizeHint().width() / 2;
  popup(at);
}

void CaptionMenu::paintEvent(QPaintEvent* event) {
  QMenu::paintEvent(event);
  if (m_barWidth == 0) return;
  QPainter painter(this);
  const int frame = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
  const QRect bar(frame, frame, m_barWidth, height() - 2 * frame);
  QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
  shade.setColorAt(0, m_style->Light());
  shade.setColorAt(1, m_style->Dark());
  painter.fillRect(bar, shade);
  // The caption reads upwards from the bottom of the bar.
  painter.translate(bar.left(), bar.bottom() + 1);
  painter.rotate(-90);
  painter.setPen(Qt::white);
  painter.setFont(CaptionFont());
  painter.drawText(QRect(6, 0, bar.height() - 6, bar.width()), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

}  // namespace tv
