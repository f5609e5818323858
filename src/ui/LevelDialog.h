#pragma once
// "Select level": a two-column list of levels and a bar with Select and
// Cancel.
#include "ui/SecondaryWindow.h"

class QTreeWidget;

namespace tv {

class FlatButton;

class LevelDialog : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit LevelDialog(QWidget* parent);

 public slots:
  // Cancel and the frame alike: the chosen switches are dropped.
  void reject() override;

 protected:
  void Prepare(Program& program) override;

 private:
  void Select();

  QTreeWidget* m_levelList;
  FlatButton* m_selectButton;
  FlatButton* m_cancelButton;
};

}  // namespace tv
