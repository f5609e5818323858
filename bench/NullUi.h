#pragma once
// A user interface that shows nothing and answers OK: the benchmarks time the
// core alone.
#include "session/UserInterface.h"

namespace tv::bench {

class NullUi : public UserInterface {
 public:
  void Beep(BeepKind) override {}
  void ShowMessage(const std::string&) override {}
  int MessageShow(const std::string&, const std::string&, const std::string&, int, int) override { return kOk; }
  void ShowRunTimeError(const std::string&) override {}
  OpinionAnswer ChooseOpinion(const OpinionRequest&) override { return {}; }
  int ChooseLevel(const std::vector<LevelRow>&, const RowTest&) override { return -1; }
  int ChooseBatchFile(const std::vector<std::string>&, const RowTest&) override { return -1; }
  bool EditNetwork(NetworkConfig&, const std::function<void(NetworkConfig&)>&) override { return false; }
  void ShowReadMe(const ReadMeView&) override {}
  void ShowHistory(const std::function<std::vector<HistoryRow>()>&) override {}
  std::string OpenFileDialog(const std::string&, const std::string&) override { return ""; }
  void Minimize() override {}
  void Restore() override {}
  void Quit() override {}
};

}  // namespace tv::bench
