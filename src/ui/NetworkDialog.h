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

class NetworkDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit NetworkDialog(QWidget* parent);

 protected:
  void Prepare(Program& program) override;
  // Coming back to the window re-reads the settings file over what was typed.
  void Activate(Program& program) override;

 private:
  void Render(const NetworkConfig& config);
  void SetDedicated(bool checked);
  void Accept();

  QLabel* AddLabel(QWidget* bar, const char* name, const QString& text, int x, int y);

  QLabel* m_nicknameLabel;
  QLineEdit* m_nicknameEdit;
  QLabel* m_headingLabel;
  QLabel* m_addressLabel;
  QLineEdit* m_addressEdit;
  TransparentCheckBox* m_dedicatedBox;
  QLabel* m_playersLabel;
  QSpinBox* m_playersBox;
  FlatButton* m_acceptButton;
  FlatButton* m_cancelButton;
};

}  // namespace tv
