#pragma once
// The pieces of the game's parameters. The game gets a list of arguments,
// each switch with its whole value, spaces and all. The text that is shown and
// recorded is made from the same list: every argument keeps the spaces it has
// always been written with, so where two pieces meet the text may carry two
// spaces, and nothing in it is ever quoted, not even paths.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"
#include "settings/GameData.h"

namespace tv {

// A TC list row text containing this is a separator, never a TC.
inline constexpr std::string_view kTcSeparatorMark = "-------------";

// The game's parameters: arguments in order, each with the spaces written
// before and after it in the text.
class GameLine {
 public:
  GameLine() = default;
  static GameLine Argument(std::string value, int spacesBefore = 0, int spacesAfter = 0);
  // Switches of this program's own making that never hold a space, such as
  // " -v2 -l05": runs of spaces separate them and are kept for the text.
  static GameLine OwnSwitches(std::string_view text);

  GameLine& operator+=(const GameLine& more);
  friend GameLine operator+(GameLine a, const GameLine& b) { return a += b; }

  bool Empty() const { return m_pieces.empty(); }
  // What the game gets; an empty value is no argument.
  std::vector<std::string> Arguments() const;
  // What is shown and recorded: each argument with its spaces.
  std::string Text() const;
  // The text ends with a space, so that the next piece stays apart in it.
  void EndApart();

 private:
  struct Piece {
    std::string value;
    int before = 0, after = 0;
  };
  std::vector<Piece> m_pieces;
};

// "-j" + program folder + map folder + " "
GameLine MapFolderSwitch(const std::string& programFolder, const std::string& mapFolder);
// "-j" + program folder + "Games" + " "
GameLine TcFolderSwitch(const std::string& programFolder);
// "-map " + map, as the map list shows it.
GameLine MapSwitch(const std::string& map);
// " /s" + skill
GameLine SkillSwitch(const std::string& skillLevel);
// "-music " + music file + " ", put in front of the map switch.
GameLine MusicPrefix(const std::string& musicFile);
// " -m" or "".
GameLine NoMonstersSwitch(bool noMonsters);
// " /" + slot
GameLine SavedGameSlotSwitch(int slot);
// " -map " + map: the extra map of a TC play.
GameLine TcMapSwitch(const std::string& map);

// The skill box: "Skill Level 1".."Skill Level 4" give "1".."4", anything else "3".
std::string SkillLevelFromBox(std::string_view boxText);
std::string SkillBoxText(const std::string& skillLevel);

// The group, definition and script switches of the files lying beside a user
// map in program folder + map folder. Names are given without folder: the
// map-folder switch tells the game where they are.
GameLine BuildMapExtras(FileSystem& fs, const std::string& programFolder, const std::string& mapFolder,
                        const std::string& map);

// The TC part of the line for the first entry named tc (exact) that has a
// group file; empty when there is none. The entry's own start map is added
// only when no map is given. gamesFolder has no separator at its end.
GameLine BuildTCCommandLine(FileSystem& fs, const std::string& programFolder, const std::string& gamesFolder,
                            std::span<const TcRecord> tcs, const std::string& tc, const std::string& map);

}  // namespace tv
