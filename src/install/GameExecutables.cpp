#include "install/GameExecutables.h"

#include "install/ExecutableVersion.h"
#include "platform/Text.h"

namespace tv {

std::vector<std::string> ListGameExecutables(FileSystem& fs, const std::string& programFolder) {
  std::vector<std::string> found;
  for (const std::string& name : fs.List(programFolder, "*.exe")) {
    const std::string lower = Lower(name);
    if (Contains(lower, "duke") && lower != "tarvolin.exe" && found.size() < kMaxGameExecutables)
      found.push_back(Capitalized(name));
  }
  return found;
}

std::string MenuCaption(const std::string& executable) {
  return executable.substr(0, executable.size() < 4 ? 0 : executable.size() - 4);
}

std::string PlayButtonCaption(const std::string& dukeFilename) {
  return "Play " + dukeFilename.substr(0, dukeFilename.find('.'));
}

GameTitle MakeGameTitle(FileSystem& fs, const std::string& programFolder, const std::string& dukeFilename) {
  const std::size_t dot = dukeFilename.find('.');
  GameTitle title{dot != std::string::npos && dot >= 1 ? dukeFilename.substr(0, dot) : dukeFilename};
  // The version comes from the executable of the fixed name, whatever else
  // DukeFilename says after its first seven characters.
  const std::string engine = Upper(std::string_view(title.text).substr(0, 7));
  std::string version = kNoVersion;
  if (engine == "DUKE3DW") {
    version = ReadDuke3dwVersion(fs, programFolder + "Duke3dw.exe");
  } else if (engine == "EDUKE32") {
    title.eduke32 = true;
    version = ReadEDuke32Version(fs, programFolder + "EDuke32.exe");
  }
  if (version != kNoVersion) title.text += " v" + version;
  return title;
}

}  // namespace tv
