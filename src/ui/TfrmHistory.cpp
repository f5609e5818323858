#include "ui/TfrmHistory.h"

#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/OpinionList.h"

namespace tv {

TfrmHistory::TfrmHistory(QWidget* parent) : SecondaryWindow("TfrmHistory", "Map History", 135, 231, parent) {
  constexpr int kBar = 35;
  ListBox1 = new OpinionList(13, this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(0, 0, width(), height() - kBar);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  btnClose = AddButton(bar, "btnClose", " &Close", 26, 83);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tv
