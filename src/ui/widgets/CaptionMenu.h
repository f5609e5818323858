#pragma once
// A pop-up menu with a vertical caption bar on its left edge. It stays a
// QMenu: keyboard, submenus and accessibility work as in any other menu.
#include <QMenu>
#include <vector>

namespace tv {

class CaptionMenuStyle;

class CaptionMenu : public QMenu {
  Q_OBJECT
 public:
  enum class Alignment { LeftAtPointer, CentredOnPointer };

  // An empty caption makes a menu without a bar (the submenus).
  CaptionMenu(const QString& caption, Alignment alignment, QWidget* parent);
  ~CaptionMenu() override;

  // Item colours for this menu and every submenu made by AddSubmenu.
  void SetColors(const QColor& dark, const QColor& light, const QColor& text);
  CaptionMenu* AddSubmenu(const char* name, const QString& title, const QIcon& picture);
  // Opens the menu at a screen point, placed as its alignment says.
  void PopupAt(const QPoint& point);

  const QString& Caption() const { return m_caption; }
  const CaptionMenuStyle& Style() const { return *m_style; }
  int BarWidth() const { return m_barWidth; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_caption;
  Alignment m_alignment;
  CaptionMenuStyle* m_style;
  int m_barWidth = 0;
  std::vector<CaptionMenu*> m_submenus;
};

}  // namespace tv
