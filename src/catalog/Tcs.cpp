#include "catalog/Tcs.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/RunTimeError.h"
#include "platform/Text.h"

namespace tv {
namespace {

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.size() < 4 ? 0 : name.size() - 4); }

// A decimal number with an optional sign that fits an int, else nothing.
bool ParseDecimal(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+' && ++first != last && *first == '-') return false;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

std::string Rest(const std::string& value) { return value.size() > 2 ? value.substr(2) : std::string(); }

bool Printable(unsigned char b) { return b >= 32 && b <= 127; }

}  // namespace

// The folder as it is on disk ("games" for "Games"): every path made from it
// then names a file that exists.
TcFolder::TcFolder(FileSystem& fs, std::string path) : m_path(fs.Resolve(path)) {
  m_exists = fs.FolderExists(m_path);
  if (!m_exists) return;
  for (const std::string& name : fs.List(m_path, "*")) {
    m_upper.emplace(Upper(name), name);
    m_exact.insert(name);
  }
}

bool TcFolder::Holds(std::string_view name) const {
  return m_exact.contains(std::string(name)) || m_upper.contains(Upper(name));
}

std::string TcFolder::PathOf(std::string_view name) const {
  std::string key(name);
  if (m_exact.contains(key)) return m_path + kSep + key;
  const auto loose = m_upper.find(Upper(name));
  return m_path + kSep + (loose == m_upper.end() ? key : loose->second);
}

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

std::vector<std::string> TcListRows(const std::vector<TcRecord>& tcs) {
  std::vector<std::string> rows;
  for (const TcRecord& tc : tcs)
    if (!tc.displayName.empty()) rows.push_back(tc.displayName);
  return rows;
}

int TcRowToSelect(const std::string& lastPlayedTC, std::size_t rowCount) {
  if (lastPlayedTC.empty()) return -1;
  int row = 0;
  if (!ParseDecimal(lastPlayedTC, row)) throw NotValidInteger(lastPlayedTC);
  return row >= 0 && std::size_t(row) < rowCount ? row : -1;
}

int TcOpinionCode(const std::string& opinion) {
  int code = 0;
  return ParseDecimal(opinion, code) ? code : 0;
}

std::string TcOpinionKey(std::size_t index) { return std::string(index < 10 ? "TC_0" : "TC_") + Dec(long(index)); }

void PackTCOpinions(IniFile& ini) {
  std::vector<std::string> read;
  for (std::size_t i = 0; i < kMaxTcs; ++i) {
    std::string value = ini.ReadString(kTcOpinionSection, TcOpinionKey(i), "");
    if (value.empty()) break;
    read.push_back(std::move(value));
  }
  std::vector<std::string> kept;
  for (const std::string& v : read)
    if (v.front() != '0') kept.push_back(v);
  // Already packed: leave the file alone rather than rewrite it at every pass.
  if (kept.size() == read.size()) return;
  for (std::size_t i = 0; i < read.size(); ++i) ini.DeleteKey(kTcOpinionSection, TcOpinionKey(i));
  for (std::size_t i = 0; i < kept.size(); ++i) ini.WriteString(kTcOpinionSection, TcOpinionKey(i), kept[i]);
}

std::vector<TcRowOpinion> LoadTCOpinions(IniFile& ini, const std::vector<TcRecord>& tcs,
                                         const std::vector<std::string>& rows) {
  std::vector<TcRowOpinion> opinions;
  for (std::size_t i = 0; i < kMaxTcs; ++i) {
    const std::string key = TcOpinionKey(i);
    const std::string value = ini.ReadString(kTcOpinionSection, key, "");
    if (value.empty()) continue;
    const char code = value.front();
    const std::string rest = Rest(value);
    std::string name = Upper(rest);
    if (Contains(name, ".GRP") || Contains(name, ".ZIP")) {
      name.resize(name.size() - 4);
      for (const TcRecord& tc : tcs) {
        if (!EqualsNoCase(tc.groupFile, rest)) continue;
        name = Upper(tc.displayName);
        break;
      }
    } else {
      // The older form named the TC by its display name.
      for (const TcRecord& tc : tcs) {
        if (Upper(tc.displayName) != name) continue;
        ini.WriteString(kTcOpinionSection, key, std::string(1, code) + " " + tc.groupFile);
        break;
      }
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (Upper(rows[row]) != name) continue;
      opinions.push_back({row, code});
      break;
    }
  }
  return opinions;
}

void StoreTCOpinion(IniFile& ini, const std::vector<TcRecord>& tcs, std::size_t rowCount, const std::string& text) {
  const std::string code = text.substr(0, 1);
  std::string name = Rest(text);
  for (const TcRecord& tc : tcs) {
    if (!EqualsNoCase(tc.displayName, name)) continue;
    name = tc.groupFile;
    break;
  }
  const std::string entry = code + " " + name;
  for (std::size_t i = 0; i < rowCount && i < kMaxTcs; ++i) {
    const std::string value = ini.ReadString(kTcOpinionSection, TcOpinionKey(i), "");
    if (value.empty() || !EqualsNoCase(Rest(value), name)) continue;
    ini.WriteString(kTcOpinionSection, TcOpinionKey(i), entry);
    return;
  }
  for (std::size_t i = 0; i < kMaxTcs; ++i) {
    const std::string value = ini.ReadString(kTcOpinionSection, TcOpinionKey(i), "");
    if (!value.empty() && value != "0") continue;
    ini.WriteString(kTcOpinionSection, TcOpinionKey(i), entry);
    return;
  }
}

std::vector<std::string> LevelNamesInGrp(std::string_view head) {
  head = head.substr(0, kGrpLevelBytes);
  std::array<char, kGrpLevelBytes> buffer{};
  std::copy(head.begin(), head.end(), buffer.begin());
  const long entries = long(head.size() / 16) - 16;
  std::vector<std::string> names;
  for (long k = 0; k < entries; ++k) {
    const std::size_t at = 16 + 16 * std::size_t(k);
    if (!Printable(static_cast<unsigned char>(buffer[at]))) break;
    std::string name;
    for (std::size_t i = at; i < at + 12 && Printable(static_cast<unsigned char>(buffer[i])); ++i) name += buffer[i];
    name = Upper(name);
    // ".MAP" with at least one character before it.
    const std::size_t dot = name.find(".MAP");
    if (dot != std::string::npos && dot >= 1) names.push_back(name.substr(0, dot));
  }
  return names;
}

bool ZipLevelScan::Feed(std::string_view bytes) {
  if (m_done) return false;
  // A name lies at most 29 bytes before its ".map"; older text can go.
  constexpr std::size_t kKeep = 32;
  if (m_text.size() > kKeep) {
    const std::size_t drop = m_text.size() - kKeep;
    m_text.erase(0, drop);
    m_from = m_from > drop ? m_from - drop : 0;
  }
  const std::size_t start = m_text.size();
  m_text.append(bytes);
  for (std::size_t i = start; i < m_text.size(); ++i) {
    const auto b = static_cast<unsigned char>(m_text[i]);
    m_text[i] = (b < 32 || b > 122) ? '\n' : LowerAZ(m_text[i]);
  }
  for (; m_passes < kZipLevelPasses; ++m_passes) {
    const std::size_t p = m_text.find(".map", m_from);
    if (p == std::string::npos) {
      // A ".map" may begin in the last three bytes and end in the next piece.
      m_from = std::max(m_from, m_text.size() < 3 ? 0 : m_text.size() - 3);
      return true;
    }
    // The nearest space or control byte within the 29 bytes before p.
    std::size_t q = std::string::npos;
    for (std::size_t back = 1; back < 30 && back <= p; ++back) {
      if (static_cast<unsigned char>(m_text[p - back]) <= 32) {
        q = p - back;
        break;
      }
    }
    // Without one this ".map" would be found again by every later pass.
    if (q == std::string::npos) break;
    // The next pass finds the next ".map": the "." at p no longer counts.
    m_from = p + 1;
    const std::string name = Upper(std::string_view(m_text).substr(q + 1, p - q - 1));
    if (!name.empty() && std::find(m_names.begin(), m_names.end(), name) == m_names.end()) m_names.push_back(name);
  }
  m_done = true;
  return false;
}

std::vector<std::string> LevelNamesInZip(std::string_view bytes) {
  ZipLevelScan scan;
  scan.Feed(bytes);
  return scan.Names();
}

std::vector<std::string> LevelNamesInZipFile(FileSystem& fs, const std::string& path) {
  constexpr std::size_t kPiece = 1 << 20;
  ZipLevelScan scan;
  for (std::uint64_t offset = 0;; offset += kPiece) {
    const std::string piece = fs.ReadBytes(path, offset, kPiece);
    if (!scan.Feed(piece) || piece.size() < kPiece) break;
  }
  return scan.Names();
}

}  // namespace tv
