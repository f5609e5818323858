#include "ui/TfrmBatch.h"

#include <QListWidget>

#include "app/Program.h"
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
  connect(btnSelect, &QPushButton::clicked, this, &TfrmBatch::btnSelectClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmBatch::btnCancelClick);
}

void TfrmBatch::FormShow(Program& program) {
  program.BatchFormShow();
  FileListBox1->clear();
  for (const std::string& file : program.Batch().Files()) FileListBox1->addItem(Shown(file));
}

void TfrmBatch::btnSelectClick() {
  const QList<QListWidgetItem*> selected = FileListBox1->selectedItems();
  const int row = selected.isEmpty() ? -1 : FileListBox1->row(selected.front());
  bool closes = false;
  Run([&](Program& p) { closes = p.Batch().btnSelectClick(row); });
  if (closes) accept();
}

void TfrmBatch::btnCancelClick() {
  Run([](Program& p) { p.Batch().btnCancelClick(); });
  reject();
}

}  // namespace tv
