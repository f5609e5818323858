#include "ui/SkinColors.h"

#include <QApplication>
#include <QPalette>

#include "ui/Appearance.h"

namespace tv {

SkinColors ColorsOf(const Skin& skin) {
  const QColor dark = skin.dark ? ToQColor(*skin.dark) : QApplication::palette().color(QPalette::Button);
  return {ToQColor(skin.light), dark, ToQColor(skin.text)};
}

}  // namespace tv
