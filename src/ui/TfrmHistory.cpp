#include "ui/TfrmHistory.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "app/Program.h"
#include "catalog/History.h"
#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {
namespace {

constexpr int kOpinionRole = Qt::UserRole;
constexpr int kRowHeight = 13;

// Draws a row from its name and opinion: the opinion's colour on the list's
// black, or, selected, the highlighted-text colour on a fill of that colour.
class HistoryRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QColor colour = ToQColor(HistoryColour(long(index.data(kOpinionRole).toLongLong())));
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, option.palette.color(QPalette::Base));
    if (selected) painter->fillRect(option.rect, colour);
    painter->save();
    painter->setPen(selected ? option.palette.color(QPalette::Active, QPalette::HighlightedText) : colour);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), kRowHeight};
  }
};

}  // namespace

TfrmHistory::TfrmHistory(QWidget* parent) : SecondaryWindow("TfrmHistory", "Map History", 135, 231, parent) {
  constexpr int kBar = 35;
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(0, 0, width(), height() - kBar);
  ListBox1->setItemDelegate(new HistoryRowDelegate(ListBox1));
  ListBox1->setUniformItemSizes(true);
  ListBox1->setFrameShape(QFrame::NoFrame);
  // 8 point at the 96 dots per inch the layouts were drawn for.
  ListBox1->setFont(DefaultFont(true));
  SetListColours(ListBox1, Qt::black, Qt::white);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  btnClose = AddButton(bar, "btnClose", " &Close", 26, 83);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmHistory::FormActivate(Program& program) {
  ListBox1->clear();
  if (QWidget* main = parentWidget()) move(main->pos() + QPoint(198, 58));
  for (const Program::HistoryRow& row : program.HistoryFormActivate()) {
    auto* item = new QListWidgetItem(Shown(row.name), ListBox1);
    item->setData(kOpinionRole, qlonglong(row.opinion));
  }
  DropFocus();
}

}  // namespace tv
