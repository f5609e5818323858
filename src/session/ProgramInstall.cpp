// Game installation: edition, executables, versions, the high-resolution pack
// switch, launching programs and the tools menu.
#include "session/Program.h"
#include "install/GameExecutables.h"
#include "install/HighResPack.h"
#include "install/Messages.h"
#include "platform/Process.h"
#include "platform/Shortcut.h"

namespace tv {

void Program::ClearExecutableList() { m_gameExecutables.clear(); }

void Program::DetectGameEdition() {
  const EditionFound found = FindGameEdition(m_fs, m_programFolder);
  m_edition = found.edition;
  // Nothing enables the skill box again during the run.
  if (found.disablesSkill) m_view.skillEnabled = false;
}

void Program::FindGameExecutables() {
  m_gameExecutables = ListGameExecutables(m_fs, m_programFolder);
  // Entries are never hidden again: one shown by an earlier pass keeps its
  // caption and does nothing once its list entry is gone.
  for (std::size_t i = 0; i < m_gameExecutables.size() && i < kDukeMenuEntries; ++i) {
    m_view.duke[i].caption = MenuCaption(m_gameExecutables[i]);
    m_view.duke[i].visible = true;
  }
}

void Program::UpdatePlayButton() {
  m_view.playCaption = PlayButtonCaption(m_settings.dukeFilename);
  m_view.playHint = m_view.playCaption;
}

void Program::UpdateWindowTitle() {
  const GameTitle title = MakeGameTitle(m_fs, m_programFolder, m_settings.dukeFilename);
  m_eduke32 = title.eduke32;
  m_savedGamePattern = SaveEngine().pattern;
  m_view.caption = std::string("Tarvolin - v") + kProgramVersion + "  |  " + title.text;
}

void Program::SwitchHighResPack() { SetAsideLooseDefinitions(m_fs, m_programFolder); }

void Program::CreateDesktopShortcut() {
  const std::string& exe = m_env.executable;
  if (exe.empty() || exe.substr(0, exe.rfind(kSep) + 1) == m_programFolder)
    CreateShortcut(m_programFolder, kOwnExecutableFile, "Desktop", "Tarvolin");
  else  // one program for many game folders: the shortcut opens this one
    CreateProgramShortcut(exe, {m_programFolder}, m_programFolder, "Desktop", "Tarvolin");
}

void Program::ChooseExecutable(int entry) {
  const std::size_t index = std::size_t(entry - 1);
  // Nothing is saved here: the next launch's settings save takes the choice.
  if (entry >= 1 && index < m_gameExecutables.size() && !m_gameExecutables[index].empty()) {
    m_settings.dukeFilename = m_gameExecutables[index];
    UpdateWindowTitle();
    UpdatePlayButton();
  }
  m_ui.Refresh();
}

void Program::StartGameSetup() {
  Guarded([this] {
    if (m_fs.FileExists(m_programFolder + "D3WSetup.exe"))
      LaunchGame("D3WSetup.exe", {});
    else
      m_ui.Beep(BeepKind::Default);
  });
  m_ui.Refresh();
}

void Program::ToggleCommandLine() {
  m_view.commandLineChecked = !m_view.commandLineChecked;
  m_ui.Refresh();
}

void Program::AddDesktopIcon() {
  CreateDesktopShortcut();
  m_ui.Beep(BeepKind::Information);
  m_ui.Refresh();
}

void Program::ShowAbout() {
  m_ui.Beep(BeepKind::Exclamation);
  ShowMessage(AboutText(kProgramVersion));
  m_ui.Refresh();
}

void Program::LaunchGame(const std::string& program, const GameLine& parameters) {
  // The question and the record show the text; the game gets the arguments.
  const std::string text = parameters.Text();
  // Only No stops: a question closed any other way lets the launch go on.
  if (m_view.commandLineChecked && MessageShow(CommandLineQuestion(program, text), "Command Line", "mbYes,mbNo") == kNo)
    return;
  // A settings file that cannot be written is reported, and the game still starts.
  Guarded([this] { SaveSettings(); });
  Guarded([&] { SaveCommandLine(program + " " + text); });
  const StartResult started = OpenProgram(m_fs, program, parameters.Arguments(), m_programFolder);
  m_mapMusic.clear();
  if (!started) {
    // Saying nothing would leave a minimised launcher and no game.
    m_ui.Restore();
    m_ui.Beep(BeepKind::Default);
    ShowMessage(StartFailureText(program, started));
  }
}

}  // namespace tv
