#pragma once
// Starting the game: every play path's parameters composed from the parts'
// state, the confirmation, the start itself and its record, and the choices
// that shape a play (skill, game type, network, music, levels, batch files).
#include <string>

#include "session/Installation.h"
#include "session/MapBrowser.h"
#include "session/SavedGameBox.h"
#include "session/Session.h"
#include "session/TcCatalog.h"
#include "catalog/BatchFiles.h"
#include "catalog/LevelTable.h"
#include "launch/Network.h"
#include "launch/PlayPaths.h"

namespace tv {

class Launcher {
 public:
  Launcher(Session& session, const Installation& install, const MapBrowser& maps, TcCatalog& tcs,
           SavedGameBox& saves)
      : m_s(session), m_install(install), m_maps(maps), m_tcs(tcs), m_saves(saves) {}

  // The start buttons, the TC list's double click and the menus' plays.
  void StartFromTitle();
  void StartUserMap();
  void StartTc() { PlayTc(""); }
  void StartListedTc() { PlayTc(""); }
  void PlayLevel();
  void PlayTcLevel();
  void PlayBatchFile();
  void StartGameSetup();
  // Asks before each start, with the parameters, while it is on.
  void ToggleCommandLine() { m_s.view.commandLineChecked = !m_s.view.commandLineChecked; }
  void LaunchGame(const std::string& program, const GameLine& parameters);

  void ChooseSkill(const std::string& text);
  // The check box "Associate Map with TC" ticked or unticked by the user.
  void SetAssociation(bool checked) { m_s.view.assocChecked = checked; }
  void ChooseSingleGame();
  void ChooseHostGame() { ChooseNetworkGame(GameRole::Host); }
  void ChooseJoinGame() { ChooseNetworkGame(GameRole::Join); }
  void ConfigureNetwork();
  void ChooseMapMusic();

 private:
  PlayContext PlayState() const;
  TcChoice TcState() const;
  void PlayTc(const std::string& map);
  void ChooseNetworkGame(GameRole role);
  // The level window on the rows prepared; its choice is kept in m_levels.
  void ShowLevels();
  void Carry(const PlayResult& result);

  Session& m_s;
  const Installation& m_install;
  const MapBrowser& m_maps;
  TcCatalog& m_tcs;
  SavedGameBox& m_saves;
  NetworkConfig m_config;
  LevelChooser m_levels;
  BatchChooser m_batch;
  GameLine m_networkTail;  // composed when the network window closes, never saved
};

}  // namespace tv
