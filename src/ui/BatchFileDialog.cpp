#include "ui/BatchFileDialog.h"

#include <QListWidget>

#include "session/Program.h"
#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

BatchFileDialog::BatchFileDialog(QWidget* parent)
    : SecondaryWindow("BatchFileDialog", "Play Batch File", 185, 243, parent) {
  constexpr int kBar = 35;
  m_batchList = new QListWidget(this);
  m_batchList->setObjectName("batchList");
  m_batchList->setGeometry(0, 0, width(), height() - kBar);
  m_batchList->setSelectionMode(QAbstractItemView::SingleSelection);
  SetListColours(m_batchList, Qt::black, Qt::white);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  m_selectButton = AddButton(bar, "selectButton", " &Select", 2, 83);
  m_cancelButton = AddButton(bar, "cancelButton", " &Cancel", 98, 83);
  connect(m_selectButton, &QPushButton::clicked, this, &BatchFileDialog::Select);
  connect(m_cancelButton, &QPushButton::clicked, this, &BatchFileDialog::Cancel);
}

void BatchFileDialog::Prepare(Program& program) {
  program.Play().ListBatchFiles();
  m_batchList->clear();
  for (const std::string& file : program.Play().Batch().Files()) m_batchList->addItem(Shown(file));
}

void BatchFileDialog::Select() {
  const QList<QListWidgetItem*> selected = m_batchList->selectedItems();
  const int row = selected.isEmpty() ? -1 : m_batchList->row(selected.front());
  bool closes = false;
  Run([&](Program& p) { closes = p.Play().Batch().Select(row); });
  if (closes) accept();
}

void BatchFileDialog::Cancel() {
  Run([](Program& p) { p.Play().Batch().Cancel(); });
  reject();
}

}  // namespace tv
