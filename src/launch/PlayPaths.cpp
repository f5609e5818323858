#include "launch/PlayPaths.h"

namespace tv {
namespace {

PlayResult Launch(const std::string& program, GameLine parameters, bool minimise = false) {
  PlayResult r;
  r.kind = PlayResult::Kind::Launch;
  r.program = program;
  r.parameters = std::move(parameters);
  r.minimise = minimise;
  return r;
}

bool IsTcRow(const std::string& row) { return !row.empty() && row.find(kTcSeparatorMark) == std::string::npos; }

bool WithTail(const PlayContext& play) { return NetworkLaunch(play.role, play.nickname, play.opponentIp); }

// The switch of the chosen saved game, "" when there is none or it is no longer listed.
GameLine SavedGameLine(const PlayContext& play) { return play.savedGame.value_or(GameLine()); }

// A launch that loads the chosen saved game resets the box and minimises.
PlayResult LoadingSavedGame(PlayResult r, const PlayContext& play) {
  if (r.kind == PlayResult::Kind::Launch && !SavedGameLine(play).Empty()) r.clearSavedGame = r.minimise = true;
  return r;
}

// The map inside the selected TC: the TC's own start map gives way to the
// chosen one, and the map folder's switch follows the TC's, a space apart.
PlayResult AssociatedMap(FileSystem& fs, const UserMapInputs& in, const GameLine& mp) {
  if (!IsTcRow(in.tc.selectedRow)) return PlayResult::Refuse();
  const GameLine t =
      BuildTCCommandLine(fs, in.play.programFolder, in.tc.gamesFolder, in.tc.tcs, in.tc.selectedRow, in.map);
  if (t.Empty()) return {};
  const GameLine apart = GameLine::Argument("", 0, 1);
  PlayResult r =
      Launch(in.play.dukeFilename, t + apart + MapFolderSwitch(in.play.programFolder, in.mapFolder) + mp, true);
  r.untickAssociation = true;
  return r;
}

}  // namespace

PlayResult ComposeUserMap(FileSystem& fs, const UserMapInputs& in) {
  const PlayContext& play = in.play;
  if (play.edition == GameEdition::Shareware) return PlayResult::Refuse(kSharewareMapsMessage);
  if (play.edition == GameEdition::NoData) return PlayResult::Refuse(kNoDataMessage);
  if (in.map.empty()) return PlayResult::Refuse(kMapNotFoundMessage);

  GameLine extras = BuildMapExtras(fs, play.programFolder, in.mapFolder, in.map);
  GameLine m = NoMonstersSwitch(in.noMonsters);
  GameLine mp = MapSwitch(in.map);
  // Skill and music belong to a single game only.
  if (play.role == GameRole::Single) {
    mp += SkillSwitch(in.skillLevel);
    if (!in.musicFile.empty()) mp = MusicPrefix(in.musicFile) + mp;
  }

  if (play.savedGame) {
    const GameLine s = SavedGameLine(play);
    extras = s;
    if (!s.Empty()) mp = m = {};
  } else if (in.associate) {
    return AssociatedMap(fs, in, mp);
  }

  const GameLine folder = MapFolderSwitch(play.programFolder, in.mapFolder);
  PlayResult r = Launch(play.dukeFilename, folder + extras + mp + (WithTail(play) ? play.networkTail : m), true);
  r.historyCommand = mp.Text();
  return LoadingSavedGame(r, play);
}

PlayResult ComposeTc(FileSystem& fs, const PlayContext& play, const TcChoice& tc, const std::string& map) {
  if (play.edition == GameEdition::NoData) return PlayResult::Refuse(kNoDataMessage);
  if (play.edition != GameEdition::Full) return PlayResult::Refuse(kTcNeedsFullMessage);
  if (!IsTcRow(tc.selectedRow)) return PlayResult::Refuse();

  GameLine line = BuildTCCommandLine(fs, play.programFolder, tc.gamesFolder, tc.tcs, tc.selectedRow, map);
  if (!map.empty()) line += TcMapSwitch(map);
  if (line.Empty()) return {};
  if (play.savedGame) line += SavedGameLine(play);
  return LoadingSavedGame(Launch(play.dukeFilename, WithTail(play) ? line + play.networkTail : line, true), play);
}

PlayResult ComposeTitle(const PlayContext& play) {
  if (play.edition == GameEdition::NoData) return PlayResult::Refuse(kNoDataMessage);
  // An unmatched saved-game choice starts the game with no parameters.
  if (play.savedGame) return LoadingSavedGame(Launch(play.dukeFilename, SavedGameLine(play)), play);
  return Launch(play.dukeFilename, WithTail(play) ? play.networkTail : GameLine());
}

PlayResult ComposeLevel(const std::string& dukeFilename, const std::string& levelSwitches,
                        const std::string& skillLevel, bool noMonsters) {
  if (levelSwitches.empty()) return {};
  return Launch(dukeFilename,
                GameLine::OwnSwitches(levelSwitches) + SkillSwitch(skillLevel) + NoMonstersSwitch(noMonsters));
}

}  // namespace tv
