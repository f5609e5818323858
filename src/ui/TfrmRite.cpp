#include "ui/TfrmRite.h"

#include <QApplication>

#include "app/Program.h"
#include "catalog/OpinionColors.h"
#include "ui/Appearance.h"
#include "ui/Glyphs.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/MessageDialog.h"

namespace tv {
namespace {

constexpr int kRowHeight = 25;

// "Clear" shows the system's window colour rather than the silver of code 0.
QColor RowColour(const RiteRow& row) {
  if (row.code == 0) return QApplication::palette().color(QPalette::Window);
  return ToQColor(OpinionColor(row.code));
}

BevelPanel* AddRow(QWidget* window, const char* name, const QString& text, const QColor& colour, int top,
                   const char* hint) {
  auto* panel = new BevelPanel(text, colour, window);
  panel->setObjectName(name);
  panel->setGeometry(0, top, window->width(), kRowHeight);
  panel->setToolTip(hint);
  return panel;
}

}  // namespace

TfrmRite::TfrmRite(QWidget* parent)
    : SecondaryWindow("TfrmRite", "Select Option", 284, 263, parent), m_message(new MessageDialog(this)) {
  PanelA = AddRow(this, "PanelA", QString(), Qt::black, 0, kRiteTopHint);
  PanelA->setFont(DefaultFont(true));
  SetTextColour(PanelA, Qt::cyan);
  for (std::size_t i = 0; i < kRiteRows.size(); ++i) {
    const RiteRow& row = kRiteRows[i];
    BevelPanel* panel = AddRow(this, row.panel, row.text, RowColour(row), int(i + 1) * kRowHeight, row.hint);
    panel->setFont(ArialBold12());
    SetTextColour(panel, Qt::black);
    panel->SetClickable(true);
    connect(panel, &BevelPanel::clicked, this, [this, i] { PanelClick(i); });
  }
  GradientPanel* bar = AddBar(0, int(kRiteRows.size() + 1) * kRowHeight, width(), 38);
  btnCompare = AddButton(bar, "btnCompare", QString(), 17, 40);
  btnCompare->setIcon(GlyphIcon(Glyph::Compare));
  btnCompare->setToolTip("Map Opinion");
  btnCompare->hide();
  connect(btnCompare, &QPushButton::clicked, this, &TfrmRite::btnCompareClick);
  btnCancel = AddButton(bar, "btnCancel", " &Cancel", 93, 100);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmRite::btnCancelClick);

  m_message->SetColors(Qt::white, QColor(128, 128, 128), Qt::black);
  m_message->SetTextFont(UiFont("MS Sans Serif", 13, true));
}

void TfrmRite::ShowRiteMessage(const QString& text, const QColor& colour) {
  m_message->SetColors(Qt::white, colour, Qt::black);
  m_message->ShowMessage(text);
}

void TfrmRite::FormShow(Program& program) {
  RiteModel& rite = program.Rite();
  rite.FormShow();
  PanelA->setText(Shown(rite.topLine));
  btnCompare->setVisible(rite.CompareVisible());
}

void TfrmRite::PanelClick(std::size_t row) {
  Run([row](Program& p) { p.Rite().PanelClick(row); });
  accept();
}

void TfrmRite::btnCancelClick() {
  Run([](Program& p) { p.Rite().btnCancelClick(); });
  reject();
}

void TfrmRite::btnCompareClick() {
  Run([](Program& p) { p.Rite().btnCompareClick(); });
}

}  // namespace tv
