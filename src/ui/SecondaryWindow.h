#pragma once
// What the six secondary windows share: a fixed client size, a frame with the
// system menu only, gradient bars and texts that follow the skin. Each is
// created once at start-up and shown modally when an operation needs it; it
// renders the core's model of it and forwards its events there.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "ui/SkinColors.h"

namespace tv {

class GradientPanel;
class FlatButton;
class Program;

class SecondaryWindow : public QDialog {
  Q_OBJECT
 public:
  SecondaryWindow(const char* name, const QString& caption, int width, int height, QWidget* parent);

  // Bars shade from the skin's light to its dark colour; skinned texts take
  // its text colour.
  void ApplySkin(const SkinColors& colors);
  // The core whose model this window shows; without one the window only
  // shows its frame and closes.
  void SetProgram(Program* program) { m_program = program; }

 protected:
  GradientPanel* AddBar(int x, int y, int width, int height);
  // A white bold flat button on a bar whose text follows the skin.
  FlatButton* AddButton(QWidget* bar, const char* name, const QString& caption, int x, int width);
  void AddSkinnedText(QWidget* widget);

  // Each showing, and each time the window becomes the active one (also when
  // the user comes back to it from another window).
  virtual void Prepare(Program&) {}
  virtual void Activate(Program&) {}
  // Runs an event's operation the way every event does: a run-time error
  // ends it and is shown. Returns false when no core is attached.
  bool Run(const std::function<void(Program&)>& operation);
  // The keyboard focus goes to the window itself, so no control holds it.
  void DropFocus();

  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Program* m_program = nullptr;
  std::vector<GradientPanel*> m_bars;
  std::vector<QWidget*> m_skinnedTexts;
};

}  // namespace tv
