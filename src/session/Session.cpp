#include "session/Session.h"

namespace tv {

void Session::SaveSettings() {
  IniFile ini(fs, SettingsPath(), IniFile::Writes::Deferred);
  WriteSettings(ini, settings);
  ini.Flush();
}

void Session::SaveCommandLine(const std::string& text) {
  IniFile(fs, SettingsPath()).WriteString(kMainSection, "CommandLine", text);
}

void Session::ReportRunTimeError(const std::string& message) {
  std::string text = message;
  if (text.empty() || text.back() != '.') text += '.';
  ui.ShowRunTimeError(text);
}

void Session::ShowModal(const std::function<void()>& show) {
  show();
  if (m_reactivate) m_reactivate();
}

void Session::ShowMessage(const std::string& text) {
  ShowModal([&] { ui.ShowMessage(text); });
}

int Session::MessageShow(const std::string& text, const std::string& title, const std::string& buttons) {
  int result = kCancel;
  ShowModal([&] { result = ui.MessageShow(text, title, buttons, -1, -1); });
  return result;
}

}  // namespace tv
