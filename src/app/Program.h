#pragma once
// The program's state and the main window's operations, free of any toolkit.
// The Qt window forwards each event to the operation of the same name and
// renders View() afterwards.
#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/MainView.h"
#include "app/UserInterface.h"
#include "catalog/GroupScan.h"
#include "catalog/SavedGames.h"
#include "catalog/TcDiscovery.h"
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
  // Row i of the TC list is entry i of the table.
  const std::vector<TcRecord>& Tcs() const { return m_tcs; }
  const std::string& GamesFolder() const { return m_gamesFolder; }
  // Fills the level names with the maps of the TC of that row ("Play TC
  // Level"); a TC with no maps leaves them as they were.
  void ListTCLevels(int row);
  // The level table's rows for a TC, and the display name of that TC.
  const std::vector<std::string>& TcLevelNames() const { return m_tcLevelNames; }
  const std::string& TcLevelsName() const { return m_tcLevelsName; }

  // Saved games.
  void ComboBox2Enter();
  void ComboBox2Change(int selectedEntry);  // -1: "Start a saved game"
  void btnDeleteClick();
  // On while a saved game is chosen: the start buttons then load it.
  bool SavedGameMode() const { return m_savedGameMode; }
  // The load switch for the chosen saved game (" /" + slot), or "". Leaves
  // saved-game mode and minimises the program when it gives one.
  std::string SavedGameSwitch();
  void Cancel3Click();  // back to "Start a saved game"

  // Playing.
  void btnPlayMouseDown();
  void btnMapsClick();
  void btnStartClick();
  void PlayLevel1Click();
  void PlayTCLevel1Click();
  void PlayBatchFile1Click();
  void ComboBox1Change(const std::string& text);
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
  std::vector<std::string> m_groupListing;        // "*.grp;*.zip" of the Games folder
  std::vector<TcRecord> m_tcs;                    // at most kMaxTcs
  std::array<std::string, kMaxTcs> m_tcOpinions;  // opinion code per row, as text
  GroupScanCache m_groupScans;                    // kept for the whole run
  std::vector<std::string> m_tcLevelNames;
  std::string m_tcLevelsName;

  // Saved games (ProgramSavedGames.cpp).
  // The engine settles the listing pattern, file prefix and title offset.
  void SetEngine(bool eduke32);
  const SavedGameEngine& SaveEngine() const { return m_eduke32Saves ? kEDuke32Saves : kDuke3dwSaves; }
  bool m_eduke32Saves = false;
  std::string m_savedPattern = kDuke3dwSaves.pattern;
  std::vector<std::string> m_savedListing;
  std::vector<SavedGameEntry> m_savedGames;  // one per drop-down entry
  std::string m_savedChosenFile;             // the file of the entry chosen last
  bool m_savedGameMode = false;

  // Playing (ProgramPlay.cpp).

  // History, read-me viewer and batch window (ProgramHistory.cpp).

  // Shared by all parts.
  bool m_opinionTargetTc = false;

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
