#include "launch/CommandLine.h"

#include "platform/Text.h"

namespace tv {

std::string MapFolderSwitch(const std::string& programFolder, const std::string& mapFolder) {
  return "-j" + programFolder + mapFolder + " ";
}

std::string TcFolderSwitch(const std::string& programFolder) { return MapFolderSwitch(programFolder, "Games"); }

std::string MapSwitch(const std::string& map) { return "-map " + map; }

std::string SkillSwitch(const std::string& skillLevel) { return " /s" + skillLevel; }

std::string MusicPrefix(const std::string& musicFile) { return "-music " + musicFile + " "; }

std::string NoMonstersSwitch(bool noMonsters) { return noMonsters ? " -m" : ""; }

std::string SavedGameSlotSwitch(int slot) { return " /" + Dec(slot); }

std::string TcMapSwitch(const std::string& map) { return " -map " + map; }

std::string SkillLevelFromBox(std::string_view boxText) {
  for (const char* level : {"1", "2", "3", "4"})
    if (boxText == SkillBoxText(level)) return level;
  return "3";
}

std::string SkillBoxText(const std::string& skillLevel) { return "Skill Level " + skillLevel; }

std::string BuildMapExtras(FileSystem& fs, const std::string& programFolder, const std::string& mapFolder,
                           const std::string& map) {
  const std::string dir = programFolder + mapFolder + kSep;
  const std::size_t ending = FindNoCase(map, ".map");
  const std::string base = ending == std::string::npos ? Lower(map) : map.substr(0, ending);
  const auto beside = [&](const char* suffix) { return fs.FileExists(dir + base + suffix); };

  const bool hrp = beside("_hrp.zip");
  std::string extras = hrp ? " -g" + base + "_hrp.zip" : "";
  if (beside(".grp")) extras += " -g" + base + ".grp";
  // A zip of the map's own data replaces whatever group was found before it.
  if (beside(".zip")) extras = " -g" + base + ".zip ";
  // The high-resolution pack brings its own definitions.
  if (beside(".def") && !hrp) extras += " -h" + base + ".def ";
  if (beside(".con")) extras += " -x" + base + ".con ";
  if (beside(".gam")) extras += " -x" + base + ".gam ";
  // A group switch left last must not run into the map switch that follows
  // ("-gFoo.grp-map" would reach the game as one argument).
  if (!extras.empty() && extras.back() != ' ') extras += ' ';
  return extras;
}

std::string BuildTCCommandLine(FileSystem& fs, const std::string& programFolder, const std::string& gamesFolder,
                               std::span<const TcLine> tcs, const std::string& tc, const std::string& map) {
  const TcLine* entry = nullptr;
  for (const TcLine& t : tcs) {
    if (t.displayName == tc && !t.groupFile.empty()) {
      entry = &t;
      break;
    }
  }
  if (!entry) return "";

  const std::size_t dot = entry->groupFile.find('.');
  const std::string base = dot == std::string::npos ? "" : entry->groupFile.substr(0, dot);
  // The pack is found by the file alone, whatever the entry's HRP field says.
  const std::string hrp = fs.FileExists(gamesFolder + kSep + base + "_hrp.zip") ? "-g" + base + "_hrp.zip " : "";
  const std::string script = entry->scriptFile.empty() ? "" : "-x" + entry->scriptFile + " ";
  const std::string def = entry->defFile.empty() || !hrp.empty() ? "" : "-h" + entry->defFile + " ";
  const std::string grp = "-g" + entry->groupFile + " ";
  const std::string start = map.empty() && !entry->mapFile.empty() ? MapSwitch(entry->mapFile) : "";
  return TcFolderSwitch(programFolder) + hrp + script + def + grp + start;
}

}  // namespace tv
