#include "ui/Appearance.h"

#include "catalog/ReadMe.h"

#include <QApplication>
#include <QWidget>

// Resources of a static library must be registered by name from outside any
// namespace.
static void InitResources() { Q_INIT_RESOURCE(Tarvolin); }

namespace tv {

void SetUpAppearance() {
  InitResources();
  QApplication::setStyle("Fusion");
  // Metric-compatible substitutes keep the fixed layouts as designed; the
  // system's aliases already map Arial and Tahoma.
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QApplication::setFont(DefaultFont());
}

QFont UiFont(const char* family, int pixels, bool bold, bool italic) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QString Shown(const std::string& bytes) { return QString::fromStdString(NameToUtf8(bytes)); }

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, colour);
    palette.setColor(group, QPalette::ButtonText, colour);
  }
  widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetListColours(QWidget* list, const QColor& background, const QColor& text) {
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Window, background);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::Text, text);
  list->setPalette(palette);
}

}  // namespace tv
