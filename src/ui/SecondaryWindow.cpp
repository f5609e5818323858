#include "ui/SecondaryWindow.h"

#include <QEvent>

#include "ui/Appearance.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

SecondaryWindow::SecondaryWindow(const char* name, const QString& caption, int width, int height, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(name);
  setWindowTitle(caption);
  setFixedSize(width, height);
}

void SecondaryWindow::ApplySkin(const SkinColors& colors) {
  for (GradientPanel* bar : m_bars) bar->SetColors(colors.light, colors.dark);
  for (QWidget* text : m_skinnedTexts) SetTextColour(text, colors.text);
}

GradientPanel* SecondaryWindow::AddBar(int x, int y, int width, int height) {
  auto* bar = new GradientPanel(this);
  bar->setGeometry(x, y, width, height);
  m_bars.push_back(bar);
  return bar;
}

FlatButton* SecondaryWindow::AddButton(QWidget* bar, const char* name, const QString& caption, int x, int width) {
  auto* button = new FlatButton(caption, bar);
  button->setObjectName(name);
  const int height = std::min(25, bar->height() - 4);
  button->setGeometry(x, (bar->height() - height) / 2, width, height);
  AddSkinnedText(button);
  SetTextColour(button, Qt::white);
  return button;
}

void SecondaryWindow::AddSkinnedText(QWidget* widget) { m_skinnedTexts.push_back(widget); }

int SecondaryWindow::ExecChoosing(RowTest takes) {
  m_takes = std::move(takes);
  m_taken = -1;
  return exec() == QDialog::Accepted ? m_taken : -1;
}

void SecondaryWindow::OfferRow(int row) {
  if (!m_takes || !m_takes(row)) return;
  m_taken = row;
  accept();
}

void SecondaryWindow::DropFocus() {
  // Clearing the focus would not do: once the activation is handled, Qt hands
  // a window without a focus widget to its first control.
  setFocus(Qt::ActiveWindowFocusReason);
}

void SecondaryWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activated();
}

}  // namespace tv
