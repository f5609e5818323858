#pragma once
// Each play path of the main window as one composition: from the user's choice
// and the program's state to either the program and its arguments to launch
// or a refusal. A composition only reads its inputs: the caller plays the beep,
// shows the message, resets the saved game, minimises, launches and records
// the history as the result says.
#include <optional>
#include <span>
#include <string>

#include "launch/CommandLine.h"
#include "launch/GameRole.h"
#include "platform/Beep.h"
#include "settings/GameData.h"

namespace tv {

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

  // Launch: back to no saved game when asked, then LaunchGame(program,
  // parameters), minimising the launcher first when asked; afterwards untick
  // the association box when asked and hand historyCommand (the text of the
  // map's switches) to the play history.
  std::string program;
  GameLine parameters;
  bool clearSavedGame = false;  // the chosen saved game is being loaded
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
  GameEdition edition = GameEdition::NoData;
  std::string dukeFilename;
  std::string programFolder;  // ends with the separator
  GameRole role = GameRole::Single;
  std::string nickname;
  std::string opponentIp;
  GameLine networkTail;
  // Set while a saved game is chosen: its load switch, empty when the chosen
  // file is no longer listed. A launch that loads it asks for the saved-game
  // box to be reset and the launcher minimised.
  std::optional<GameLine> savedGame;
};

// The TC list and table, for the paths that play a TC.
struct TcChoice {
  std::string selectedRow;  // text of the selected TC list row, "" when none
  std::span<const TcRecord> tcs;
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
