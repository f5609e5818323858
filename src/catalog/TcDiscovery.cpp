#include "catalog/TcDiscovery.h"

#include "platform/Text.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.size() < 4 ? 0 : name.size() - 4); }

}  // namespace

std::vector<std::string> FindInTC(FileSystem& fs, GroupScanCache& scans, const TcFolder& games,
                                  const std::string& groupFile, const std::vector<std::string>& exts) {
  const std::string base = Lower(WithoutExtension(groupFile));
  std::vector<std::string> results(exts.size());
  std::vector<bool> settled(exts.size(), false);
  if (exts.empty()) return results;

  if (games.Holds(base + ".bat")) {
    std::vector<std::string> targets;
    for (const std::string& ext : exts) targets.push_back(base + ext);
    const std::vector<bool> named = scans.Contains(fs, games.PathOf(base + ".bat"), ScanKind::Batch, targets);
    for (std::size_t i = 0; i < exts.size(); ++i) {
      // A TC started by its batch file takes no map from its group file.
      settled[i] = exts[i] == ".map" || named[i];
      if (named[i] && exts[i] != ".map") results[i] = targets[i];
    }
  }

  std::vector<std::string> targets;
  std::vector<std::size_t> asked;
  for (std::size_t i = 0; i < exts.size(); ++i) {
    if (settled[i]) continue;
    targets.push_back(base + exts[i]);
    asked.push_back(i);
  }
  if (targets.empty() || !games.Holds(groupFile)) return results;
  const ScanKind kind = Contains(groupFile, ".grp") ? ScanKind::Group : ScanKind::Zip;
  const std::vector<bool> named = scans.Contains(fs, games.PathOf(groupFile), kind, targets);
  for (std::size_t k = 0; k < asked.size(); ++k)
    if (named[k]) results[asked[k]] = targets[k];
  return results;
}

std::vector<TcRecord> DiscoverTCs(FileSystem& fs, GroupScanCache& scans, const std::string& gamesFolder,
                                  const std::vector<std::string>& groupListing) {
  std::vector<TcRecord> tcs;
  if (groupListing.empty()) return tcs;
  // Listed once: no companion file is written while discovery runs. The
  // settings files are, so those are looked up on their own.
  const TcFolder games(fs, gamesFolder);
  if (!games.Exists()) return tcs;

  for (const std::string& listed : groupListing) {
    const std::string lower = Lower(listed);
    if (lower == "duke3d.grp" || lower == "duke3dw.grp" || Contains(lower, "_hrp")) continue;
    TcRecord tc;
    tc.groupFile = Capitalized(lower);
    const std::string base = WithoutExtension(tc.groupFile);
    const std::string section = base + ".Options";
    IniFile ini(fs, games.PathOf(base + ".ini"), IniFile::Writes::Deferred);

    tc.displayName = ini.ReadString(section, "GameNAME", "");
    if (tc.displayName.empty()) tc.displayName = base;
    tc.scriptFile = ini.ReadString(section, "CON_File", "");
    tc.hrpFile = ini.ReadString(section, "HRP_File", "");
    if (tc.hrpFile.empty() && games.Holds(base + "_hrp.zip")) tc.hrpFile = base + "_hrp.zip";
    tc.defFile = ini.ReadString(section, "DEF_File", "");
    tc.mapFile = ini.ReadString(section, "MAP_File", "");

    // The group file is scanned once for every name still missing.
    const bool needScript = tc.scriptFile.empty();
    const bool defBeside = tc.defFile.empty() && games.Holds(base + ".def");
    if (defBeside) tc.defFile = base + ".def";
    const bool needDef = tc.defFile.empty();
    const bool needMap = tc.mapFile.empty();
    std::vector<std::string> exts;
    if (needScript) exts.push_back(".con");
    if (needDef) exts.push_back(".def");
    if (needMap) exts.push_back(".map");
    const std::vector<std::string> found = FindInTC(fs, scans, games, tc.groupFile, exts);
    std::size_t next = 0;
    if (needScript) {
      if (games.Holds(base + ".gam")) {
        tc.scriptFile = base + ".gam";
      } else if (games.Holds(base + ".con")) {
        tc.scriptFile = base + ".con";
      }
      // A script the group file names wins over a ".gam" beside it.
      if (!found[next++].empty()) tc.scriptFile = base + ".con";
    }
    if (needDef) tc.defFile = found[next++];
    if (needMap) tc.mapFile = found[next++];

    if (!ini.FileExisted()) {
      ini.WriteString(section, "GameName", tc.displayName);
      ini.WriteString(section, "GRP_File", tc.groupFile);
      ini.WriteString(section, "CON_File", tc.scriptFile);
      ini.WriteString(section, "HRP_File", tc.hrpFile);
      ini.WriteString(section, "DEF_File", tc.defFile);
      ini.WriteString(section, "MAP_File", tc.mapFile);
      ini.Flush();
    }
    tcs.push_back(std::move(tc));
    if (tcs.size() == kMaxTcs) break;
  }
  return tcs;
}

}  // namespace tv
