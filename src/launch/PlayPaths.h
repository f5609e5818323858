#pragma once
// Each play path of the main window as one composition: from the user's choice
// and the program's state to either the program and its arguments to launch
// or a refusal. The caller plays the beep, shows the message, minimises, launches
// and records the history as the result says.
#include <functional>
#include <span>
#include <string>

#include "launch/CommandLine.h"
#include "launch/GameRole.h"
#include "platform/Beep.h"

namespace tv {

// The game data found beside the program, as far as playing is concerned.
enum class PlayEdition { Full, SmallerFull, Shareware, None };

inline constexpr const char* kNoDataMessage = "Duke3d files not found!";
inline constexpr const char* kSharewareMapsMessage = "Maps cannot be played using the\nShareware Version of Duke3D.";
inline constexpr const char* kTcNeedsFullMessage =
    "Total Conversions can only be played when\nusing the full version of Duke3D.";
inline constexpr const char* kMapNotFoundMessage = "Map not found!";

struct PlayResult {
  enum class Kind { Launch, Refused, Nothing };
  Kind kind = Kind::Nothing;

  // Refused: the beep, then the message when there is one.
  BeepKind beep = BeepKind::Default;
  std::string message;

  // Launch: LaunchGame(program, parameters), minimising the launcher first
  // when asked; afterwards untick the association box when asked and hand
  // historyCommand (the text of the map's switches) to the play history.
  std::string program;
  GameLine parameters;
  bool minimise = false;
  bool untickAssociation = false;
  std::string historyCommand;

  static PlayResult Refuse(std::string text = "") {
    PlayResult r;
    r.kind = Kind::Refused;
    r.message = std::move(text);
    return r;
  }
};

// What every path may read.
struct PlayContext {
  PlayEdition edition = PlayEdition::None;
  std::string dukeFilename;
  std::string programFolder;  // ends with the separator
  GameRole role = GameRole::Single;
  std::string nickname;
  std::string opponentIp;
  GameLine networkTail;
  // Set while a saved game is chosen. Taking the switch resets the saved-game
  // box and minimises the launcher, so a path calls it at most once, and only
  // once nothing can refuse any more.
  std::function<GameLine()> savedGameSwitch;
};

// The TC list and table, for the paths that play a TC.
struct TcChoice {
  std::string selectedRow;  // text of the selected TC list row, "" when none
  std::span<const TcLine> tcs;
  std::string gamesFolder;  // no separator at its end
};

struct UserMapInputs {
  PlayContext play;
  std::string mapFolder;  // the current map folder's name, such as "Maps"
  std::string map;        // the selected map list row, "" when none
  std::string skillLevel;
  bool noMonsters = false;
  std::string musicFile;   // the one-shot map music, "" when none
  bool associate = false;  // "Associate Map with TC" ticked
  TcChoice tc;
};

// " Play User Map".
PlayResult ComposeUserMap(FileSystem& fs, const UserMapInputs& in);
// " Play User Addon ", the TC list's double click (map "") and "Play TC Level" (the chosen level file).
PlayResult ComposeTc(FileSystem& fs, const PlayContext& play, const TcChoice& tc, const std::string& map);
// The large play button: the title screen, or the chosen saved game.
PlayResult ComposeTitle(const PlayContext& play);
// "Play Level" once the level chooser has returned its switches ("" when cancelled).
// The level switches are the chooser's own, such as " -v2 -l05".
PlayResult ComposeLevel(const std::string& dukeFilename, const std::string& levelSwitches,
                        const std::string& skillLevel, bool noMonsters);

}  // namespace tv
