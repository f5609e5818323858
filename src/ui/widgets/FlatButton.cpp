#include "ui/widgets/FlatButton.h"

namespace tv {

FlatButton::FlatButton(const QString& text, QWidget* parent, const QIcon& glyph) : QPushButton(glyph, text, parent) {
  setFlat(true);
  setFocusPolicy(Qt::NoFocus);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
}

}  // namespace tv
