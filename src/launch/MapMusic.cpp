#include "launch/MapMusic.h"

namespace tv {

std::string MusicDialogFolder(FileSystem& fs, const std::string& programFolder) {
  // The dialog opens the folder as it is on disk, "music" for "Music".
  const std::string music = fs.Resolve(programFolder + "Music");
  return fs.FolderExists(music) ? music : programFolder;
}

std::string AcceptMusicChoice(FileSystem& fs, const std::string& programFolder, const std::string& pickedPath) {
  const std::string leftover = programFolder + "DuroDozi.mid";
  if (fs.FileExists(leftover)) fs.Delete(leftover);
  return pickedPath;
}

}  // namespace tv
