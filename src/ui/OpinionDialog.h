#pragma once
// The opinion window: a top line, eight coloured verdict rows and a bar with
// Cancel. It owns its own message dialog, which skins leave alone.
#include <cstddef>

#include "ui/SecondaryWindow.h"

namespace tv {

class BevelPanel;
class FlatButton;
class MessageDialog;

class OpinionDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit OpinionDialog(QWidget* parent);

  // The comparison's message: shaded from white into colour, black bold text.
  void ShowOpinionMessage(const QString& text, const QColor& colour);
  MessageDialog& Messages() { return *m_message; }

 protected:
  void Prepare(Program& program) override;
  void Activate(Program&) override { DropFocus(); }

 private:
  void ChooseOpinion(std::size_t row);
  void Cancel();
  void Compare();

  BevelPanel* m_topLine;
  FlatButton* m_compareButton;
  FlatButton* m_cancelButton;
  MessageDialog* m_message;
};

}  // namespace tv
