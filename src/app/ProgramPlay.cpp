// Playing: the game's command line for every play path, skill, game type,
// network settings and map music.
#include "app/Program.h"

namespace tv {

void Program::btnPlayMouseDown() {}
void Program::btnMapsClick() {}
void Program::btnStartClick() {}
void Program::ListBox1DblClick() {}
void Program::PlayLevel1Click() {}
void Program::PlayTCLevel1Click() {}
void Program::PlayBatchFile1Click() {}
void Program::ComboBox1Change(const std::string&) {}
void Program::rbtnSingleMouseUp() {}
void Program::rbtnHostMouseUp() {}
void Program::rbtnJoinMouseUp() {}
void Program::btnConfigClick() {}
void Program::MapMusic1Click() {}

void Program::ConfigFormActivate() { m_config.FormActivate(m_fs, SettingsPath()); }

void Program::ConfigAcceptClick() {
  Guarded([this] { m_config.btnAcceptClick(m_fs, SettingsPath()); });
}

}  // namespace tv
