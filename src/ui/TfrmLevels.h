#pragma once
// "Select level": a two-column list of levels and a bar with Select and
// Cancel.
#include "ui/SecondaryWindow.h"

class QTreeWidget;

namespace tv {

class FlatButton;

class TfrmLevels : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmLevels(QWidget* parent);

 public slots:
  // Cancel and the frame alike: the chosen switches are dropped.
  void reject() override;

 protected:
  void FormShow(Program& program) override;

 private:
  void btnSelectClick();

  QTreeWidget* ListView1;
  FlatButton* btnSelect;
  FlatButton* btnCancel;
};

}  // namespace tv
