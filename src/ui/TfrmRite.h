#pragma once
// The opinion window: a top line, eight coloured verdict rows and a bar with
// Cancel. It owns its own message dialog, which skins leave alone.
#include <cstddef>

#include "ui/SecondaryWindow.h"

namespace tv {

class BevelPanel;
class FlatButton;
class MessageDialog;

class TfrmRite : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmRite(QWidget* parent);

  // The comparison's message: shaded from white into colour, black bold text.
  void ShowRiteMessage(const QString& text, const QColor& colour);
  MessageDialog& Messages() { return *m_message; }

 protected:
  void FormShow(Program& program) override;
  void FormActivate(Program&) override { DropFocus(); }

 private:
  void PanelClick(std::size_t row);
  void btnCancelClick();
  void btnCompareClick();

  BevelPanel* PanelA;
  FlatButton* btnCompare;
  FlatButton* btnCancel;
  MessageDialog* m_message;
};

}  // namespace tv
