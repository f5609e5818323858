#include "ui/ReadMeViewer.h"

#include <QPlainTextEdit>

#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"

namespace tv {

ReadMeViewer::ReadMeViewer(QWidget* parent) : SecondaryWindow("ReadMeViewer", QString(), 532, 351, parent) {
  constexpr int kBar = 34;
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName("text");
  m_text->setGeometry(0, 0, width(), height() - kBar);
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tabs line up every eight characters, as the read-mes were written for.
  m_text->setTabStopDistance(8 * m_text->fontMetrics().averageCharWidth());
  GradientPanel* bar = AddBar(0, height() - kBar, width(), kBar);
  m_exitButton = AddButton(bar, "exitButton", " &Exit", 428, 83);
  connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ReadMeViewer::Show(const ReadMeView& view) {
  setWindowTitle(QString::fromStdString(view.caption));
  m_text->setPlainText(QString::fromStdString(view.text));
  exec();
}

}  // namespace tv
