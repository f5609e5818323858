// Playing: the game's command line for every play path, skill, game type,
// network settings and map music. The compositions live in launch/PlayPaths;
// this file hands them the program's state and carries out what they decide.
#include "session/Program.h"
#include "catalog/History.h"
#include "launch/MapMusic.h"

namespace tv {

PlayContext Program::PlayState() const {
  PlayContext play;
  play.edition = m_edition;
  play.dukeFilename = m_settings.dukeFilename;
  play.programFolder = m_programFolder;
  play.role = m_view.gameType;
  play.nickname = m_settings.network.nickname;
  play.opponentIp = m_settings.network.opponentIp;
  play.networkTail = m_networkTail;
  if (m_savedGameMode) play.savedGame = SavedGameSwitch();
  return play;
}

TcChoice Program::TcState() const {
  const int row = m_view.tcSelected;
  const bool chosen = row >= 0 && std::size_t(row) < m_view.tcRows.size();
  return {chosen ? m_view.tcRows[std::size_t(row)].text : "", m_tcs, m_gamesFolder};
}

void Program::Carry(const PlayResult& result) {
  switch (result.kind) {
    case PlayResult::Kind::Nothing:
      return;
    case PlayResult::Kind::Refused:
      m_ui.Beep(result.beep);
      if (!result.message.empty()) ShowMessage(result.message);
      return;
    case PlayResult::Kind::Launch:
      break;
  }
  if (result.clearSavedGame) ClearSavedGame();
  if (result.minimise) m_ui.Minimize();
  LaunchGame(result.program, result.parameters);
  if (result.untickAssociation) m_view.assocChecked = false;
  if (!result.historyCommand.empty()) AddToHistory(m_fs, SettingsPath(), result.historyCommand);
}

void Program::PlayUserMap() {
  UserMapInputs in;
  in.play = PlayState();
  in.mapFolder = m_mapFolder;
  in.map = FirstSelectedMap();
  in.skillLevel = m_settings.skillLevel;
  in.noMonsters = m_settings.noMonsters;
  in.musicFile = m_mapMusic;
  in.associate = m_view.assocChecked;
  in.tc = TcState();
  Carry(ComposeUserMap(m_fs, in));
}

void Program::PlayTC(const std::string& map) {
  Carry(ComposeTc(m_fs, PlayState(), TcState(), map));
}

void Program::StartFromTitle() {
  Guarded([this] { Carry(ComposeTitle(PlayState())); });
  m_ui.Refresh();
}

void Program::StartUserMap() {
  Guarded([this] { PlayUserMap(); });
  m_ui.Refresh();
}

void Program::StartTc() {
  Guarded([this] { PlayTC(""); });
  m_ui.Refresh();
}

void Program::StartListedTc() {
  Guarded([this] { PlayTC(""); });
  m_ui.Refresh();
}

void Program::PlayLevel() {
  Guarded([this] {
    m_ui.Beep(BeepKind::Exclamation);
    m_levels.PrepareStock();
    ShowModal(Window::Levels);
    Carry(
        ComposeLevel(m_settings.dukeFilename, m_levels.LevelSwitches(), m_settings.skillLevel, m_settings.noMonsters));
  });
  m_ui.Refresh();
}

void Program::PlayTcLevel() {
  Guarded([this] {
    const int row = m_view.tcSelected;
    if (row < 0 || std::size_t(row) >= m_view.tcRows.size()) {
      m_ui.Beep(BeepKind::Default);
      return;
    }
    const std::string tc = m_view.tcRows[std::size_t(row)].text;
    ListTCLevels(row);
    m_levels.PrepareTc(m_tcLevelNames);
    m_ui.Beep(BeepKind::Exclamation);
    ShowModal(Window::Levels);
    if (m_levels.MapFile().empty()) return;
    // The pass run by the window's closing selects the row of LastPlayedTC as
    // the file has it, which is not the row clicked since the last save: the
    // chosen map belongs to the TC whose levels were listed.
    if (std::size_t(row) < m_view.tcRows.size() && m_view.tcRows[std::size_t(row)].text == tc) m_view.tcSelected = row;
    PlayTC(m_levels.MapFile());
  });
  m_ui.Refresh();
}

void Program::PlayBatchFile() {
  Guarded([this] {
    ShowModal(Window::Batch);
    if (!m_batch.Result().empty()) LaunchGame(m_batch.Result(), {});
  });
  m_ui.Refresh();
}

void Program::ChooseSkill(const std::string& text) {
  Guarded([&] {
    m_view.skillText = text;
    m_settings.skillLevel = SkillLevelFromBox(text);
    SaveSettings();
    m_view.dropFocus = true;
  });
  m_ui.Refresh();
}

void Program::ChooseSingleGame() {
  m_view.gameType = GameRole::Single;
  m_view.tcButtonEnabled = true;
  m_view.savedBoxAllowed = true;
  m_view.assocVisible = true;
  m_ui.Refresh();
}

void Program::ChooseHostGame() { ChooseNetworkGame(GameRole::Host); }

void Program::ChooseJoinGame() { ChooseNetworkGame(GameRole::Join); }

void Program::ChooseNetworkGame(GameRole role) {
  m_view.gameType = role;
  m_view.tcButtonEnabled = false;  // the TC list's double click still plays a TC
  m_view.assocChecked = false;
  m_view.assocVisible = false;
  ClearSavedGame();
  m_view.savedBoxAllowed = false;
  m_ui.Refresh();
}

void Program::ConfigureNetwork() {
  Guarded([this] {
    const GameRole role = m_view.gameType;
    if (role == GameRole::Single) {
      m_ui.Beep(BeepKind::Default);
      return;
    }
    m_config.Open(role, m_settings.network);
    m_ui.Beep(BeepKind::Information);
    ShowModal(Window::Network);
    // Whichever button closed the window: Cancel too keeps the typed values
    // for this run, only Accept wrote them to the file.
    const NetworkSettings& n = m_settings.network = m_config.Values();
    m_view.nicknameHeading = n.nickname;
    m_networkTail =
        ComposeNetworkTail(m_networkTail, n.dedicated, m_view.gameType, n.nickname, n.opponentIp, n.numPlayers);
  });
  m_ui.Refresh();
}

void Program::ChooseMapMusic() {
  Guarded([this] {
    const std::string picked = m_ui.OpenFileDialog(MusicDialogFolder(m_fs, m_programFolder), kMusicFilter);
    if (!picked.empty()) m_mapMusic = AcceptMusicChoice(m_fs, m_programFolder, picked);
  });
  m_ui.Refresh();
}

void Program::ReloadNetworkSettings() { m_config.Activate(m_fs, SettingsPath()); }

void Program::AcceptNetworkSettings() {
  Guarded([this] { m_config.Accept(m_fs, SettingsPath()); });
}

}  // namespace tv
