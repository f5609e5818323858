#pragma once
// The network settings window and the network tail it composes when it closes.
// The tail lives in memory only; the settings reach the file only through Accept.
#include <string>

#include "launch/CommandLine.h"
#include "launch/GameRole.h"
#include "platform/Files.h"
#include "settings/Settings.h"

namespace tv {

inline constexpr long kMinPlayers = 2;
inline constexpr long kMaxPlayers = 8;

// The switches a host or join launch appends. When the row of (dedicated,
// role) finds a name or address missing, the previous tail stays.
GameLine ComposeNetworkTail(const GameLine& previousTail, bool dedicated, GameRole role, const std::string& nickname,
                            const std::string& address, long players);

// The window "General Configurations": its controls as the dialog shows them.
struct NetworkConfig {
  std::string heading;       // "Hosting a Game" or "Joining a Game"
  std::string addressLabel;  // follows dedicated
  std::string nickname;
  std::string address;
  bool dedicated = false;
  long numPlayers = kMinPlayers;

  // The heading for a host or join game and the controls filled from memory.
  // A single game never opens the window: the button only beeps.
  void Open(GameRole role, const NetworkSettings& memory);
  // Every activation: the file's values replace the controls when the
  // settings file exists; the address label follows the check box either way.
  void Activate(FileSystem& fs, const std::string& settingsPath);
  void SetDedicated(bool ticked);
  // Writes the four keys when the settings file exists, nothing otherwise;
  // the window then closes.
  void Accept(FileSystem& fs, const std::string& settingsPath) const;
  // What memory takes over when the window closes, whichever button closed it.
  NetworkSettings Values() const;

 private:
  void Fill(const NetworkSettings& values);
};

}  // namespace tv
