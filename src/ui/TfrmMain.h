#pragma once
// The main window: three columns between a top bar with the two menu buttons
// and a bottom bar with the start buttons. Each event calls the core's
// operation of the same name; the window then shows the core's MainView.
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/MainView.h"

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

class TfrmMain : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // skinOrder: the secondary windows in the order a skin reaches them.
  void Attach(Program* program, std::vector<SecondaryWindow*> skinOrder);
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

  void btnMenu1Click();
  void btnMenu2Click();
  void btnStartClick();
  void btnQuitClick();
  void btnMapsClick();
  void btnPlayMouseDown();
  void btnConfigClick();
  void btnDeleteClick();
  void ComboBox1Change();
  void ComboBox2Enter();
  void ComboBox2Change(int index);
  void rbtnSingleMouseUp();
  void rbtnHostMouseUp();
  void rbtnJoinMouseUp();
  void CheckBox1Click(bool checked);
  void ListBox1Click();
  void ListBox1MouseUp();
  void ListBox1RightDown();
  void ListBox1DblClick();
  void ListBox2Click();
  void ListBox2MouseUp();
  void ListBox2RightDown();
  void ListBox2DblClick();

  Program* m_program = nullptr;
  std::vector<SecondaryWindow*> m_skinOrder;
  const Skin* m_shownSkin = nullptr;
  int m_shownTopRow = -1;
  bool m_shownOnce = false;
  std::unique_ptr<MainMenus> m_menus;
  MessageDialog* m_message;

  GradientPanel* PanelTop;
  FlatButton* btnMenu1;
  QLabel* LabelTCs;
  QLabel* LabelNick;
  FlatButton* btnMenu2;
  QLabel* LabelMaps;
  GradientPanel* PanelBottom;
  FlatButton* btnStart;
  FlatButton* btnQuit;
  FlatButton* btnMaps;
  OpinionList* ListBox1;
  QComboBox* ComboBox2;
  FlatButton* btnDelete;
  QLabel* Image2;
  PlayButton* btnPlay;
  QGroupBox* GroupBox1;
  QRadioButton* rbtnSingle;
  QRadioButton* rbtnHost;
  QRadioButton* rbtnJoin;
  FlatButton* btnConfig;
  QComboBox* ComboBox1;
  OpinionList* ListBox2;
  TransparentCheckBox* CheckBox1;
};

}  // namespace tv
