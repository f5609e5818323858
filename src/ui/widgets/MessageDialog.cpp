#include "ui/widgets/MessageDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/Appearance.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_symbol(new QLabel(this)),
      m_text(new QLabel(this)),
      m_buttons(new QHBoxLayout) {
  setObjectName("MessageDialog");
  m_text->setObjectName("MessageText");
  m_text->setTextFormat(Qt::PlainText);
  auto* message = new QHBoxLayout;
  message->setSpacing(12);
  message->addWidget(m_symbol, 0, Qt::AlignTop);
  message->addWidget(m_text, 1);
  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(12, 12, 12, 10);
  all->setSpacing(14);
  all->addLayout(message);
  all->addLayout(m_buttons);
  all->setSizeConstraint(QLayout::SetFixedSize);
  SetColors(m_left, m_right, Qt::white);
}

void MessageDialog::SetColors(const QColor& left, const QColor& right, const QColor& text) {
  m_left = left;
  m_right = right;
  SetTextColour(m_text, text);
  update();
}

void MessageDialog::SetTextFont(const QFont& font) { m_text->setFont(font); }

QColor MessageDialog::TextColour() const { return m_text->palette().color(QPalette::Active, QPalette::WindowText); }

void MessageDialog::ShowMessage(const QString& text) {
  Run(text, QString(), QStyle::SP_MessageBoxInformation, "mbOk", -1, -1);
}

int MessageDialog::MessageShow(const QString& text, const QString& title, const std::string& buttons, int x, int y) {
  return Run(text, title, QStyle::SP_MessageBoxQuestion, buttons, x, y);
}

int MessageDialog::Run(const QString& text, const QString& title, QStyle::StandardPixmap symbol,
                       const std::string& buttons, int x, int y) {
  setWindowTitle(title);
  m_symbol->setPixmap(style()->standardIcon(symbol, nullptr, this).pixmap(32, 32));
  m_text->setText(text);
  while (QLayoutItem* item = m_buttons->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  std::vector<DialogButton> shown = ParseDialogButtons(buttons);
  // A list without a known token still needs a way out.
  if (shown.empty()) shown = ParseDialogButtons("mbOk");
  m_buttons->addStretch();
  QPushButton* first = nullptr;
  for (const DialogButton& b : shown) {
    auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
    button->setObjectName(QString::fromLatin1(b.token));
    button->setMinimumWidth(75);
    const int result = b.result;
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    m_buttons->addWidget(button);
    if (!first) first = button;
  }
  m_buttons->addStretch();
  first->setDefault(true);
  first->setFocus();
  adjustSize();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(x == -1 && y == -1 ? screen.center() - rect().center() : QPoint(x, y));
  const int result = exec();
  return result == QDialog::Rejected ? kCancel : result;
}

void MessageDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintHorizontalGradient(painter, rect(), m_left, m_right);
}

}  // namespace tv
