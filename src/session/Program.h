#pragma once
// The program's state and the main window's operations, free of any toolkit.
// The Qt window forwards each event to the operation of the same name and
// renders View() afterwards.
#include <array>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "session/MainView.h"
#include "session/OpinionChooser.h"
#include "session/UserInterface.h"
#include "catalog/BatchFiles.h"
#include "catalog/GroupScan.h"
#include "catalog/LevelTable.h"
#include "catalog/MapFolders.h"
#include "catalog/MapTables.h"
#include "catalog/ReadMe.h"
#include "catalog/SavedGames.h"
#include "catalog/Tcs.h"
#include "install/GameEdition.h"
#include "launch/Network.h"
#include "launch/PlayPaths.h"
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
  // The running program's file when it is known; a copy outside the program
  // folder makes shortcuts that name the program folder.
  std::string executable = {};
  std::string cacheFolder = {};  // where scan results outlive the run; none when empty
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
  void Activate();
  void Quit();

  void LoadSettings();
  void SaveSettings();
  void SaveCommandLine(const std::string& text);
  void ApplySkin(const Skin& skin);
  void ChooseSkin(int index);  // the "GUI Skin Color" entries

  // Game installation: executables, setup program, tools menu.
  GameEdition Edition() const { return m_edition; }
  bool EDuke32Engine() const { return m_eduke32; }
  const std::string& SavedGamePattern() const { return m_savedGamePattern; }
  void ChooseExecutable(int entry);  // entry 1..5 of "Select Duke Game"
  void StartGameSetup();
  void ToggleCommandLine();
  void AddDesktopIcon();
  void ShowAbout();
  void LaunchGame(const std::string& program, const GameLine& parameters);

  // Map folders, the map list, opinions and orders.
  void OpenMapFolder(int slot);  // slot 0..6 of "Map Folders"
  void SortMaps(int entry);      // entry 1..4 of "Map Sorting"
  void ToggleMultiSelect();
  void ExportMapOpinions();
  void SelectMaps(const std::vector<int>& selectedRows);  // the selection changed
  void RememberMap();
  void OpenMapOpinion();
  void OpenMapReadMe();
  void LoadMapFolder(const std::string& folder);
  void FillMapList();
  // Applies the opinion window's choice to the TC or the selected map(s), then
  // saves the settings.
  void SetMapOpinion(int code);
  void SortMapsByName();
  void SortMapsByColor(bool bestOnly);
  void SortMapsBySize();
  void SaveMapOpinions(bool silent);
  // The opinion window's model, shown as Window::Opinion.
  OpinionChooser& Opinions();
  // The read-me the text viewer is asked to show: folder (ending with the
  // separator) and file.
  const std::pair<std::string, std::string>& InfoFile() const { return m_infoFile; }

  // Total conversions.
  void SelectTc(int selectedRow);  // the selection changed
  void RememberTc();
  void OpenTcOpinion();
  void StartListedTc();
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
  void RefillSavedGames();
  void ChooseSavedGame(int selectedEntry);  // -1: "Start a saved game"
  void DeleteSavedGame();
  // On while a saved game is chosen: the start buttons then load it.
  bool SavedGameMode() const { return m_savedGameMode; }
  // The load switch for the chosen saved game (" /" + slot), or nothing when
  // the chosen file is no longer listed under the text shown.
  GameLine SavedGameSwitch() const;
  void ClearSavedGame();  // back to "Start a saved game"

  // Playing.
  void StartFromTitle();
  void StartUserMap();
  // Plays the map selected in the map list.
  void PlayUserMap();
  // Plays the TC selected in the TC list, on map when it is not "".
  void PlayTC(const std::string& map);
  void StartTc();
  void PlayLevel();
  void PlayTcLevel();
  void PlayBatchFile();
  void ChooseSkill(const std::string& text);
  // The check box "Associate Map with TC" ticked or unticked by the user.
  void SetAssociation(bool checked) { m_view.assocChecked = checked; }
  void ChooseSingleGame();
  void ChooseHostGame();
  void ChooseJoinGame();
  void ConfigureNetwork();
  void ChooseMapMusic();
  // The network window's controls, and its events that touch the settings file.
  NetworkConfig& Config() { return m_config; }
  void ReloadNetworkSettings();
  void AcceptNetworkSettings();
  // The level window's rows and results.
  LevelChooser& Levels() { return m_levels; }

  // History, read-me viewer and batch window.
  void ShowHistory();
  // The history window's rows, read afresh at every activation of it.
  struct HistoryRow {
    std::string name;
    long opinion = 0;
  };
  std::vector<HistoryRow> HistoryRows();
  // The text viewer's showing: caption and text of InfoFile(), with its beep.
  ReadMeView ReadMeToShow();
  BatchChooser& Batch() { return m_batch; }
  void ListBatchFiles();

  // Sees each step of the pass as it starts (tests watch the order; the
  // window shows the wait cursor).
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
  GameEdition m_edition = GameEdition::NoData;
  std::vector<std::string> m_gameExecutables;  // "Select Duke Game" chooses among the first five
  bool m_eduke32 = false;
  std::string m_savedGamePattern = "game*.sav";  // the engine's; each pass starts from "game*.sav"

  // Maps (ProgramMaps.cpp).
  enum class OpinionTarget { Tcs, Maps };  // which list opened the opinion window
  std::string MapPath(const std::string& name) const { return m_programFolder + m_mapFolder + kSep + name; }
  std::string& CurrentFolderMap();  // the remembered map of the current folder index
  const std::string& FirstSelectedMap() const;
  void ShowMapRows(const std::vector<MapEntry>& rows, bool bestOnly = false);
  void MapSelectionChanged();
  void CheckMapSort(int entry);
  int TcRowOfLastPlayed() const;
  OpinionTarget m_opinionTarget = OpinionTarget::Maps;
  MapFolderTable m_mapFolders;
  std::string m_mapFolder;  // the current map folder, empty until the first load
  std::vector<std::string> m_mapListing;
  MapTables m_maps;
  std::unique_ptr<OpinionChooser> m_opinions;
  std::pair<std::string, std::string> m_infoFile;

  // Total conversions (ProgramTcs.cpp).
  void StoreTCOpinion(const std::string& text);
  void SetTCRowOpinion(int row, int code);        // the TC opinion table entry of a row
  std::vector<std::string> m_groupListing;        // "*.grp;*.zip" of the Games folder
  std::vector<TcRecord> m_tcs;                    // at most kMaxTcs
  std::array<std::string, kMaxTcs> m_tcOpinions;  // opinion code per row, as text
  GroupScanCache m_groupScans;                    // read once a run, stored when changed
  std::vector<std::string> m_tcLevelNames;
  std::string m_tcLevelsName;

  // Saved games (ProgramSavedGames.cpp).
  // The engine settles the listing pattern, file prefix and title offset.
  // The prefix and title offset follow the engine flag that the window title settled last.
  const SavedGameEngine& SaveEngine() const { return m_eduke32 ? kEDuke32Saves : kDuke3dwSaves; }
  std::vector<std::string> m_savedListing;
  std::vector<SavedGameEntry> m_savedGames;  // one per drop-down entry
  std::string m_savedChosenFile;             // the file of the entry chosen last
  bool m_savedGameMode = false;

  // Playing (ProgramPlay.cpp).
  PlayContext PlayState() const;
  TcChoice TcState() const;
  void Carry(const PlayResult& result);
  void ChooseNetworkGame(GameRole role);  // ChooseHostGame and ChooseJoinGame
  NetworkConfig m_config;
  LevelChooser m_levels;
  GameLine m_networkTail;  // composed when the network window closes, never saved

  // History, read-me viewer and batch window (ProgramHistory.cpp).
  BatchChooser m_batch;

  // Shared by all parts.
  std::string m_mapMusic;  // the one-shot music file of the next map

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
