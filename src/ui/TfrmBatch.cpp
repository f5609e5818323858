#include "ui/TfrmBatch.h"

#include <QListWidget>

#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

TfrmBatch::TfrmBatch(QWidget* parent) : SecondaryWindow("TfrmBatch", "Play Batch File", 185, 243, parent) {
  constexpr int kBar = 35;
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setGeometry(0, 0, width(), height() - kBar);
  FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  SetListColours(FileListBox1, Qt::black, Qt::white);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  btnSelect = AddButton(bar, "btnSelect", " &Select", 2, 83);
  btnCancel = AddButton(bar, "btnCancel", " &Cancel", 98, 83);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tv
