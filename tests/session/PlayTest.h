#pragma once
// A program folder with a space in its path, game data and a stand-in game
// that records how it was started: the play paths run end to end, from the
// operation to what the started program received.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "session/Program.h"
#include "fixture/Executables.h"
#include "fixture/Home.h"
#include "settings/IniFile.h"
#include "support/RecordingUi.h"

namespace tv::test {

inline constexpr std::uint64_t kFullData = 44'000'000;
inline constexpr std::uint64_t kSmallerFullData = 30'000'000;
inline constexpr std::uint64_t kSharewareData = 11'000'000;
inline constexpr std::uint64_t kNoData = 0;
// A started stand-in writes its record within milliseconds.
inline constexpr int kRecordTimeoutMs = 3000;

class PlayFolder {
 public:
  explicit PlayFolder(std::uint64_t gameData = kFullData) {
    fixture::MakeFolder(m_folder);
    if (gameData > 0) fixture::WriteSparseFile(Path("Duke3d.grp"), gameData);
    fixture::WriteRecordingProgram(Path("Duke3dw.exe"), m_log);
  }

  std::string Path(const std::string& name) const { return m_folder + name; }
  // Writes a file of the program folder, making its folders.
  void Put(const std::string& name, const std::string& bytes = "x") const { fixture::WriteFile(Path(name), bytes); }

  // The program after its first pass, on a settings file holding these
  // [Tarvolin] lines; with none, the first start.
  Program& Start(const std::optional<std::string>& settingsLines = "") {
    if (settingsLines)
      fixture::WriteFile(Path("Tarvolin.ini"), "[Tarvolin]\r\nInitialized=True\r\n" + *settingsLines);
    Environment env;
    env.programFolder = m_folder;
    env.formats = {"dd/MM/yyyy", "HH:mm:ss"};
    m_program = std::make_unique<Program>(m_fs, ui, env);
    m_program->Activate();
    return *m_program;
  }
  Program& program() { return *m_program; }

  // "{pf}" in text stands for the program folder, "{_}" for a space inside
  // one argument.
  std::string Fill(std::string text) const {
    for (std::size_t at = text.find("{pf}"); at != std::string::npos; at = text.find("{pf}", at))
      text.replace(at, 4, m_folder);
    for (std::size_t at = text.find("{_}"); at != std::string::npos; at = text.find("{_}", at))
      text.replace(at, 3, " ");
    return text;
  }
  // What a game started with these parameters records: the program folder as
  // its working folder, then the text's words, each filled in (the spaces
  // they get stay inside them).
  std::vector<std::string> Expected(const std::string& parameters) const {
    std::vector<std::string> lines = {std::filesystem::canonical(m_folder).string()};
    std::istringstream words(parameters);
    for (std::string word; words >> word;) lines.push_back(Fill(word));
    return lines;
  }
  // What the stand-in game recorded, once it has; the record is then taken
  // away for the next start.
  std::vector<std::string> Received() const {
    std::vector<std::string> lines = fixture::WaitForRecord(m_log, kRecordTimeoutMs);
    std::filesystem::remove(m_log);
    return lines;
  }
  // The CommandLine key as written, its closing space kept; "<none>" when
  // nothing was launched.
  std::string CommandLine() const {
    const std::string ini = fixture::ReadFile(Path("Tarvolin.ini"));
    const std::size_t at = ini.find("\nCommandLine=");
    if (at == std::string::npos) return "<none>";
    const std::size_t start = at + std::string("\nCommandLine=").size();
    return ini.substr(start, ini.find("\r\n", start) - start);
  }
  std::string Setting(const std::string& section, const std::string& key) {
    return IniFile(m_fs, Path("Tarvolin.ini")).ReadString(section, key, "<none>");
  }
  // Plays the user's part in the network window when it opens: what the user
  // types over what the window shows, then Accept or Cancel.
  struct Network {
    std::string nickname, address;
    bool dedicated = false;
    long players = 2;
    bool accept = false;
  };
  void AnswerNetwork(const Network& typed) {
    ui.onModal = [this, typed](Window window) {
      if (window != Window::Network) return;
      m_program->ReloadNetworkSettings();
      NetworkConfig& config = m_program->Config();
      config.nickname = typed.nickname;
      config.address = typed.address;
      config.SetDedicated(typed.dedicated);
      config.numPlayers = typed.players;
      if (typed.accept) m_program->AcceptNetworkSettings();
    };
  }
  // Opens the network window for this game type and closes it as typed.
  void NetworkGame(GameRole role, const Network& typed) {
    if (role == GameRole::Host) m_program->ChooseHostGame();
    if (role == GameRole::Join) m_program->ChooseJoinGame();
    AnswerNetwork(typed);
    m_program->ConfigureNetwork();
    ui.onModal = nullptr;
  }

  long Beeps(BeepKind kind) const { return std::count(ui.beeps.begin(), ui.beeps.end(), kind); }

  RecordingUi ui;

 private:
  fixture::TempHome m_home;
  fixture::TempFolder m_base;
  std::string m_folder = m_base.Path() + "Duke Nukem 3D/";
  std::string m_log = m_base.Path() + "game.log";
  FileSystem m_fs{m_folder};
  std::unique_ptr<Program> m_program;
};

}  // namespace tv::test
