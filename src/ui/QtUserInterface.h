#pragma once
#include "session/UserInterface.h"
#include "ui/SystemSounds.h"

namespace tv {

struct Windows;

// The windows' side of the core's port.
class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(Windows& windows);

  void Beep(BeepKind kind) override;
  void ShowMessage(const std::string& text) override;
  int MessageShow(const std::string& text, const std::string& title, const std::string& buttons, int x, int y) override;
  void ShowRunTimeError(const std::string& text) override;
  void ShowModal(Window window) override;
  void ShowOpinionMessage(const std::string& text, Rgb colour) override;
  std::string OpenFileDialog(const std::string& initialFolder, const std::string& filter) override;
  void Minimize() override;
  void Restore() override;
  void Quit() override;

 private:
  Windows& m_windows;
  SystemSounds m_sounds;
};

}  // namespace tv
