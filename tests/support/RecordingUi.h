#pragma once
// A user interface for tests: it records what the core beeped and showed, and answers from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "session/UserInterface.h"

namespace tv::test {

class RecordingUi : public UserInterface {
 public:
  struct Shown {
    std::string kind, text, title, buttons;  // kind: "message", "question", "error"
  };

  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  void ShowMessage(const std::string& text) override { shown.push_back({"message", text, "", ""}); }
  int MessageShow(const std::string& text, const std::string& title, const std::string& buttons, int, int) override {
    shown.push_back({"question", text, title, buttons});
    const int a = answers.empty() ? kOk : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  void ShowRunTimeError(const std::string& text) override { shown.push_back({"error", text, "Tarvolin", ""}); }
  OpinionAnswer ChooseOpinion(const OpinionRequest& request) override {
    windows.push_back("opinion " + request.topLine);
    if (compare && request.compare) verdicts.push_back(request.compare());
    return opinion;
  }
  int ChooseLevel(const std::vector<LevelRow>& rows, const RowTest& takes) override {
    return windows.push_back("levels"), levelRows = rows, Pick(takes);
  }
  int ChooseBatchFile(const std::vector<std::string>& files, const RowTest& takes) override {
    return windows.push_back("batch"), batchFiles = files, Pick(takes);
  }
  bool EditNetwork(NetworkConfig& config, const std::function<void(NetworkConfig&)>& reload) override {
    windows.push_back("network");
    reload(config);
    return onNetwork && onNetwork(config);
  }
  void ShowReadMe(const ReadMeView& v) override { windows.push_back("readMe " + v.caption), readMeText = v.text; }
  void ShowHistory(const std::function<std::vector<HistoryRow>()>& rows) override {
    windows.push_back("history"), historyRows = rows();
  }
  std::string OpenFileDialog(const std::string& folder, const std::string& filter) override {
    return fileDialogs.push_back({folder, filter}), chosenFile;
  }
  void Minimize() override { ++minimized; }
  void Restore() override { ++restored; }
  void Quit() override { quit = true; }

  std::vector<BeepKind> beeps;
  std::vector<Shown> shown;
  std::deque<int> answers;  // answers to MessageShow, in order
  std::vector<std::string> windows;  // each secondary window shown, opinion and read-me with their titles
  OpinionAnswer opinion;               // the opinion window's answer; closed by its frame unless set
  bool compare = false;                // Compare is pressed first
  std::vector<OpinionVerdict> verdicts;
  std::vector<int> picks;  // Select on each row in turn until one is taken, else Cancel (level and batch windows)
  std::vector<LevelRow> levelRows;
  std::vector<std::string> batchFiles;
  std::function<bool(NetworkConfig&)> onNetwork;  // types into the network window; true for Accept
  std::string readMeText;
  std::vector<HistoryRow> historyRows;
  std::vector<std::pair<std::string, std::string>> fileDialogs;  // folder, filter
  std::string chosenFile;                                        // "" cancels
  int minimized = 0;
  int restored = 0;
  bool quit = false;

 private:
  int Pick(const RowTest& takes) const {
    for (const int row : picks)
      if (takes(row)) return row;
    return -1;
  }
};

}  // namespace tv::test
