#pragma once
// The last fifteen user maps played, kept only in [History] of the settings
// file: slot 0 is the oldest, each name at most once (letter case counts).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Color.h"
#include "platform/Files.h"

namespace tv {

inline constexpr int kHistorySlots = 15;
inline constexpr const char* kHistorySection = "History";

// "PlayedMaps[" + slot + "]"
std::string HistoryKey(int slot);

// The map file name inside the map part of a command ("-map Foo.map /s3",
// with or without a music prefix), or a stored name (Foo.map) unchanged.
std::string MapNameFromCommand(std::string_view s);

// Records the map of command: a name already there keeps its slot; a full
// history drops slot 0. An empty name changes nothing.
void AddToHistory(FileSystem& fs, const std::string& settingsPath, std::string_view command);

// The recorded names in slot order, empty slots skipped.
std::vector<std::string> ReadHistory(FileSystem& fs, const std::string& settingsPath);

// The opinion that colours a history entry: looked up in the current map
// folder's names (letter case ignored, up to the first empty name) and read by
// opinionOf from the file of the name found there; 0 when it is not there.
long HistoryOpinion(const std::vector<std::string>& mapNames, std::string_view name,
                    const std::function<long(const std::string& mapName)>& opinionOf);

// Lime, blue, red and fuchsia for the opinions 1 to 4, silver for the rest.
Rgb HistoryColour(long opinion);

}  // namespace tv
