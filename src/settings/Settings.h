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

// What a missing key reads as is written in the key table of Settings.cpp.
// Settings starts from those defaults; the network values start empty, with
// one player.
struct NetworkSettings {
  std::string nickname;
  std::string opponentIp;
  bool dedicated = false;
  long numPlayers = 1;  // the key's default, 2, applies only when the key is read
};

struct Settings {
  Settings();  // every member at its key's default

  std::string dukeFilename;
  std::string lastPlayedTC;
  std::string lastPlayedMap;
  long lastMapFolder{};
  std::string skillLevel;
  bool noMonsters{};
  bool mapSetupDone{};
  long sortedMaps{};
  std::string opinionPath;
  std::string skinColor;
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
