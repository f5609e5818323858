#include "session/Program.h"

#include "launch/CommandLine.h"
#include "platform/Text.h"

namespace tv {

// The start-up pass. The order matters: the settings are read after the map
// folders and TCs are found (so a TC's defaults never depend on them) and
// before the lists are filled; the window title, and with it the engine, is
// settled last but one.
const Program::PassStep Program::kPass[] = {
    {"FindProgramFolder", &Program::FindProgramFolder},
    {"FindGamesFolder", &Program::FindGamesFolder},
    {"DeleteStrayGame10", &Program::DeleteStrayGame10},
    {"BlackenLists", &Program::BlackenLists},
    {"ClearExecutableList", &Program::ClearExecutableList},
    {"ClearTcTable", &Program::ClearTcTable},
    {"CheckDateStyle", &Program::CheckDateStyle},
    {"ClearMapTables", &Program::ClearMapTables},
    {"ClearTcOpinions", &Program::ClearTcOpinions},
    {"DetectGameEdition", &Program::DetectGameEdition},
    {"ListSavedGames", &Program::ListSavedGames},
    {"ListGroupFiles", &Program::ListGroupFiles},
    {"FindMapFolders", &Program::FindMapFolders},
    {"DiscoverTCs", &Program::DiscoverTCs},
    {"LoadSettings", &Program::LoadSettings},
    {"FillTCList", &Program::FillTCList},
    {"FindGameExecutables", &Program::FindGameExecutables},
    {"LoadFirstMapFolder", &Program::LoadFirstMapFolder},
    {"PackAndLoadTCOpinions", &Program::PackAndLoadTCOpinions},
    {"UpdatePlayButton", &Program::UpdatePlayButton},
    {"FillSavedGames", &Program::FillSavedGames},
    {"ApplySavedSortMode", &Program::ApplySavedSortMode},
    {"ResetSavedGamePattern", &Program::ResetSavedGamePattern},
    {"UpdateWindowTitle", &Program::UpdateWindowTitle},
    {"DropFocus", &Program::DropFocus},
    {"ShowLists", &Program::ShowLists},
    {"SetAssociationHint", &Program::SetAssociationHint},
    {"SwitchHighResPack", &Program::SwitchHighResPack},
};

Program::Program(FileSystem& fs, UserInterface& ui, Environment env)
    : m_fs(fs), m_ui(ui), m_env(std::move(env)), m_programFolder(m_env.programFolder) {
  // Until a settings file is read (never on the first start) the box shows
  // the skill the game would be started with.
  m_view.skillText = SkillBoxText(m_settings.skillLevel);
  m_groupScans.KeepIn(m_env.cacheFolder, m_env.programFolder, m_env.now);
}

void Program::Activate() {
  // A message raised inside a pass (the map limit warning) would otherwise
  // start a further pass when it closes, and show itself again, for ever.
  if (m_inPass) return;
  m_inPass = true;
  Guarded([this] { RunPass(); });
  m_inPass = false;
  m_ui.Refresh();
}

void Program::RunPass() {
  FileSystem::PassScope scope(m_fs);
  for (const PassStep& step : kPass) {
    if (m_passObserver) m_passObserver(step.name);
    (this->*step.run)();
  }
}

void Program::ReportRunTimeError(const std::string& message) {
  std::string text = message;
  if (text.empty() || text.back() != '.') text += '.';
  m_ui.ShowRunTimeError(text);
}

void Program::Quit() {
  Guarded([this] {
    SaveSettings();
    m_ui.Quit();
  });
}

void Program::ShowModal(Window window) {
  m_ui.ShowModal(window);
  Activate();
}

void Program::ShowMessage(const std::string& text) {
  m_ui.ShowMessage(text);
  Activate();
}

int Program::MessageShow(const std::string& text, const std::string& title, const std::string& buttons) {
  const int result = m_ui.MessageShow(text, title, buttons, -1, -1);
  Activate();
  return result;
}

void Program::FindProgramFolder() { m_programFolder = m_env.programFolder; }

void Program::FindGamesFolder() { m_gamesFolder = m_programFolder + "Games"; }

void Program::DeleteStrayGame10() {
  // The name is taken relative to the current folder, not the program folder.
  const std::string stray = m_fs.CurrentFolder() + "game10.sav";
  if (m_fs.FileExists(stray)) m_fs.Delete(stray);
}

void Program::BlackenLists() {}  // the lists are always drawn on black here

void Program::CheckDateStyle() {
  const std::string today = FormatDateTime(LocalTime(m_env.now()), m_env.formats.shortDate);
  if (Contains(today, ".")) m_dateStyleDot = true;
}

void Program::DropFocus() { m_view.dropFocus = true; }

void Program::ShowLists() { m_view.listsVisible = true; }

void Program::SetAssociationHint() {
  m_view.assocHint = "Play the selected map with\nthe selected Total Conversion";
}

}  // namespace tv
