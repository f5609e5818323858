#include "ui/TfrmLevels.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "app/Program.h"
#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

TfrmLevels::TfrmLevels(QWidget* parent) : SecondaryWindow("TfrmLevels", "Select level", 250, 266, parent) {
  constexpr int kBar = 35;
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName("ListView1");
  ListView1->setGeometry(0, 0, width(), height() - kBar);
  ListView1->setHeaderLabels({"Level", "Title"});
  ListView1->header()->setStretchLastSection(false);
  ListView1->setColumnWidth(0, 80);
  ListView1->setColumnWidth(1, 150);
  ListView1->setRootIsDecorated(false);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setFont(DefaultFont(true));
  ListView1->header()->setFont(DefaultFont());
  SetListColours(ListView1, Qt::black, Qt::white);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  btnSelect = AddButton(bar, "btnSelect", " &Select", 30, 83);
  btnCancel = AddButton(bar, "btnCancel", " &Cancel", 137, 83);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmLevels::reject);
  connect(btnSelect, &QPushButton::clicked, this, &TfrmLevels::btnSelectClick);
}

void TfrmLevels::FormShow(Program& program) {
  LevelChooser& levels = program.Levels();
  levels.FormShow();
  ListView1->clear();
  for (const LevelRow& row : levels.Rows())
    new QTreeWidgetItem(ListView1, {Shown(row.level), Shown(row.title)});
}

void TfrmLevels::btnSelectClick() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  const int row = selected.isEmpty() ? -1 : ListView1->indexOfTopLevelItem(selected.front());
  bool closes = false;
  Run([&](Program& p) { closes = p.Levels().btnSelectClick(row); });
  if (closes) accept();
}

void TfrmLevels::reject() {
  Run([](Program& p) { p.Levels().btnCancelClick(); });
  SecondaryWindow::reject();
}

}  // namespace tv
