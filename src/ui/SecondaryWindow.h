#pragma once
// What the six secondary windows share: a fixed client size, a frame with the
// system menu only, gradient bars and texts that follow the skin. Each is
// created once at start-up and shown modally when an operation needs it.
#include <QDialog>
#include <vector>

#include "ui/SkinColors.h"

namespace tv {

class GradientPanel;
class FlatButton;

class SecondaryWindow : public QDialog {
  Q_OBJECT
 public:
  SecondaryWindow(const char* name, const QString& caption, int width, int height, QWidget* parent);

  // Bars shade from the skin's light to its dark colour; skinned texts take
  // its text colour.
  void ApplySkin(const SkinColors& colors);

 protected:
  GradientPanel* AddBar(int x, int y, int width, int height);
  // A white bold flat button on a bar whose text follows the skin.
  FlatButton* AddButton(QWidget* bar, const char* name, const QString& caption, int x, int width);
  void AddSkinnedText(QWidget* widget);

 private:
  std::vector<GradientPanel*> m_bars;
  std::vector<QWidget*> m_skinnedTexts;
};

}  // namespace tv
