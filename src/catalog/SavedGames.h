#pragma once
// Saved games: the files the game writes into the program folder, listed
// under the titles stored in them, the newest marked.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tv {

struct SavedGameEngine {
  const char* prefix;
  const char* pattern;
  std::uint64_t titleOffset;
};
inline constexpr SavedGameEngine kDuke3dwSaves{"game", "game*.sav", 26};
inline constexpr SavedGameEngine kEDuke32Saves{"egam", "egam*.sav", 49};

inline constexpr const char* kNoSavedGame = "Start a saved game";
inline constexpr const char* kNewestMark = " ***";

// The 32 bytes at offset, up to the first zero byte; "" when unreadable.
std::string SavedGameTitle(FileSystem& fs, const std::string& path, std::uint64_t offset);

// The slot a listed file holds: its four-letter prefix, the slot in decimal as
// the game writes it, ".sav" (game2.sav holds slot 2); nothing for other names.
std::optional<int> SavedGameSlot(const std::string& fileName);

// A modification time in the packed date-time form of the game's file
// system: local time to two seconds, later is larger; 0 before 1980.
std::uint32_t PackedFileTime(std::time_t time);

struct SavedGameEntry {
  std::string file;  // as listed
  int slot;
  std::string text;  // the title, with " ***" for the newest
};

// One entry per listed file of a slot with a title, in listing order; the
// entry of the newest file is marked (of equal times the lower slot).
std::vector<SavedGameEntry> ReadSavedGames(FileSystem& fs, const std::string& folder,
                                           const std::vector<std::string>& listing, std::uint64_t titleOffset);

}  // namespace tv
