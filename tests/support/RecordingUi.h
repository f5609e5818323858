#pragma once
// A user interface for tests: it records what the core beeped and showed, and
// answers questions and modal windows from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "session/UserInterface.h"

namespace tv::test {

class RecordingUi : public UserInterface {
 public:
  struct Shown {
    std::string kind;  // "message", "question", "error", "modal"
    std::string text;
    std::string title;
    std::string buttons;
  };

  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  void ShowMessage(const std::string& text) override { shown.push_back({"message", text, "", ""}); }
  int MessageShow(const std::string& text, const std::string& title, const std::string& buttons, int, int) override {
    shown.push_back({"question", text, title, buttons});
    if (answers.empty()) return kOk;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowRunTimeError(const std::string& text) override { shown.push_back({"error", text, "Tarvolin", ""}); }
  void ShowModal(Window window) override {
    modals.push_back(window);
    if (onModal) onModal(window);
  }
  void ShowOpinionMessage(const std::string& text, Rgb colour) override {
    shown.push_back({"opinions", text, "", ""});
    opinionColours.push_back(colour);
  }
  std::string OpenFileDialog(const std::string& folder, const std::string& filter) override {
    fileDialogs.push_back({folder, filter});
    return chosenFile;
  }
  void Minimize() override { ++minimized; }
  void Restore() override { ++restored; }
  void Quit() override { quit = true; }

  std::vector<BeepKind> beeps;
  std::vector<Shown> shown;
  std::vector<Window> modals;
  std::deque<int> answers;                  // answers to MessageShow, in order
  std::function<void(Window)> onModal;      // plays the user's part in a modal window
  std::vector<Rgb> opinionColours;
  std::vector<std::pair<std::string, std::string>> fileDialogs;  // folder, filter
  std::string chosenFile;                                        // "" cancels
  int minimized = 0;
  int restored = 0;
  bool quit = false;
};

}  // namespace tv::test
