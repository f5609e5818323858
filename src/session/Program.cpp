#include "session/Program.h"

#include "install/Messages.h"
#include "launch/CommandLine.h"
#include "platform/Text.h"

namespace tv {

// The start-up pass. The order matters: the settings are read after the map
// folders and TCs are found (so a TC's defaults never depend on them) and
// before the lists are filled; the window title, and with it the engine, is
// settled last but one.
const Program::PassStep Program::kPass[] = {
    {"FindProgramFolder", [](Program& p) { p.m_s.programFolder = p.m_s.env.programFolder; }},
    {"FindGamesFolder", [](Program& p) { p.m_tcs.FindGamesFolder(); }},
    {"DeleteStrayGame10", [](Program& p) { p.m_saves.DeleteStrayGame10(); }},
    {"BlackenLists", [](Program&) {}},  // the lists are always drawn on black here
    {"ClearExecutableList", [](Program& p) { p.m_install.ClearExecutableList(); }},
    {"ClearTcTable", [](Program& p) { p.m_tcs.ClearTable(); }},
    {"ClearMapTables", [](Program& p) { p.m_maps.ClearTables(); }},
    {"ClearTcOpinions", [](Program& p) { p.m_tcs.ClearOpinions(); }},
    {"DetectGameEdition", [](Program& p) { p.m_install.DetectGameEdition(); }},
    {"ListSavedGames", [](Program& p) { p.m_saves.List(); }},
    {"ListGroupFiles", [](Program& p) { p.m_tcs.ListGroupFiles(); }},
    {"FindMapFolders", [](Program& p) { p.m_maps.FindFolders(); }},
    {"DiscoverTCs", [](Program& p) { p.m_tcs.Discover(); }},
    {"LoadSettings", [](Program& p) { p.LoadSettings(); }},
    {"FillTCList", [](Program& p) { p.m_tcs.FillList(); }},
    {"FindGameExecutables", [](Program& p) { p.m_install.FindGameExecutables(); }},
    {"LoadFirstMapFolder", [](Program& p) { p.m_maps.LoadFirstFolder(); }},
    {"PackAndLoadTCOpinions", [](Program& p) { p.m_tcs.PackAndLoadOpinions(); }},
    {"UpdatePlayButton", [](Program& p) { p.m_install.UpdatePlayButton(); }},
    {"FillSavedGames", [](Program& p) { p.m_saves.Fill(); }},
    {"ApplySavedSortMode", [](Program& p) { p.m_maps.ApplySavedSortMode(); }},
    {"ResetSavedGamePattern", [](Program& p) { p.m_install.ResetSavedGamePattern(); }},
    {"UpdateWindowTitle", [](Program& p) { p.m_install.UpdateWindowTitle(); }},
    {"DropFocus", [](Program& p) { p.m_s.view.dropFocus = true; }},
    {"ShowLists", [](Program& p) { p.m_s.view.listsVisible = true; }},
    {"SetAssociationHint",
     [](Program& p) { p.m_s.view.assocHint = "Play the selected map with\nthe selected Total Conversion"; }},
    {"SwitchHighResPack", [](Program& p) { p.m_install.SwitchHighResPack(); }},
};

Program::Program(FileSystem& fs, UserInterface& ui, Environment env)
    : m_s(fs, ui, std::move(env)),
      m_opinions(m_s),
      m_install(m_s),
      m_maps(m_s, m_opinions),
      m_tcs(m_s, m_opinions),
      m_saves(m_s, m_install),
      m_play(m_s, m_install, m_maps, m_tcs, m_saves) {
  // Until a settings file is read (never on the first start) the box shows
  // the skill the game would be started with.
  m_s.view.skillText = SkillBoxText(m_s.settings.skillLevel);
  m_s.SetReactivation([this] { Activate(); });
}

void Program::Activate() {
  // A message raised inside a pass (the map limit warning) would otherwise
  // start a further pass when it closes, and show itself again, for ever.
  if (m_inPass) return;
  m_inPass = true;
  m_s.Guarded([this] { RunPass(); });
  m_inPass = false;
}

void Program::RunPass() {
  FileSystem::PassScope scope(m_s.fs);
  for (const PassStep& step : kPass) {
    if (m_passObserver) m_passObserver(step.name);
    step.run(*this);
  }
}

void Program::Quit() {
  m_s.SaveSettings();
  m_s.ui.Quit();
}

void Program::LoadSettings() {
  const IniFile ini(m_s.fs, m_s.SettingsPath());
  if (!ini.FileExisted()) {
    // The first start: the file is made from what memory holds, and nothing
    // else is read in this pass. A file that is there but cannot be read is
    // not replaced: the save fails with the error.
    m_s.SaveSettings();
    return;
  }
  Settings& settings = m_s.settings;
  ReadNetworkSettings(ini, settings.network);
  m_s.view.nicknameHeading = settings.network.nickname;
  const MainKeysRead read = ReadMainSettings(ini, settings);
  ApplySkin(SkinForStoredName(read.skinColor));
  m_s.view.skillText = "Skill Level " + settings.skillLevel;
  ReadFolderMaps(ini, settings);
  if (Upper(read.initialized) != "TRUE") {
    IniFile(m_s.fs, m_s.SettingsPath()).WriteString(kMainSection, "Initialized", "True");
    m_install.CreateDesktopShortcut();
  }
}

void Program::ApplySkin(const Skin& skin) {
  m_s.view.skin = &skin;
  m_s.settings.skinColor = skin.name;
  IniFile(m_s.fs, m_s.SettingsPath()).WriteString(kMainSection, "SkinColor", skin.name);
}

void Program::ChooseSkin(int index) { ApplySkin(kSkins.at(std::size_t(index))); }

void Program::ShowAbout() {
  m_s.ui.Beep(BeepKind::Exclamation);
  m_s.ShowMessage(AboutText(kProgramVersion));
}

}  // namespace tv
