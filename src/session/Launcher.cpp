#include "session/Launcher.h"

#include "catalog/History.h"
#include "install/Messages.h"
#include "launch/MapMusic.h"
#include "platform/Process.h"

namespace tv {

PlayContext Launcher::PlayState() const {
  PlayContext play;
  play.edition = m_install.Edition();
  play.dukeFilename = m_s.settings.dukeFilename;
  play.programFolder = m_s.programFolder;
  play.role = m_s.view.gameType;
  play.nickname = m_s.settings.network.nickname;
  play.opponentIp = m_s.settings.network.opponentIp;
  play.networkTail = m_networkTail;
  if (m_saves.Mode()) play.savedGame = m_saves.Switch();
  return play;
}

TcChoice Launcher::TcState() const { return {m_tcs.SelectedName(), m_tcs.Records(), m_s.gamesFolder}; }

void Launcher::Carry(const PlayResult& result) {
  switch (result.kind) {
    case PlayResult::Kind::Nothing:
      return;
    case PlayResult::Kind::Refused:
      m_s.ui.Beep(result.beep);
      if (!result.message.empty()) m_s.ShowMessage(result.message);
      return;
    case PlayResult::Kind::Launch:
      break;
  }
  if (result.clearSavedGame) m_saves.Clear();
  if (result.minimise) m_s.ui.Minimize();
  LaunchGame(result.program, result.parameters);
  if (result.untickAssociation) m_s.view.assocChecked = false;
  if (!result.historyCommand.empty()) AddToHistory(m_s.fs, m_s.SettingsPath(), result.historyCommand);
}

void Launcher::LaunchGame(const std::string& program, const GameLine& parameters) {
  // The question and the record show the text; the game gets the arguments.
  const std::string text = parameters.Text();
  // Only No stops: a question closed any other way lets the launch go on.
  if (m_s.view.commandLineChecked &&
      m_s.MessageShow(CommandLineQuestion(program, text), "Command Line", "mbYes,mbNo") == kNo)
    return;
  // A settings file that cannot be written is reported, and the game still starts.
  m_s.Guarded([this] { m_s.SaveSettings(); });
  m_s.Guarded([&] { m_s.SaveCommandLine(program + " " + text); });
  const StartResult started = OpenProgram(m_s.fs, program, parameters.Arguments(), m_s.programFolder);
  m_s.mapMusic.clear();
  if (!started) {
    // Saying nothing would leave a minimised launcher and no game.
    m_s.ui.Restore();
    m_s.ui.Beep(BeepKind::Default);
    m_s.ShowMessage(StartFailureText(program, started));
  }
}

void Launcher::StartFromTitle() { Carry(ComposeTitle(PlayState())); }

void Launcher::StartUserMap() {
  UserMapInputs in;
  in.play = PlayState();
  in.mapFolder = m_maps.Folder();
  in.map = m_maps.FirstSelected();
  in.skillLevel = m_s.settings.skillLevel;
  in.noMonsters = m_s.settings.noMonsters;
  in.musicFile = m_s.mapMusic;
  in.associate = m_s.view.assocChecked;
  in.tc = TcState();
  Carry(ComposeUserMap(m_s.fs, in));
}

void Launcher::PlayTc(const std::string& map) { Carry(ComposeTc(m_s.fs, PlayState(), TcState(), map)); }

void Launcher::PlayLevel() {
  m_s.ui.Beep(BeepKind::Exclamation);
  m_levels.PrepareStock();
  ShowLevels();
  const Settings& settings = m_s.settings;
  Carry(ComposeLevel(settings.dukeFilename, m_levels.LevelSwitches(), settings.skillLevel, settings.noMonsters));
}

void Launcher::PlayTcLevel() {
  const int row = m_s.view.tcSelected;
  if (row < 0 || std::size_t(row) >= m_s.view.tcRows.size()) {
    m_s.ui.Beep(BeepKind::Default);
    return;
  }
  const std::string tc = m_s.view.tcRows[std::size_t(row)].text;
  m_tcs.ListLevels(row);
  m_levels.PrepareTc(m_tcs.LevelNames());
  m_s.ui.Beep(BeepKind::Exclamation);
  ShowLevels();
  if (m_levels.MapFile().empty()) return;
  // The pass run by the window's closing selects the row of LastPlayedTC as
  // the file has it, which is not the row clicked since the last save: the
  // chosen map belongs to the TC whose levels were listed.
  const std::vector<ListRow>& rows = m_s.view.tcRows;
  if (std::size_t(row) < rows.size() && rows[std::size_t(row)].text == tc) m_s.view.tcSelected = row;
  PlayTc(m_levels.MapFile());
}

void Launcher::ShowLevels() {
  m_levels.Prepare();
  m_s.ShowModal([this] {
    if (m_s.ui.ChooseLevel(m_levels.Rows(), [this](int row) { return m_levels.Select(row); }) < 0) m_levels.Cancel();
  });
}

void Launcher::PlayBatchFile() {
  m_batch.Show(m_s.fs, m_s.programFolder);
  m_s.ShowModal([this] {
    if (m_s.ui.ChooseBatchFile(m_batch.Files(), [this](int row) { return m_batch.Select(row); }) < 0) m_batch.Cancel();
  });
  if (!m_batch.Result().empty()) LaunchGame(m_batch.Result(), {});
}

void Launcher::StartGameSetup() {
  if (m_s.fs.FileExists(m_s.programFolder + "D3WSetup.exe"))
    LaunchGame("D3WSetup.exe", {});
  else
    m_s.ui.Beep(BeepKind::Default);
}

void Launcher::ChooseSkill(const std::string& text) {
  m_s.view.skillText = text;
  m_s.settings.skillLevel = SkillLevelFromBox(text);
  m_s.SaveSettings();
  m_s.view.dropFocus = true;
}

void Launcher::ChooseSingleGame() {
  MainView& view = m_s.view;
  view.gameType = GameRole::Single;
  view.tcButtonEnabled = true;
  view.savedBoxAllowed = true;
  view.assocVisible = true;
}

void Launcher::ChooseNetworkGame(GameRole role) {
  MainView& view = m_s.view;
  view.gameType = role;
  view.tcButtonEnabled = false;  // the TC list's double click still plays a TC
  view.assocChecked = false;
  view.assocVisible = false;
  m_saves.Clear();
  view.savedBoxAllowed = false;
}

void Launcher::ConfigureNetwork() {
  const GameRole role = m_s.view.gameType;
  if (role == GameRole::Single) {
    m_s.ui.Beep(BeepKind::Default);
    return;
  }
  m_config.Open(role, m_s.settings.network);
  m_s.ui.Beep(BeepKind::Information);
  m_s.ShowModal([this] {
    const std::string path = m_s.SettingsPath();
    // Each activation reads the file's values over what was typed.
    const auto reload = [this, &path](NetworkConfig& config) { m_s.Guarded([&] { config.Activate(m_s.fs, path); }); };
    // A file that cannot be written is reported; the window has closed all the same.
    if (m_s.ui.EditNetwork(m_config, reload)) m_s.Guarded([&] { m_config.Accept(m_s.fs, path); });
  });
  // Whichever button closed the window: Cancel too keeps the typed values
  // for this run, only Accept wrote them to the file.
  const NetworkSettings& n = m_s.settings.network = m_config.Values();
  m_s.view.nicknameHeading = n.nickname;
  m_networkTail =
      ComposeNetworkTail(m_networkTail, n.dedicated, m_s.view.gameType, n.nickname, n.opponentIp, n.numPlayers);
}

void Launcher::ChooseMapMusic() {
  const std::string picked = m_s.ui.OpenFileDialog(MusicDialogFolder(m_s.fs, m_s.programFolder), kMusicFilter);
  if (!picked.empty()) m_s.mapMusic = AcceptMusicChoice(m_s.fs, m_s.programFolder, picked);
}

}  // namespace tv
