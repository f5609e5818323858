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
  OpinionAnswer ChooseOpinion(const OpinionRequest& request) override;
  int ChooseLevel(const std::vector<LevelRow>& rows, const RowTest& takes) override;
  int ChooseBatchFile(const std::vector<std::string>& files, const RowTest& takes) override;
  bool EditNetwork(NetworkConfig& config, const std::function<void(NetworkConfig&)>& reload) override;
  void ShowReadMe(const ReadMeView& view) override;
  void ShowHistory(const std::function<std::vector<HistoryRow>()>& rows) override;
  std::string OpenFileDialog(const std::string& initialFolder, const std::string& filter) override;
  void Minimize() override;
  void Restore() override;
  void Quit() override;

 private:
  Windows& m_windows;
  SystemSounds m_sounds;
};

}  // namespace tv
