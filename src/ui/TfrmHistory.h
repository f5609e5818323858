#pragma once
// "Map History": the last maps played, oldest first, and a Close button.
#include "ui/SecondaryWindow.h"

namespace tv {

class FlatButton;
class OpinionList;

class TfrmHistory : public SecondaryWindow {
  Q_OBJECT
 public:
  explicit TfrmHistory(QWidget* parent);

 private:
  OpinionList* ListBox1;
  FlatButton* btnClose;
};

}  // namespace tv
