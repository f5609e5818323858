#include "ui/BatchFileDialog.h"

#include <QListWidget>

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
  connect(m_selectButton, &QPushButton::clicked, this, [this] {
    const QList<QListWidgetItem*> selected = m_batchList->selectedItems();
    OfferRow(selected.isEmpty() ? -1 : m_batchList->row(selected.front()));
  });
  connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int BatchFileDialog::Choose(const std::vector<std::string>& files, const RowTest& takes) {
  m_batchList->clear();
  for (const std::string& file : files) m_batchList->addItem(Shown(file));
  return ExecChoosing(takes);
}

}  // namespace tv
