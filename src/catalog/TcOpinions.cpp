#include "catalog/TcOpinions.h"

#include "platform/Text.h"

namespace tv {
namespace {

std::string Rest(const std::string& value) { return value.size() > 2 ? value.substr(2) : std::string(); }

}  // namespace

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

}  // namespace tv
