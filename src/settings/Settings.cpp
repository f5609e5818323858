#include "settings/Settings.h"

namespace tv {

std::string FolderMapKey(int slot) { return "FolderMap" + std::to_string(slot); }

void ReadNetworkSettings(const IniFile& ini, NetworkSettings& n) {
  n.nickname = ini.ReadString(kNetworkSection, "Nickname", "");
  n.opponentIp = ini.ReadString(kNetworkSection, "OpponentIP", "");
  n.dedicated = ini.ReadBool(kNetworkSection, "Dedicated", false);
  n.numPlayers = ini.ReadInteger(kNetworkSection, "NumPlayers", 2);
}

MainKeysRead ReadMainSettings(const IniFile& ini, Settings& s) {
  MainKeysRead read;
  s.dukeFilename = ini.ReadString(kMainSection, "DukeFilename", "Duke3dw.exe");
  read.initialized = ini.ReadString(kMainSection, "Initialized", "");
  s.lastPlayedTC = ini.ReadString(kMainSection, "LastPlayedTC", "");
  s.lastPlayedMap = ini.ReadString(kMainSection, "LastPlayedMap", "");
  s.lastMapFolder = ini.ReadInteger(kMainSection, "LastMapFolder", 0);
  s.skillLevel = ini.ReadString(kMainSection, "SkillLevel", "3");
  s.noMonsters = ini.ReadBool(kMainSection, "NoMonsters", false);
  s.mapSetupDone = ini.ReadBool(kMainSection, "MapSetupDone", false);
  s.sortedMaps = ini.ReadInteger(kMainSection, "SortedMaps", 0);
  s.opinionPath = ini.ReadString(kMainSection, "OpinionPath", "");
  read.skinColor = ini.ReadString(kMainSection, "SkinColor", "Black");
  return read;
}

void ReadFolderMaps(const IniFile& ini, Settings& s) {
  for (int i = 0; i < 7; ++i) s.folderMap[std::size_t(i)] = ini.ReadString(kMainSection, FolderMapKey(i), "");
}

void WriteSettings(IniFile& ini, const Settings& s) {
  ini.WriteString(kMainSection, "DukeFilename", s.dukeFilename);
  ini.WriteString(kMainSection, "LastPlayedTC", s.lastPlayedTC);
  ini.WriteString(kMainSection, "LastPlayedMap", s.lastPlayedMap);
  ini.WriteInteger(kMainSection, "LastMapFolder", s.lastMapFolder);
  ini.WriteString(kMainSection, "SkillLevel", s.skillLevel);
  ini.WriteBool(kMainSection, "NoMonsters", s.noMonsters);
  ini.WriteBool(kMainSection, "MapSetupDone", s.mapSetupDone);
  ini.WriteString(kMainSection, "SkinColor", s.skinColor);
  ini.WriteString(kMainSection, "SortedMaps", std::to_string(s.sortedMaps));
  for (int i = 0; i < 7; ++i) ini.WriteString(kMainSection, FolderMapKey(i), s.folderMap[std::size_t(i)]);
}

void WriteNetworkSettings(IniFile& ini, const NetworkSettings& n) {
  ini.WriteString(kNetworkSection, "Nickname", n.nickname);
  ini.WriteString(kNetworkSection, "OpponentIP", n.opponentIp);
  ini.WriteBool(kNetworkSection, "Dedicated", n.dedicated);
  ini.WriteInteger(kNetworkSection, "NumPlayers", n.numPlayers);
}

}  // namespace tv
