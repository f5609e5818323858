#include "ui/TfrmRite.h"

#include <QApplication>

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

struct Row {
  const char* name;
  const char* text;
  int code;  // -1: the top line, not a verdict
  const char* hint;
};

constexpr std::array<Row, 9> kRows = {{
    {"PanelA", "", -1, "Your selected map"},
    {"PanelB", "Played and was Excellent", 5, ""},
    {"PanelC", "Played and was Good", 1, ""},
    {"PanelD", "Played and was Fair", 2, ""},
    {"PanelE", "Played and was Bad", 3, ""},
    {"PanelF", "Confusing or  stuck", 4, ""},
    {"PanelG", "Crashes or Hangs", 7, ""},
    {"PanelH", "Multiplayer Only", 6, "Map has no monsters"},
    {"PanelI", "Clear Color Indexing", 0, ""},
}};

// "Clear" shows the system's window colour rather than the silver of code 0.
QColor RowColour(const Row& row) {
  if (row.code < 0) return Qt::black;
  if (row.code == 0) return QApplication::palette().color(QPalette::Window);
  return ToQColor(OpinionColor(row.code));
}

}  // namespace

TfrmRite::TfrmRite(QWidget* parent)
    : SecondaryWindow("TfrmRite", "Select Option", 284, 263, parent), m_message(new MessageDialog(this)) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const Row& row = kRows[i];
    auto* panel = new BevelPanel(row.text, RowColour(row), this);
    panel->setObjectName(row.name);
    panel->setGeometry(0, int(i) * kRowHeight, width(), kRowHeight);
    panel->setToolTip(row.hint);
    const bool topLine = row.code < 0;
    panel->setFont(topLine ? DefaultFont(true) : ArialBold12());
    SetTextColour(panel, topLine ? QColor(Qt::cyan) : QColor(Qt::black));
    panel->SetClickable(!topLine);
    m_rows[i] = panel;
  }
  GradientPanel* bar = AddBar(0, 9 * kRowHeight, width(), 38);
  btnCompare = AddButton(bar, "btnCompare", QString(), 17, 40);
  btnCompare->setIcon(GlyphIcon(Glyph::Compare));
  btnCompare->setToolTip("Map Opinion");
  btnCompare->hide();
  btnCancel = AddButton(bar, "btnCancel", " &Cancel", 93, 100);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  m_message->SetColors(Qt::white, QColor(128, 128, 128), Qt::black);
  m_message->SetTextFont(UiFont("MS Sans Serif", 13, true));
}

void TfrmRite::ShowRiteMessage(const QString& text, const QColor& colour) {
  m_message->SetColors(Qt::white, colour, Qt::black);
  m_message->ShowMessage(text);
}

}  // namespace tv
