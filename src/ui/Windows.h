#pragma once
// The program's seven windows, created once, in this order, for the whole run.
#include <array>

#include "app/UserInterface.h"
#include "ui/TfrmBatch.h"
#include "ui/TfrmConfig.h"
#include "ui/TfrmHistory.h"
#include "ui/TfrmInfo.h"
#include "ui/TfrmLevels.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmRite.h"

namespace tv {

struct Windows {
  TfrmMain main;
  TfrmRite rite{&main};
  TfrmHistory history{&main};
  TfrmConfig config{&main};
  TfrmInfo info{&main};
  TfrmLevels levels{&main};
  TfrmBatch batch{&main};

  SecondaryWindow& Of(Window window) {
    const std::array<SecondaryWindow*, 6> byPort = {&rite, &history, &config, &info, &levels, &batch};
    return *byPort[std::size_t(window)];
  }
  // The order in which a skin reaches the secondary windows.
  std::vector<SecondaryWindow*> InSkinOrder() { return {&batch, &config, &history, &info, &levels, &rite}; }
  // Every window works on this core from now on.
  void Attach(Program* program) {
    main.Attach(program, InSkinOrder());
    for (SecondaryWindow* window : InSkinOrder()) window->Attach(program);
  }
};

}  // namespace tv
