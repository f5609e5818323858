#pragma once
// The program's state and the main window's operations, free of any toolkit.
// The Qt window forwards each event to the operation of the same name and
// renders View() afterwards.
#include <ctime>
#include <functional>
#include <string>

#include "app/MainView.h"
#include "app/UserInterface.h"
#include "platform/DateTime.h"
#include "platform/Files.h"
#include "platform/RunTimeError.h"
#include "settings/Settings.h"

namespace tv {

inline constexpr const char* kProgramVersion = "6.2";

// What the program takes from its surroundings; tests make their own.
struct Environment {
  std::string programFolder;  // ends with the separator
  DateTimeFormats formats;
  std::function<std::time_t()> now = [] { return std::time(nullptr); };
};

class Program {
 public:
  Program(FileSystem& fs, UserInterface& ui, Environment env);

  const MainView& View() const { return m_view; }
  const Settings& CurrentSettings() const { return m_settings; }
  const std::string& ProgramFolder() const { return m_programFolder; }
  // Set once the short date format was seen writing dates with ".".
  bool DateStyleDot() const { return m_dateStyleDot; }

  // The start-up pass: runs on the main window's first showing and whenever
  // one of the program's own windows or message dialogs closes. A run-time
  // error ends the pass and is shown; the program stays up.
  void FormActivate();
  void btnQuitClick();

  void LoadSettings();
  void SaveSettings();
  void SaveCommandLine(const std::string& text);
  void ApplySkin(const Skin& skin);
  void SkinClick(int index);  // the "GUI Skin Color" entries

  // Game installation: executables, setup program, tools menu.
  void DukeClick(int entry);  // Duke1Click..Duke5Click, entry 1..5
  void DukeSetup1Click();
  void CommandLine1Click();
  void DesktopIcon2Click();
  void AboutTarvolin2Click();
  void LaunchGame(const std::string& program, const std::string& parameters);

  // Map folders, the map list, opinions and orders.
  void MenuMapFolderClick(int slot);  // MenuMapFolder0Click..MenuMapFolder6Click
  void MapSortClick(int entry);       // MapSort1Click..MapSort4Click, entry 1..4
  void MultiSelect1Click();
  void SaveMapsOpinions1Click();
  void ListBox2Click(const std::vector<int>& selectedRows);  // the selection changed
  void ListBox2MouseUp();
  void ListBox2RightDown();
  void ListBox2DblClick();

  // Total conversions.
  void ListBox1Click(int selectedRow);  // the selection changed
  void ListBox1MouseUp();
  void ListBox1RightDown();
  void ListBox1DblClick();

  // Saved games.
  void ComboBox2Enter();
  void ComboBox2Change(int selectedEntry);  // -1: "Start a saved game"
  void btnDeleteClick();

  // Playing.
  void btnPlayMouseDown();
  void btnMapsClick();
  void btnStartClick();
  void PlayLevel1Click();
  void PlayTCLevel1Click();
  void PlayBatchFile1Click();
  void ComboBox1Change(const std::string& text);
  // The check box "Associate Map with TC" ticked or unticked by the user.
  void CheckBox1Click(bool checked) { m_view.assocChecked = checked; }
  void rbtnSingleMouseUp();
  void rbtnHostMouseUp();
  void rbtnJoinMouseUp();
  void btnConfigClick();
  void MapMusic1Click();

  // History.
  void ShowHistory1Click();

  // Tests watch the order of the pass through this.
  void SetPassObserver(std::function<void(const char* step)> observer) { m_passObserver = std::move(observer); }

  // Runs an action the way every event does: a run-time error ends it and is
  // shown in the system message box.
  template <class F>
  void Guarded(F&& action) {
    try {
      action();
    } catch (const RunTimeError& e) {
      ReportRunTimeError(e.what());
    }
  }

 private:
  struct PassStep {
    const char* name;
    void (Program::*run)();
  };
  static const PassStep kPass[];

  void RunPass();
  void ReportRunTimeError(const std::string& message);
  std::string SettingsPath() const { return m_programFolder + kSettingsFileName; }

  // The program's own windows and messages: when one closes, the main window
  // is active again and the start-up pass runs.
  void ShowModal(Window window);
  void ShowMessage(const std::string& text);
  int MessageShow(const std::string& text, const std::string& title, const std::string& buttons);

  // Steps of the start-up pass, in pass order.
  void FindProgramFolder();
  void FindGamesFolder();
  void DeleteStrayGame10();
  void BlackenLists();
  void ClearExecutableList();
  void ClearTcTable();
  void CheckDateStyle();
  void ClearMapTables();
  void ClearTcOpinions();
  void DetectGameEdition();
  void ListSavedGames();
  void ListGroupFiles();
  void FindMapFolders();
  void DiscoverTCs();
  void FillTCList();
  void FindGameExecutables();
  void LoadFirstMapFolder();
  void PackAndLoadTCOpinions();
  void UpdatePlayButton();
  void FillSavedGames();
  void ApplySavedSortMode();
  void ResetSavedGamePattern();
  void UpdateWindowTitle();
  void DropFocus();
  void ShowLists();
  void SetAssociationHint();
  void SwitchHighResPack();

  void CreateDesktopShortcut();

  // State and helpers of the parts of the program, each kept by its own
  // source file.

  // Installation (ProgramInstall.cpp).

  // Maps (ProgramMaps.cpp).

  // Total conversions (ProgramTcs.cpp).
  void StoreTCOpinion(const std::string& text);
  void SetTCRowOpinion(int row, int code);  // the TC opinion table entry of a row

  // Saved games (ProgramSavedGames.cpp).

  // Playing (ProgramPlay.cpp).

  // History, read-me viewer and batch window (ProgramHistory.cpp).

  // Shared by all parts.

  FileSystem& m_fs;
  UserInterface& m_ui;
  Environment m_env;

  MainView m_view;
  Settings m_settings;
  std::string m_programFolder;
  std::string m_gamesFolder;
  bool m_dateStyleDot = false;
  bool m_inPass = false;
  std::function<void(const char*)> m_passObserver;
};

}  // namespace tv
