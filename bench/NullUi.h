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
  void ShowModal(Window) override {}
  void ShowOpinionMessage(const std::string&, Rgb) override {}
  std::string OpenFileDialog(const std::string&, const std::string&) override { return ""; }
  void Minimize() override {}
  void Restore() override {}
  void Quit() override {}
};

}  // namespace tv::bench
