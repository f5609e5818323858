#pragma once
// A running program without its windows: the parts of the core, the start-up
// pass that refreshes them, and the wiring between them. The Qt window hands
// each event to Handle() and renders View() afterwards.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "session/Installation.h"
#include "session/Launcher.h"
#include "session/MapBrowser.h"
#include "session/OpinionChooser.h"
#include "session/SavedGameBox.h"
#include "session/Session.h"
#include "session/TcCatalog.h"

namespace tv {

class Program {
 public:
  Program(FileSystem& fs, UserInterface& ui, Environment env);

  const MainView& View() const { return m_s.view; }
  const Settings& CurrentSettings() const { return m_s.settings; }
  const std::string& ProgramFolder() const { return m_s.programFolder; }
  const std::string& GamesFolder() const { return m_s.gamesFolder; }

  Installation& Install() { return m_install; }
  MapBrowser& Maps() { return m_maps; }
  TcCatalog& Catalog() { return m_tcs; }
  SavedGameBox& Saves() { return m_saves; }
  Launcher& Play() { return m_play; }

  // The start-up pass: runs on the main window's first showing and whenever
  // one of the program's own windows or message dialogs closes. A run-time
  // error ends the pass and is shown; the program stays up.
  void Activate();
  void Quit();
  void ChooseSkin(int index);  // the "GUI Skin Color" entries
  void ShowAbout();

  // The one boundary of every event: a run-time error ends the event's
  // operation and is shown in the system message box.
  template <class F>
  void Handle(F&& operation) {
    m_s.Guarded(std::forward<F>(operation));
  }

  // Sees each step of the pass as it starts (tests watch the order; the
  // window shows the wait cursor).
  void SetPassObserver(std::function<void(const char* step)> observer) { m_passObserver = std::move(observer); }

 private:
  struct PassStep {
    const char* name;
    void (*run)(Program&);
  };
  static const PassStep kPass[];

  void RunPass();
  void LoadSettings();
  void ApplySkin(const Skin& skin);

  Session m_s;
  OpinionChooser m_opinions;
  Installation m_install;
  MapBrowser m_maps;
  TcCatalog m_tcs;
  SavedGameBox m_saves;
  Launcher m_play;
  bool m_inPass = false;
  std::function<void(const char*)> m_passObserver;
};

}  // namespace tv
