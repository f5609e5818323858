#include "ui/widgets/TransparentCheckBox.h"

#include "ui/Appearance.h"

namespace tv {

TransparentCheckBox::TransparentCheckBox(const QString& text, QWidget* parent, const QColor& textColour)
    : QCheckBox(text, parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  SetTextColour(this, textColour);
}

}  // namespace tv
