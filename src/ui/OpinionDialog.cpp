#include "ui/OpinionDialog.h"

#include <QApplication>

#include "catalog/Opinion.h"
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
QColor RowColour(const OpinionRow& row) {
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

OpinionDialog::OpinionDialog(QWidget* parent)
    : SecondaryWindow("OpinionDialog", "Select Option", 284, 263, parent), m_message(new MessageDialog(this)) {
  m_topLine = AddRow(this, "topLine", QString(), Qt::black, 0, kOpinionTopHint);
  m_topLine->setFont(DefaultFont(true));
  SetTextColour(m_topLine, Qt::cyan);
  for (std::size_t i = 0; i < kOpinionRows.size(); ++i) {
    const OpinionRow& row = kOpinionRows[i];
    BevelPanel* panel = AddRow(this, row.panel, row.text, RowColour(row), int(i + 1) * kRowHeight, row.hint);
    panel->setFont(ArialBold12());
    SetTextColour(panel, Qt::black);
    panel->SetClickable(true);
    connect(panel, &BevelPanel::clicked, this, [this, code = row.code] { Close({OpinionAnswer::By::Row, code}); });
  }
  GradientPanel* bar = AddBar(0, int(kOpinionRows.size() + 1) * kRowHeight, width(), 38);
  m_compareButton = AddButton(bar, "compareButton", QString(), 17, 40);
  m_compareButton->setIcon(GlyphIcon(Glyph::Compare));
  m_compareButton->setToolTip("Map Opinion");
  m_compareButton->hide();
  connect(m_compareButton, &QPushButton::clicked, this, [this] {
    const OpinionVerdict verdict = m_compare();
    ShowOpinionMessage(Shown(verdict.text), ToQColor(verdict.colour));
  });
  m_cancelButton = AddButton(bar, "cancelButton", " &Cancel", 93, 100);
  connect(m_cancelButton, &QPushButton::clicked, this, [this] { Close({OpinionAnswer::By::Cancel}); });

  m_message->SetColors(Qt::white, QColor(128, 128, 128), Qt::black);
  m_message->SetTextFont(UiFont("MS Sans Serif", 13, true));
}

void OpinionDialog::ShowOpinionMessage(const QString& text, const QColor& colour) {
  m_message->SetColors(Qt::white, colour, Qt::black);
  m_message->ShowMessage(text);
}

OpinionAnswer OpinionDialog::Choose(const OpinionRequest& request) {
  m_topLine->setText(Shown(request.topLine));
  m_compare = request.compare;
  m_compareButton->setVisible(bool(m_compare));
  m_answer = {};
  exec();
  return m_answer;
}

void OpinionDialog::Close(OpinionAnswer answer) {
  m_answer = answer;
  done(answer.by == OpinionAnswer::By::Row ? Accepted : Rejected);
}

}  // namespace tv
