#pragma once
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "app/Program.h"

namespace tv {

// The main window: renders the core's MainView and forwards its events.
class TfrmMain : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  void Attach(Program* program) { m_program = program; }
  void Render();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void btnQuitClick();

  Program* m_program = nullptr;
  bool m_shownOnce = false;
  QListWidget* ListBox1;
  QListWidget* ListBox2;
  QPushButton* btnQuit;
};

}  // namespace tv
