#include "ui/TfrmInfo.h"

#include <QPlainTextEdit>

#include "app/Program.h"
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
  // Tabs line up every eight characters, as the read-mes were written for.
  Memo1->setTabStopDistance(8 * Memo1->fontMetrics().averageCharWidth());
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  btnExit = AddButton(bar, "btnExit", " &Exit", 428, 83);
  connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInfo::FormShow(Program& program) {
  const ReadMeView view = program.InfoFormShow();
  setWindowTitle(QString::fromStdString(view.caption));
  Memo1->setPlainText(QString::fromStdString(view.text));
}

}  // namespace tv
