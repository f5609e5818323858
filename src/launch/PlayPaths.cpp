#include "launch/PlayPaths.h"

namespace tv {
namespace {

PlayResult Launch(const std::string& program, std::string parameters, bool minimise = false) {
  PlayResult r;
  r.kind = PlayResult::Kind::Launch;
  r.program = program;
  r.parameters = std::move(parameters);
  r.minimise = minimise;
  return r;
}

bool IsTcRow(const std::string& row) { return !row.empty() && row.find(kTcSeparatorMark) == std::string::npos; }

bool WithTail(const PlayContext& play) { return NetworkLaunch(play.role, play.nickname, play.opponentIp); }

// The map inside the selected TC: the TC's own start map gives way to the
// chosen one. The search starts behind the folder switch, so a program folder
// whose path happens to contain "-map" is not cut.
PlayResult AssociatedMap(FileSystem& fs, const UserMapInputs& in, const std::string& mp) {
  if (!IsTcRow(in.tc.selectedRow)) return PlayResult::Refuse();
  std::string t = BuildTCCommandLine(fs, in.play.programFolder, in.tc.gamesFolder, in.tc.tcs, in.tc.selectedRow, "");
  if (t.empty()) return {};
  const std::size_t cut = t.find("-map", TcFolderSwitch(in.play.programFolder).size());
  if (cut != std::string::npos) t.resize(cut);
  PlayResult r =
      Launch(in.play.dukeFilename, t + " " + MapFolderSwitch(in.play.programFolder, in.mapFolder) + mp, true);
  r.untickAssociation = true;
  return r;
}

}  // namespace

PlayResult ComposeUserMap(FileSystem& fs, const UserMapInputs& in) {
  const PlayContext& play = in.play;
  if (play.edition == PlayEdition::Shareware) return PlayResult::Refuse(kSharewareMapsMessage);
  if (play.edition == PlayEdition::None) return PlayResult::Refuse(kNoDataMessage);
  if (in.map.empty()) return PlayResult::Refuse(kMapNotFoundMessage);

  std::string extras = BuildMapExtras(fs, play.programFolder, in.mapFolder, in.map);
  std::string m = NoMonstersSwitch(in.noMonsters);
  std::string mp = MapSwitch(in.map);
  // Skill and music belong to a single game only.
  if (play.role == GameRole::Single) {
    mp += SkillSwitch(in.skillLevel);
    if (!in.musicFile.empty()) mp = MusicPrefix(in.musicFile) + mp;
  }

  if (play.savedGameSwitch) {
    const std::string s = play.savedGameSwitch();
    extras = s;
    if (!s.empty()) mp = m = "";
  } else if (in.associate) {
    return AssociatedMap(fs, in, mp);
  }

  const std::string folder = MapFolderSwitch(play.programFolder, in.mapFolder);
  PlayResult r = Launch(play.dukeFilename, folder + extras + mp + (WithTail(play) ? play.networkTail : m), true);
  r.historyCommand = mp;
  return r;
}

PlayResult ComposeTc(FileSystem& fs, const PlayContext& play, const TcChoice& tc, const std::string& map) {
  if (play.edition == PlayEdition::None) return PlayResult::Refuse(kNoDataMessage);
  if (play.edition != PlayEdition::Full) return PlayResult::Refuse(kTcNeedsFullMessage);
  if (!IsTcRow(tc.selectedRow)) return PlayResult::Refuse();

  std::string line = BuildTCCommandLine(fs, play.programFolder, tc.gamesFolder, tc.tcs, tc.selectedRow, map);
  if (!map.empty()) line += TcMapSwitch(map);
  if (line.empty()) return {};
  if (play.savedGameSwitch) line += play.savedGameSwitch();
  return Launch(play.dukeFilename, WithTail(play) ? line + play.networkTail : line, true);
}

PlayResult ComposeTitle(const PlayContext& play) {
  if (play.edition == PlayEdition::None) return PlayResult::Refuse(kNoDataMessage);
  // An unmatched saved-game choice starts the game with no parameters.
  if (play.savedGameSwitch) return Launch(play.dukeFilename, play.savedGameSwitch());
  return Launch(play.dukeFilename, WithTail(play) ? play.networkTail : "");
}

PlayResult ComposeLevel(const std::string& dukeFilename, const std::string& levelSwitches,
                        const std::string& skillLevel, bool noMonsters) {
  if (levelSwitches.empty()) return {};
  return Launch(dukeFilename, levelSwitches + SkillSwitch(skillLevel) + NoMonstersSwitch(noMonsters));
}

}  // namespace tv
