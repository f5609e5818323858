#pragma once
// "General Configurations": nickname, address, dedicated game and number of
// players for network games, on four gradient bars.
#include "ui/SecondaryWindow.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace tv {

class FlatButton;
struct NetworkConfig;
class TransparentCheckBox;

class TfrmConfig : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmConfig(QWidget* parent);

 protected:
  void FormShow(Program& program) override;
  // Coming back to the window re-reads the settings file over what was typed.
  void FormActivate(Program& program) override;

 private:
  void Render(const NetworkConfig& config);
  void CheckBoxDediClick(bool checked);
  void btnAcceptClick();

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
