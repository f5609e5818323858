#include "ui/LevelDialog.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

LevelDialog::LevelDialog(QWidget* parent) : SecondaryWindow("LevelDialog", "Select level", 250, 266, parent) {
  constexpr int kBar = 35;
  m_levelList = new QTreeWidget(this);
  m_levelList->setObjectName("levelList");
  m_levelList->setGeometry(0, 0, width(), height() - kBar);
  m_levelList->setHeaderLabels({"Level", "Title"});
  m_levelList->header()->setStretchLastSection(false);
  m_levelList->setColumnWidth(0, 80);
  m_levelList->setColumnWidth(1, 150);
  m_levelList->setRootIsDecorated(false);
  m_levelList->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_levelList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_levelList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_levelList->setFont(DefaultFont(true));
  m_levelList->header()->setFont(DefaultFont());
  SetListColours(m_levelList, Qt::black, Qt::white);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  m_selectButton = AddButton(bar, "selectButton", " &Select", 30, 83);
  m_cancelButton = AddButton(bar, "cancelButton", " &Cancel", 137, 83);
  connect(m_cancelButton, &QPushButton::clicked, this, &LevelDialog::reject);
  connect(m_selectButton, &QPushButton::clicked, this, [this] {
    const QList<QTreeWidgetItem*> selected = m_levelList->selectedItems();
    OfferRow(selected.isEmpty() ? -1 : m_levelList->indexOfTopLevelItem(selected.front()));
  });
}

int LevelDialog::Choose(const std::vector<LevelRow>& rows, const RowTest& takes) {
  m_levelList->clear();
  for (const LevelRow& row : rows) new QTreeWidgetItem(m_levelList, {Shown(row.level), Shown(row.title)});
  return ExecChoosing(takes);
}

}  // namespace tv
