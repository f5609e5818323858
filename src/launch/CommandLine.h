#pragma once
// The pieces of the game's parameter text. Each is written exactly as the game
// expects it, leading and trailing spaces included: where two pieces meet the
// line may carry two spaces, and nothing is ever quoted, not even paths.
#include <span>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace tv {

// A TC list row text containing this is a separator, never a TC.
inline constexpr std::string_view kTcSeparatorMark = "-------------";

// "-j" + program folder + map folder + " "
std::string MapFolderSwitch(const std::string& programFolder, const std::string& mapFolder);
// "-j" + program folder + "Games" + " "
std::string TcFolderSwitch(const std::string& programFolder);
// "-map " + map, as the map list shows it.
std::string MapSwitch(const std::string& map);
// " /s" + skill
std::string SkillSwitch(const std::string& skillLevel);
// "-music " + music file + " ", put in front of the map switch.
std::string MusicPrefix(const std::string& musicFile);
// " -m" or "".
std::string NoMonstersSwitch(bool noMonsters);
// " /" + slot
std::string SavedGameSlotSwitch(int slot);
// " -map " + map: the extra map of a TC play.
std::string TcMapSwitch(const std::string& map);

// The skill box: "Skill Level 1".."Skill Level 4" give "1".."4", anything else "3".
std::string SkillLevelFromBox(std::string_view boxText);
std::string SkillBoxText(const std::string& skillLevel);

// The group, definition and script switches of the files lying beside a user
// map in program folder + map folder. Names are given without folder: the
// map-folder switch tells the game where they are.
std::string BuildMapExtras(FileSystem& fs, const std::string& programFolder, const std::string& mapFolder,
                           const std::string& map);

// What the TC line needs of a TC table entry; empty fields are empty texts.
struct TcLine {
  std::string displayName, groupFile, scriptFile, defFile, mapFile;
};

// The TC part of the line for the first entry named tc (exact) that has a
// group file; empty when there is none. The entry's own start map is added
// only when no map is given. gamesFolder has no separator at its end.
std::string BuildTCCommandLine(FileSystem& fs, const std::string& programFolder, const std::string& gamesFolder,
                               std::span<const TcLine> tcs, const std::string& tc, const std::string& map);

}  // namespace tv
