#include "session/Installation.h"

#include "install/GameExecutables.h"
#include "install/HighResPack.h"
#include "install/Messages.h"
#include "platform/Shortcut.h"

namespace tv {

void Installation::DetectGameEdition() {
  const EditionFound found = FindGameEdition(m_s.fs, m_s.programFolder);
  m_edition = found.edition;
  // Nothing enables the skill box again during the run.
  if (found.disablesSkill) m_s.view.skillEnabled = false;
}

void Installation::FindGameExecutables() {
  m_gameExecutables = ListGameExecutables(m_s.fs, m_s.programFolder);
  // Entries are never hidden again: one shown by an earlier pass keeps its
  // caption and does nothing once its list entry is gone.
  for (std::size_t i = 0; i < m_gameExecutables.size() && i < kDukeMenuEntries; ++i) {
    m_s.view.duke[i].caption = MenuCaption(m_gameExecutables[i]);
    m_s.view.duke[i].visible = true;
  }
}

void Installation::UpdatePlayButton() {
  m_s.view.playCaption = PlayButtonCaption(m_s.settings.dukeFilename);
  m_s.view.playHint = m_s.view.playCaption;
}

void Installation::UpdateWindowTitle() {
  const GameTitle title = MakeGameTitle(m_s.fs, m_s.programFolder, m_s.settings.dukeFilename);
  m_eduke32 = title.eduke32;
  m_savedGamePattern = SaveEngine().pattern;
  m_s.view.caption = std::string("Tarvolin - v") + kProgramVersion + "  |  " + title.text;
}

void Installation::SwitchHighResPack() { SetAsideLooseDefinitions(m_s.fs, m_s.programFolder); }

void Installation::CreateDesktopShortcut() {
  const std::string& exe = m_s.env.executable;
  const std::string& folder = m_s.programFolder;
  if (exe.empty() || exe.substr(0, exe.rfind(kSep) + 1) == folder)
    CreateShortcut(folder, kOwnExecutableFile, "Desktop", "Tarvolin");
  else  // one program for many game folders: the shortcut opens this one
    CreateProgramShortcut(exe, {folder}, folder, "Desktop", "Tarvolin");
}

void Installation::ChooseExecutable(int entry) {
  const std::size_t index = std::size_t(entry - 1);
  // Nothing is saved here: the next launch's settings save takes the choice.
  if (entry >= 1 && index < m_gameExecutables.size() && !m_gameExecutables[index].empty()) {
    m_s.settings.dukeFilename = m_gameExecutables[index];
    UpdateWindowTitle();
    UpdatePlayButton();
  }
}

void Installation::AddDesktopIcon() {
  CreateDesktopShortcut();
  m_s.ui.Beep(BeepKind::Information);
}

}  // namespace tv
