#pragma once
// "General Configurations": nickname, address, dedicated game and number of
// players for network games, on four gradient bars.
#include <functional>

#include "ui/SecondaryWindow.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace tv {

class FlatButton;
class TransparentCheckBox;

class NetworkDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit NetworkDialog(QWidget* parent);

  // Shows config and hands back what was typed, whichever button closed the
  // window; true for Accept.
  bool Edit(NetworkConfig& config, std::function<void(NetworkConfig&)> reload);

 protected:
  // Coming back to the window reloads the values over what was typed.
  void Activated() override;

 private:
  void Render();

  QLabel* AddLabel(QWidget* bar, const char* name, const QString& text, int x, int y);

  NetworkConfig m_config;
  std::function<void(NetworkConfig&)> m_reload;
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
