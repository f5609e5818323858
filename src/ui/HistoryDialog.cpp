#include "ui/HistoryDialog.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

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

HistoryDialog::HistoryDialog(QWidget* parent) : SecondaryWindow("HistoryDialog", "Map History", 135, 231, parent) {
  constexpr int kBar = 35;
  m_historyList = new QListWidget(this);
  m_historyList->setObjectName("historyList");
  m_historyList->setGeometry(0, 0, width(), height() - kBar);
  m_historyList->setItemDelegate(new HistoryRowDelegate(m_historyList));
  m_historyList->setUniformItemSizes(true);
  m_historyList->setFrameShape(QFrame::NoFrame);
  // 8 point at the 96 dots per inch the layouts were drawn for.
  m_historyList->setFont(DefaultFont(true));
  SetListColours(m_historyList, Qt::black, Qt::white);
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  m_closeButton = AddButton(bar, "closeButton", " &Close", 26, 83);
  connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void HistoryDialog::Show(std::function<std::vector<HistoryRow>()> rows) {
  m_rows = std::move(rows);
  exec();
}

void HistoryDialog::Activated() {
  m_historyList->clear();
  if (QWidget* main = parentWidget()) move(main->pos() + QPoint(198, 58));
  for (const HistoryRow& row : m_rows ? m_rows() : std::vector<HistoryRow>()) {
    auto* item = new QListWidgetItem(Shown(row.name), m_historyList);
    item->setData(kOpinionRole, qlonglong(row.opinion));
  }
  DropFocus();
}

}  // namespace tv
