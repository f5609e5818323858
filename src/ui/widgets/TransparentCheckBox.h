#pragma once
// A check box whose text is drawn straight onto what lies behind it.
#include <QCheckBox>

namespace tv {

class TransparentCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  TransparentCheckBox(const QString& text, QWidget* parent, const QColor& textColour);
};

}  // namespace tv
