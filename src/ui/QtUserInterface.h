#pragma once
#include <array>

#include "app/UserInterface.h"

class QDialog;

namespace tv {

class TfrmMain;

// The windows' side of the core's port.
class QtUserInterface : public UserInterface {
 public:
  QtUserInterface(TfrmMain& main, std::array<QDialog*, 6> windows) : m_main(main), m_windows(windows) {}

  void Beep(BeepKind kind) override;
  void ShowMessage(const std::string& text) override;
  int MessageShow(const std::string& text, const std::string& title, const std::string& buttons, int x,
                  int y) override;
  void ShowRunTimeError(const std::string& text) override;
  void ShowModal(Window window) override;
  void ShowRiteMessage(const std::string& text, Rgb colour) override;
  std::string OpenFileDialog(const std::string& initialFolder, const std::string& filter) override;
  void Minimize() override;
  void Restore() override;
  void Refresh() override;
  void Quit() override;

 private:
  TfrmMain& m_main;
  std::array<QDialog*, 6> m_windows;
};

}  // namespace tv
