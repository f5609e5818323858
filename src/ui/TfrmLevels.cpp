#include "ui/TfrmLevels.h"

#include <QHeaderView>
#include <QTreeWidget>

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
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tv
