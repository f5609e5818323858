#include "launch/CommandLine.h"

#include "platform/Process.h"
#include "platform/Text.h"

namespace tv {

GameLine GameLine::Argument(std::string value, int spacesBefore, int spacesAfter) {
  GameLine line;
  line.m_pieces.push_back({std::move(value), spacesBefore, spacesAfter});
  return line;
}

GameLine GameLine::OwnSwitches(std::string_view text) {
  GameLine line;
  std::size_t pos = 0;
  for (std::string& part : SplitParameters(text)) {
    const std::size_t start = text.find(part, pos);
    line.m_pieces.push_back({std::move(part), int(start - pos), 0});
    pos = start + line.m_pieces.back().value.size();
  }
  const int trailing = int(text.size() - pos);
  if (trailing > 0) {
    if (line.m_pieces.empty()) line.m_pieces.push_back({"", 0, 0});
    line.m_pieces.back().after += trailing;
  }
  return line;
}

GameLine& GameLine::operator+=(const GameLine& more) {
  m_pieces.insert(m_pieces.end(), more.m_pieces.begin(), more.m_pieces.end());
  return *this;
}

std::vector<std::string> GameLine::Arguments() const {
  std::vector<std::string> arguments;
  for (const Piece& p : m_pieces)
    if (!p.value.empty()) arguments.push_back(p.value);
  return arguments;
}

std::string GameLine::Text() const {
  std::string text;
  for (const Piece& p : m_pieces)
    text += std::string(std::size_t(p.before), ' ') + p.value + std::string(std::size_t(p.after), ' ');
  return text;
}

void GameLine::EndApart() {
  if (!m_pieces.empty() && m_pieces.back().after == 0) m_pieces.back().after = 1;
}

GameLine MapFolderSwitch(const std::string& programFolder, const std::string& mapFolder) {
  return GameLine::Argument("-j" + programFolder + mapFolder, 0, 1);
}

GameLine TcFolderSwitch(const std::string& programFolder) { return MapFolderSwitch(programFolder, "Games"); }

GameLine MapSwitch(const std::string& map) { return GameLine::Argument("-map") + GameLine::Argument(map, 1); }

GameLine SkillSwitch(const std::string& skillLevel) { return GameLine::Argument("/s" + skillLevel, 1); }

GameLine MusicPrefix(const std::string& musicFile) {
  return GameLine::Argument("-music") + GameLine::Argument(musicFile, 1, 1);
}

GameLine NoMonstersSwitch(bool noMonsters) { return noMonsters ? GameLine::Argument("-m", 1) : GameLine(); }

GameLine SavedGameSlotSwitch(int slot) { return GameLine::Argument("/" + Dec(slot), 1); }

GameLine TcMapSwitch(const std::string& map) { return GameLine::Argument("-map", 1) + GameLine::Argument(map, 1); }

std::string SkillLevelFromBox(std::string_view boxText) {
  for (const char* level : {"1", "2", "3", "4"})
    if (boxText == SkillBoxText(level)) return level;
  return "3";
}

std::string SkillBoxText(const std::string& skillLevel) { return "Skill Level " + skillLevel; }

GameLine BuildMapExtras(FileSystem& fs, const std::string& programFolder, const std::string& mapFolder,
                        const std::string& map) {
  const std::string dir = programFolder + mapFolder + kSep;
  const std::size_t ending = FindNoCase(map, ".map");
  const std::string base = ending == std::string::npos ? Lower(map) : map.substr(0, ending);
  const auto beside = [&](const char* suffix) { return fs.FileExists(dir + base + suffix); };

  const auto file = [&](const char* flag, const char* suffix, int after) {
    return GameLine::Argument(flag + base + suffix, 1, after);
  };

  const bool hrp = beside("_hrp.zip");
  GameLine extras = hrp ? file("-g", "_hrp.zip", 0) : GameLine();
  if (beside(".grp")) extras += file("-g", ".grp", 0);
  // A zip of the map's own data replaces whatever group was found before it.
  if (beside(".zip")) extras = file("-g", ".zip", 1);
  // The high-resolution pack brings its own definitions.
  if (beside(".def") && !hrp) extras += file("-h", ".def", 1);
  if (beside(".con")) extras += file("-x", ".con", 1);
  if (beside(".gam")) extras += file("-x", ".gam", 1);
  // A group switch left last keeps the text's map switch apart from it.
  extras.EndApart();
  return extras;
}

GameLine BuildTCCommandLine(FileSystem& fs, const std::string& programFolder, const std::string& gamesFolder,
                            std::span<const TcRecord> tcs, const std::string& tc, const std::string& map) {
  const TcRecord* entry = nullptr;
  for (const TcRecord& t : tcs) {
    if (t.displayName == tc && !t.groupFile.empty()) {
      entry = &t;
      break;
    }
  }
  if (!entry) return {};

  const std::size_t dot = entry->groupFile.find('.');
  const std::string base = dot == std::string::npos ? "" : entry->groupFile.substr(0, dot);
  // The pack is found by the file alone, whatever the entry's HRP field says.
  const auto file = [](const std::string& flag, const std::string& name) {
    return GameLine::Argument(flag + name, 0, 1);
  };
  const bool hrp = fs.FileExists(gamesFolder + kSep + base + "_hrp.zip");
  GameLine line = TcFolderSwitch(programFolder);
  if (hrp) line += file("-g", base + "_hrp.zip");
  if (!entry->scriptFile.empty()) line += file("-x", entry->scriptFile);
  if (!entry->defFile.empty() && !hrp) line += file("-h", entry->defFile);
  line += file("-g", entry->groupFile);
  if (map.empty() && !entry->mapFile.empty()) line += MapSwitch(entry->mapFile);
  return line;
}

}  // namespace tv
