#pragma once
// The program's settings as they live in memory for the whole run, and how
// they move to and from the sections [Tarvolin] and [Network_Game].
#include <array>
#include <string>

#include "settings/IniFile.h"

namespace tv {

inline constexpr const char* kSettingsFileName = "Tarvolin.ini";
inline constexpr const char* kMainSection = "Tarvolin";
inline constexpr const char* kNetworkSection = "Network_Game";

struct NetworkSettings {
  std::string nickname;
  std::string opponentIp;
  bool dedicated = false;
  long numPlayers = 1;  // 2 applies only when the key is read
};

struct Settings {
  std::string dukeFilename = "Duke3dw.exe";
  std::string lastPlayedTC;
  std::string lastPlayedMap;
  long lastMapFolder = 0;
  std::string skillLevel = "3";
  bool noMonsters = false;
  bool mapSetupDone = false;
  long sortedMaps = 0;
  std::string opinionPath;
  std::string skinColor = "Black";
  std::array<std::string, 7> folderMap;
  NetworkSettings network;
};

// Reads [Network_Game] into s.network, in the program's order.
void ReadNetworkSettings(const IniFile& ini, NetworkSettings& n);
// Reads [Tarvolin] (all but the remembered maps per folder) into s, in the
// program's order; returns the values of Initialized and SkinColor as read.
struct MainKeysRead {
  std::string initialized;
  std::string skinColor;
};
MainKeysRead ReadMainSettings(const IniFile& ini, Settings& s);
void ReadFolderMaps(const IniFile& ini, Settings& s);
// Writes [Tarvolin] in the program's order; Initialized, OpinionPath and
// CommandLine are never written here.
void WriteSettings(IniFile& ini, const Settings& s);
void WriteNetworkSettings(IniFile& ini, const NetworkSettings& n);

std::string FolderMapKey(int slot);

}  // namespace tv
