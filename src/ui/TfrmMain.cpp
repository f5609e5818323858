#include "ui/TfrmMain.h"

#include <QTimer>

namespace tv {

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName("TfrmMain");
  setFixedSize(532, 347);
  setWindowTitle("Tarvolin - vx.x");
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(0, 29, 197, 283);
  ListBox1->hide();
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName("ListBox2");
  ListBox2->setGeometry(334, 29, 198, 283);
  ListBox2->hide();
  btnQuit = new QPushButton(" &Quit", this);
  btnQuit->setObjectName("btnQuit");
  btnQuit->setGeometry(220, 314, 97, 31);
  btnQuit->setToolTip("Quit to Destop");
  connect(btnQuit, &QPushButton::clicked, this, &TfrmMain::btnQuitClick);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_shownOnce || !m_program) return;
  m_shownOnce = true;
  // The first showing activates the window, which runs the first pass.
  QTimer::singleShot(0, this, [this] { m_program->FormActivate(); });
}

void TfrmMain::btnQuitClick() { m_program->btnQuitClick(); }

void TfrmMain::Render() {
  const MainView& v = m_program->View();
  setWindowTitle(QString::fromLocal8Bit(v.caption.c_str()));
  ListBox1->setVisible(v.listsVisible);
  ListBox2->setVisible(v.listsVisible);
}

}  // namespace tv
