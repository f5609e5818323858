#include "ui/TfrmConfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/Program.h"
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

TfrmConfig::TfrmConfig(QWidget* parent) : SecondaryWindow("TfrmConfig", "General Configurations", 241, 271, parent) {
  const int w = width();
  GradientPanel* nick = AddBar(0, 0, w, 58);
  Label1 = AddLabel(nick, "Label1", "Nickname", 10, 6);
  EditNick = new QLineEdit(nick);
  EditNick->setObjectName("EditNick");
  EditNick->setGeometry(10, 27, w - 20, 21);

  GradientPanel* address = AddBar(0, 58, w, 100);
  Label2 = AddLabel(address, "Label2", "Hosting a Game", 10, 6);
  LabelIP = AddLabel(address, "LabelIP", "Opponents IP  Address", 10, 27);
  EditAddr = new QLineEdit(address);
  EditAddr->setObjectName("EditAddr");
  EditAddr->setGeometry(10, 46, w - 20, 21);
  CheckBoxDedi = new TransparentCheckBox("  Dedicated Master / Slave", address, Qt::white);
  CheckBoxDedi->setObjectName("CheckBoxDedi");
  CheckBoxDedi->setGeometry(10, 74, w - 20, 20);
  AddSkinnedText(CheckBoxDedi);

  GradientPanel* players = AddBar(0, 158, w, 58);
  Label3 = AddLabel(players, "Label3", "Number of  Players", 10, 19);
  CSpinPlayers = new QSpinBox(players);
  CSpinPlayers->setObjectName("CSpinPlayers");
  CSpinPlayers->setRange(2, 8);
  CSpinPlayers->setValue(2);
  CSpinPlayers->setGeometry(w - 70, 17, 60, 22);

  GradientPanel* buttons = AddBar(0, 216, w, height() - 216);
  btnAccept = AddButton(buttons, "btnAccept", " &Accept", 20, 90);
  btnCancel = AddButton(buttons, "btnCancel", " &Cancel", 131, 90);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  // Only what the user does goes back to the core; rendering sends nothing.
  connect(EditNick, &QLineEdit::textEdited, this,
          [this](const QString& text) { Run([&](Program& p) { p.Config().editNick = text.toStdString(); }); });
  connect(EditAddr, &QLineEdit::textEdited, this,
          [this](const QString& text) { Run([&](Program& p) { p.Config().editAddr = text.toStdString(); }); });
  connect(CSpinPlayers, &QSpinBox::valueChanged, this,
          [this](int value) { Run([&](Program& p) { p.Config().cSpinPlayers = value; }); });
  connect(CheckBoxDedi, &QCheckBox::clicked, this, &TfrmConfig::CheckBoxDediClick);
  connect(btnAccept, &QPushButton::clicked, this, &TfrmConfig::btnAcceptClick);
}

void TfrmConfig::FormShow(Program& program) { Render(program.Config()); }

void TfrmConfig::FormActivate(Program& program) {
  program.ConfigFormActivate();
  Render(program.Config());
}

void TfrmConfig::Render(const NetworkConfig& config) {
  Label2->setText(Shown(config.label2));
  LabelIP->setText(Shown(config.labelIp));
  ShowText(EditNick, Shown(config.editNick));
  ShowText(EditAddr, Shown(config.editAddr));
  CheckBoxDedi->setChecked(config.checkBoxDedi);
  const QSignalBlocker block(CSpinPlayers);
  CSpinPlayers->setValue(int(config.cSpinPlayers));
}

void TfrmConfig::CheckBoxDediClick(bool checked) {
  Run([&](Program& p) {
    p.Config().CheckBoxDediClick(checked);
    LabelIP->setText(Shown(p.Config().labelIp));
  });
}

void TfrmConfig::btnAcceptClick() {
  Run([](Program& p) { p.ConfigAcceptClick(); });
  accept();
}

QLabel* TfrmConfig::AddLabel(QWidget* bar, const char* name, const QString& text, int x, int y) {
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
