#pragma once
// A flat button on a bar: no frame until pressed, bold text, an optional
// glyph, and no keyboard focus of its own (its mnemonic still works).
#include <QPushButton>

namespace tv {

class FlatButton : public QPushButton {
  Q_OBJECT
 public:
  FlatButton(const QString& text, QWidget* parent, const QIcon& glyph = QIcon());
};

}  // namespace tv
