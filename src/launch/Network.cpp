#include "launch/Network.h"

#include <algorithm>

#include "platform/Text.h"

namespace tv {

GameLine ComposeNetworkTail(const GameLine& previousTail, bool dedicated, GameRole role, const std::string& nickname,
                            const std::string& address, long players) {
  if (role == GameRole::Single || nickname.empty()) return previousTail;
  // Each switch and each value a space apart in the text; the nickname is one
  // argument, spaces and all.
  const auto arg = [](const std::string& value) { return GameLine::Argument(value, 1); };
  const GameLine name = arg("/name") + arg(nickname) + arg("/net");
  // A dedicated master waits for the others to call: it needs no address.
  if (dedicated && role == GameRole::Host) return players > 1 ? name + arg("/n0:" + Dec(players)) : previousTail;
  if (address.empty()) return previousTail;
  if (dedicated) return name + arg("/n0") + arg(address);
  if (role == GameRole::Host) return name + arg("/n1") + arg(address);
  return name + arg(address) + arg("/n1");
}

void NetworkConfig::Open(GameRole role, const NetworkSettings& memory) {
  heading = role == GameRole::Host ? "Hosting a Game" : "Joining a Game";
  Fill(memory);
}

void NetworkConfig::Activate(FileSystem& fs, const std::string& settingsPath) {
  const IniFile ini(fs, settingsPath);
  if (ini.FileExisted()) {
    NetworkSettings read;
    ReadNetworkSettings(ini, read);
    Fill(read);
  }
  SetDedicated(dedicated);
}

void NetworkConfig::SetDedicated(bool ticked) {
  dedicated = ticked;
  addressLabel = ticked ? "Server IP Address" : "Opponents IP  Address";
}

void NetworkConfig::Accept(FileSystem& fs, const std::string& settingsPath) const {
  IniFile ini(fs, settingsPath, IniFile::Writes::Deferred);
  if (!ini.FileExisted()) return;
  WriteNetworkSettings(ini, Values());
  ini.Flush();
}

NetworkSettings NetworkConfig::Values() const { return {nickname, address, dedicated, numPlayers}; }

void NetworkConfig::Fill(const NetworkSettings& values) {
  nickname = values.nickname;
  address = values.opponentIp;
  dedicated = values.dedicated;
  // The spin box holds 2 to 8 whatever it is given.
  numPlayers = std::clamp(values.numPlayers, kMinPlayers, kMaxPlayers);
}

}  // namespace tv
