#pragma once
// The program's seven windows, created once, in this order, for the whole run.
#include "session/UserInterface.h"
#include "ui/BatchFileDialog.h"
#include "ui/NetworkDialog.h"
#include "ui/HistoryDialog.h"
#include "ui/ReadMeViewer.h"
#include "ui/LevelDialog.h"
#include "ui/MainWindow.h"
#include "ui/OpinionDialog.h"

namespace tv {

struct Windows {
  MainWindow main;
  OpinionDialog opinions{&main};
  HistoryDialog history{&main};
  NetworkDialog network{&main};
  ReadMeViewer readMe{&main};
  LevelDialog levels{&main};
  BatchFileDialog batch{&main};

  // The order in which a skin reaches the secondary windows.
  std::vector<SecondaryWindow*> InSkinOrder() { return {&batch, &network, &history, &readMe, &levels, &opinions}; }
  // The main window works on this core from now on; the others are given
  // their data each time they are shown.
  void SetProgram(Program* program) { main.SetProgram(program, InSkinOrder()); }
};

}  // namespace tv
