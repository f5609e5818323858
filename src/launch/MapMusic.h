#pragma once
// "Map Music": the one-shot music file for the next single-player user map.
#include <string>

#include "platform/Files.h"

namespace tv {

inline constexpr const char* kMusicFilter = "Midi file (*.mid)|*.mid|All files (*.*)|*.*";

// The open-file dialog starts in the program folder's "Music" when there is one.
std::string MusicDialogFolder(FileSystem& fs, const std::string& programFolder);

// A file was picked: the program folder's "DuroDozi.mid" goes (even when it is
// the very file picked), and the picked path becomes the map music.
std::string AcceptMusicChoice(FileSystem& fs, const std::string& programFolder, const std::string& pickedPath);

}  // namespace tv
