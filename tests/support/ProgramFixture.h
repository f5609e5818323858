#pragma once
// A program folder in a temporary folder with the core running on it, and the helpers its tests share: maps,
// settings, a stand-in game that records how it was started, the user's part in the opinion window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "session/Program.h"
#include "fixture/Executables.h"
#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "fixture/Maps.h"
#include "settings/IniFile.h"
#include "support/RecordingUi.h"

namespace tv::test {

inline constexpr std::uint64_t kFullData = 44'000'000;
inline constexpr std::uint64_t kSmallerFullData = 30'000'000;
inline constexpr std::uint64_t kSharewareData = 11'000'000;

class ProgramTest : public ::testing::Test {
 public:
  ProgramTest() : fs(dir.Path()) {}

  Program& Start(DateTimeFormats formats = {"dd/MM/yyyy", "HH:mm:ss"}) {  // once the files are prepared
    Environment env;
    env.programFolder = dir.Path();
    env.executable = executable;
    env.formats = std::move(formats);
    env.now = [this] { return now; };
    env.cacheFolder = cacheFolder;
    program = std::make_unique<Program>(fs, ui, env);
    return *program;
  }
  Program& Started(const std::string& settingsLines = "") {  // after its first pass, on these [Tarvolin] lines
    Settings(settingsLines);
    Program& p = Start();
    p.Activate();
    return p;
  }
  std::string Ini() const { return fixture::ReadFile(dir.Path() + "Tarvolin.ini"); }
  void WriteIni(const std::string& text) { fixture::WriteFile(dir.Path() + "Tarvolin.ini", text); }
  void Settings(const std::string& lines) { WriteIni("[Tarvolin]\r\nInitialized=True\r\n" + lines); }
  std::string Setting(const std::string& section, const std::string& key) {
    return IniFile(fs, Path("Tarvolin.ini")).ReadString(section, key, "<none>");
  }
  std::string Path(const std::string& name) const { return dir.Path() + name; }
  void Put(const std::string& name, const std::string& bytes = "x") const { fixture::WriteFile(Path(name), bytes); }
  // A map at that relative path, last changed in that hour (1..8 an opinion, 12 none), growing with the sprites.
  void Map(const std::string& path, int hour = 12, int sprites = 1) {
    fixture::WriteMap(Path(path), hour, {1, 4, sprites});
  }

  static std::vector<std::string> Texts(const std::vector<ListRow>& rows) {
    std::vector<std::string> texts;
    for (const ListRow& row : rows) texts.push_back(row.text);
    return texts;
  }
  static std::vector<int> Codes(const std::vector<ListRow>& rows) {
    std::vector<int> codes;
    for (const ListRow& row : rows) codes.push_back(row.code);
    return codes;
  }
  std::vector<std::string> MapRows() const { return Texts(program->View().mapRows); }
  std::vector<int> MapCodes() const { return Codes(program->View().mapRows); }
  std::vector<std::string> TcRows() const { return Texts(program->View().tcRows); }
  std::vector<int> TcCodes() const { return Codes(program->View().tcRows); }
  std::string SelectedMap() const {
    const MainView& v = program->View();
    return v.mapSelected.empty() ? "" : v.mapRows[std::size_t(v.mapSelected.front())].text;
  }

  void AnswerOpinion(int code) { ui.opinion = {OpinionAnswer::By::Row, code}; }  // the opinion window's answer

  void Game(std::uint64_t dataSize = kFullData) {  // that much game data, a Duke3dw.exe recording its start
    if (dataSize > 0) fixture::WriteSparseFile(Path("Duke3d.grp"), dataSize);
    fixture::WriteRecordingProgram(Path("Duke3dw.exe"), m_log);
  }
  std::vector<std::string> Received() const {  // what the stand-in recorded, taken away for the next start
    std::vector<std::string> lines = fixture::WaitForRecord(m_log, 3000);
    std::filesystem::remove(m_log);
    return lines;
  }
  // What a game started with these parameters records: the program folder, then the words ("{pf}": the folder).
  std::vector<std::string> Expected(const std::string& parameters) const {
    std::vector<std::string> lines = {std::filesystem::canonical(dir.Path()).string()};
    std::istringstream words(parameters);
    for (std::string word; words >> word;) lines.push_back(Fill(word));
    return lines;
  }
  std::string Fill(std::string text) const {
    for (std::size_t at = text.find("{pf}"); at != std::string::npos; at = text.find("{pf}", at))
      text.replace(at, 4, dir.Path());
    return text;
  }
  std::string CommandLine() const {  // as written, its closing space kept; "<none>" when nothing was started
    const std::string ini = Ini();
    const std::size_t at = ini.find("\nCommandLine="), start = at + 13;
    return at == std::string::npos ? "<none>" : ini.substr(start, ini.find("\r\n", start) - start);
  }

  fixture::TempHome home;  // the first start writes a desktop shortcut
  fixture::TempFolder dir;
  FileSystem fs;
  RecordingUi ui;
  std::string executable;  // the running program's file; "" for the copy in the folder
  std::time_t now = 1796520000;  // 2026-12-06 02:40 UTC
  std::string cacheFolder;       // no scan cache unless a test asks
  std::unique_ptr<Program> program;

 private:
  fixture::TempFolder m_logFolder;
  std::string m_log = m_logFolder.Path() + "game.log";
};

}  // namespace tv::test
