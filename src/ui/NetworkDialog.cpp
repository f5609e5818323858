#include "ui/NetworkDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/TransparentCheckBox.h"

namespace tv {
namespace {

// Setting the same text again would move the cursor while the user types.
void ShowText(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

}  // namespace

NetworkDialog::NetworkDialog(QWidget* parent)
    : SecondaryWindow("NetworkDialog", "General Configurations", 241, 271, parent) {
  const int w = width();
  GradientPanel* nick = AddBar(0, 0, w, 58);
  m_nicknameLabel = AddLabel(nick, "nicknameLabel", "Nickname", 10, 6);
  m_nicknameEdit = new QLineEdit(nick);
  m_nicknameEdit->setObjectName("nicknameEdit");
  m_nicknameEdit->setGeometry(10, 27, w - 20, 21);

  GradientPanel* address = AddBar(0, 58, w, 100);
  m_headingLabel = AddLabel(address, "headingLabel", "Hosting a Game", 10, 6);
  m_addressLabel = AddLabel(address, "addressLabel", "Opponents IP  Address", 10, 27);
  m_addressEdit = new QLineEdit(address);
  m_addressEdit->setObjectName("addressEdit");
  m_addressEdit->setGeometry(10, 46, w - 20, 21);
  m_dedicatedBox = new TransparentCheckBox("  Dedicated Master / Slave", address, Qt::white);
  m_dedicatedBox->setObjectName("dedicatedBox");
  m_dedicatedBox->setGeometry(10, 74, w - 20, 20);
  AddSkinnedText(m_dedicatedBox);

  GradientPanel* players = AddBar(0, 158, w, 58);
  m_playersLabel = AddLabel(players, "playersLabel", "Number of  Players", 10, 19);
  m_playersBox = new QSpinBox(players);
  m_playersBox->setObjectName("playersBox");
  m_playersBox->setRange(2, 8);
  m_playersBox->setValue(2);
  m_playersBox->setGeometry(w - 70, 17, 60, 22);

  GradientPanel* buttons = AddBar(0, 216, w, height() - 216);
  m_acceptButton = AddButton(buttons, "acceptButton", " &Accept", 20, 90);
  m_cancelButton = AddButton(buttons, "cancelButton", " &Cancel", 131, 90);
  connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  // Only what the user does edits the values; rendering changes none.
  connect(m_nicknameEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { m_config.nickname = text.toStdString(); });
  connect(m_addressEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { m_config.address = text.toStdString(); });
  connect(m_playersBox, &QSpinBox::valueChanged, this, [this](int value) { m_config.numPlayers = value; });
  connect(m_dedicatedBox, &QCheckBox::clicked, this, [this](bool checked) {
    m_config.SetDedicated(checked);
    m_addressLabel->setText(Shown(m_config.addressLabel));
  });
  connect(m_acceptButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool NetworkDialog::Edit(NetworkConfig& config, std::function<void(NetworkConfig&)> reload) {
  m_config = config;
  m_reload = std::move(reload);
  Render();
  const bool accepted = exec() == QDialog::Accepted;
  config = m_config;
  return accepted;
}

void NetworkDialog::Activated() {
  if (m_reload) m_reload(m_config);
  Render();
}

void NetworkDialog::Render() {
  const NetworkConfig& config = m_config;
  m_headingLabel->setText(Shown(config.heading));
  m_addressLabel->setText(Shown(config.addressLabel));
  ShowText(m_nicknameEdit, Shown(config.nickname));
  ShowText(m_addressEdit, Shown(config.address));
  m_dedicatedBox->setChecked(config.dedicated);
  const QSignalBlocker block(m_playersBox);
  m_playersBox->setValue(int(config.numPlayers));
}

QLabel* NetworkDialog::AddLabel(QWidget* bar, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, bar);
  label->setObjectName(name);
  label->setFont(DefaultFont(true));
  label->move(x, y);
  label->resize(bar->width() - 2 * x, label->sizeHint().height());
  SetTextColour(label, Qt::white);
  AddSkinnedText(label);
  return label;
}

}  // namespace tv
