#pragma once
// The opinion window: a top line, eight coloured verdict rows and a bar with
// Cancel. It owns its own message dialog, which skins leave alone.
#include <functional>

#include "ui/SecondaryWindow.h"

namespace tv {

class BevelPanel;
class FlatButton;
class MessageDialog;

class OpinionDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit OpinionDialog(QWidget* parent);

  // Returns how the window closed and the opinion of the row clicked.
  OpinionAnswer Choose(const OpinionRequest& request);
  MessageDialog& Messages() { return *m_message; }

 protected:
  void Activated() override { DropFocus(); }

 private:
  // The comparison's message: shaded from white into colour, black bold text.
  void ShowOpinionMessage(const QString& text, const QColor& colour);
  void Close(OpinionAnswer answer);

  std::function<OpinionVerdict()> m_compare;
  OpinionAnswer m_answer;

  BevelPanel* m_topLine;
  FlatButton* m_compareButton;
  FlatButton* m_cancelButton;
  MessageDialog* m_message;
};

}  // namespace tv
