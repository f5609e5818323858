#pragma once
#include <string>

namespace tv {

// The three game-type radio buttons: alone, hosting or joining a network game.
enum class GameRole { Single, Host, Join };

// Network launches carry the network tail only when both names are known.
inline bool NetworkLaunch(GameRole role, const std::string& nickname, const std::string& address) {
  return role != GameRole::Single && !nickname.empty() && !address.empty();
}

}  // namespace tv
