#pragma once
// The program's seven windows, created once, in this order, for the whole run.
#include <array>

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

  SecondaryWindow& Of(Window window) {
    const std::array<SecondaryWindow*, 6> byPort = {&opinions, &history, &network, &readMe, &levels, &batch};
    return *byPort[std::size_t(window)];
  }
  // The order in which a skin reaches the secondary windows.
  std::vector<SecondaryWindow*> InSkinOrder() { return {&batch, &network, &history, &readMe, &levels, &opinions}; }
  // Every window works on this core from now on.
  void SetProgram(Program* program) {
    main.SetProgram(program, InSkinOrder());
    for (SecondaryWindow* window : InSkinOrder()) window->SetProgram(program);
  }
};

}  // namespace tv
