#pragma once
// What the six secondary windows share: a fixed client size, a frame with the
// system menu only, gradient bars and texts that follow the skin. Each is
// created once at start-up and shown modally when the core asks for it, with
// the data it shows; it hands back what the user chose.
#include <QDialog>
#include <vector>

#include "session/UserInterface.h"
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

  // A list window: shows until Select takes a row or the window is cancelled
  // or closed; returns the row taken, or -1.
  int ExecChoosing(RowTest takes);
  // Select on that row (-1: none selected); the window closes when it is taken.
  void OfferRow(int row);
  // Each time the window becomes the active one (also when the user comes
  // back to it from another window).
  virtual void Activated() {}
  // The keyboard focus goes to the window itself, so no control holds it.
  void DropFocus();

  void changeEvent(QEvent* event) override;

 private:
  RowTest m_takes;
  int m_taken = -1;
  std::vector<GradientPanel*> m_bars;
  std::vector<QWidget*> m_skinnedTexts;
};

}  // namespace tv
