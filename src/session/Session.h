#pragma once
// What every part of a running program shares: its surroundings, the
// settings as they live in memory, and the main window's view. The parts
// (installation, maps, TCs, saved games, playing) each keep a reference.
#include <ctime>
#include <functional>
#include <string>
#include <utility>

#include "session/MainView.h"
#include "session/UserInterface.h"
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

class Session {
 public:
  Session(FileSystem& files, UserInterface& windows, Environment surroundings)
      : fs(files), ui(windows), env(std::move(surroundings)), programFolder(env.programFolder) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  std::string SettingsPath() const { return programFolder + kSettingsFileName; }
  void SaveSettings();
  void SaveCommandLine(const std::string& text);

  // The program's own windows and messages: when one closes, the main window
  // is active again and the start-up pass runs. show asks the window and
  // takes its answer.
  void ShowModal(const std::function<void()>& show);
  void ShowMessage(const std::string& text);
  int MessageShow(const std::string& text, const std::string& title, const std::string& buttons);
  void SetReactivation(std::function<void()> pass) { m_reactivate = std::move(pass); }

  // Runs an action whose run-time error is shown in the system message box
  // and does not end what called it.
  template <class F>
  void Guarded(F&& action) {
    try {
      action();
    } catch (const RunTimeError& e) {
      ReportRunTimeError(e.what());
    }
  }
  void ReportRunTimeError(const std::string& message);

  FileSystem& fs;
  UserInterface& ui;
  const Environment env;
  MainView view;
  Settings settings;
  std::string programFolder;
  std::string gamesFolder;
  std::string mapMusic;  // the one-shot music file of the next map

 private:
  std::function<void()> m_reactivate;
};

}  // namespace tv
