#pragma once
// "General Configurations": nickname, address, dedicated game and number of
// players for network games, on four gradient bars.
#include "ui/SecondaryWindow.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace tv {

class FlatButton;
class TransparentCheckBox;

class TfrmConfig : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmConfig(QWidget* parent);

 private:
  QLabel* AddLabel(QWidget* bar, const char* name, const QString& text, int x, int y);

  QLabel* Label1;
  QLineEdit* EditNick;
  QLabel* Label2;
  QLabel* LabelIP;
  QLineEdit* EditAddr;
  TransparentCheckBox* CheckBoxDedi;
  QLabel* Label3;
  QSpinBox* CSpinPlayers;
  FlatButton* btnAccept;
  FlatButton* btnCancel;
};

}  // namespace tv
