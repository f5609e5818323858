#include "session/Program.h"
#include "platform/Text.h"

namespace tv {

void Program::LoadSettings() {
  const IniFile ini(m_fs, SettingsPath());
  if (!ini.FileExisted()) {
    // The first start: the file is made from what memory holds, and nothing
    // else is read in this pass. A file that is there but cannot be read is
    // not replaced: the save fails with the error.
    SaveSettings();
    return;
  }
  ReadNetworkSettings(ini, m_settings.network);
  m_view.nicknameHeading = m_settings.network.nickname;
  const MainKeysRead read = ReadMainSettings(ini, m_settings);
  ApplySkin(SkinForStoredName(read.skinColor));
  m_view.skillText = "Skill Level " + m_settings.skillLevel;
  ReadFolderMaps(ini, m_settings);
  if (Upper(read.initialized) != "TRUE") {
    IniFile(m_fs, SettingsPath()).WriteString(kMainSection, "Initialized", "True");
    CreateDesktopShortcut();
  }
}

void Program::SaveSettings() {
  IniFile ini(m_fs, SettingsPath(), IniFile::Writes::Deferred);
  WriteSettings(ini, m_settings);
  ini.Flush();
}

void Program::SaveCommandLine(const std::string& text) {
  IniFile(m_fs, SettingsPath()).WriteString(kMainSection, "CommandLine", text);
}

void Program::ApplySkin(const Skin& skin) {
  m_view.skin = &skin;
  m_settings.skinColor = skin.name;
  IniFile(m_fs, SettingsPath()).WriteString(kMainSection, "SkinColor", skin.name);
}

void Program::ChooseSkin(int index) {
  Guarded([&] { ApplySkin(kSkins.at(std::size_t(index))); });
  m_ui.Refresh();
}

}  // namespace tv
