#pragma once
// The main window: three columns between a top bar with the two menu buttons
// and a bottom bar with the start buttons. Each event calls the core's
// operation of the same name; the window then shows the core's MainView.
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "session/MainView.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace tv {

class FlatButton;
class GradientPanel;
class MainMenus;
class MessageDialog;
class OpinionList;
class PlayButton;
class Program;
class SecondaryWindow;
class TransparentCheckBox;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // skinOrder: the secondary windows in the order a skin reaches them.
  void SetProgram(Program* program, std::vector<SecondaryWindow*> skinOrder);
  void Render();
  // Shows a view; Render() passes the program's.
  void Render(const MainView& view);

  MessageDialog& Messages() { return *m_message; }
  MainMenus& Menus() { return *m_menus; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Operation = std::function<void(Program&)>;
  // Runs an operation as every event does, then shows the result.
  void Run(const Operation& operation);

  void BuildBars();
  void BuildLeftColumn();
  void BuildMiddleColumn();
  void BuildRightColumn();
  void Connect();
  void ApplySkin(const Skin& skin);
  void DropFocus();

  void ShowOptions1();
  void ShowOptions2();
  void StartTc();
  void Quit();
  void StartUserMap();
  void StartFromTitle();
  void ConfigureNetwork();
  void DeleteSavedGame();
  void ChooseSkill();
  void RefillSavedGames();
  void ChooseSavedGame(int index);
  void ChooseSingleGame();
  void ChooseHostGame();
  void ChooseJoinGame();
  void SetAssociation(bool checked);
  void SelectTc();
  void RememberTc();
  void OpenTcOpinion();
  void StartListedTc();
  void SelectMaps();
  void RememberMap();
  void OpenMapOpinion();
  void OpenMapReadMe();

  Program* m_program = nullptr;
  std::vector<SecondaryWindow*> m_skinOrder;
  const Skin* m_shownSkin = nullptr;
  int m_shownTopRow = -1;
  bool m_shownOnce = false;
  std::unique_ptr<MainMenus> m_menus;
  MessageDialog* m_message;

  GradientPanel* m_topBar;
  FlatButton* m_options1Button;
  QLabel* m_tcHeading;
  QLabel* m_nicknameHeading;
  FlatButton* m_options2Button;
  QLabel* m_mapHeading;
  GradientPanel* m_bottomBar;
  FlatButton* m_tcButton;
  FlatButton* m_quitButton;
  FlatButton* m_mapButton;
  OpinionList* m_tcList;
  QComboBox* m_savedGameBox;
  FlatButton* m_deleteButton;
  QLabel* m_picture;
  PlayButton* m_playButton;
  QGroupBox* m_gameTypeBox;
  QRadioButton* m_singleButton;
  QRadioButton* m_hostButton;
  QRadioButton* m_joinButton;
  FlatButton* m_networkButton;
  QComboBox* m_skillBox;
  OpinionList* m_mapList;
  TransparentCheckBox* m_associateBox;
};

}  // namespace tv
