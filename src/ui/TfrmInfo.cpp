#include "ui/TfrmInfo.h"

#include <QPlainTextEdit>

#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

TfrmInfo::TfrmInfo(QWidget* parent) : SecondaryWindow("TfrmInfo", QString(), 532, 351, parent) {
  constexpr int kBar = 34;
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(0, 0, width(), height() - kBar);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  btnExit = AddButton(bar, "btnExit", " &Exit", 428, 83);
  connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tv
