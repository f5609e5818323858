#include "settings/Settings.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace tv {
namespace {

// A key's value as the file holds it: text, number or flag.
using Value = std::variant<std::string_view, long, bool>;
// The member of Record a key fills, of the same kind as its default.
template <class Record>
using Member = std::variant<std::monostate, std::string Record::*, long Record::*, bool Record::*>;

template <class Record>
struct Key {
  const char* name;
  Value def;  // what a missing key reads as
  Member<Record> member;
  int writePlace;  // place among the keys written; -1 for a key never written
  std::string MainKeysRead::*reported = nullptr;  // read into the pass's result instead of into memory
};

using namespace std::string_view_literals;

// In the order they are read.
constexpr Key<NetworkSettings> kNetworkKeys[] = {
    {"Nickname", ""sv, &NetworkSettings::nickname, 0},
    {"OpponentIP", ""sv, &NetworkSettings::opponentIp, 1},
    {"Dedicated", false, &NetworkSettings::dedicated, 2},
    {"NumPlayers", 2L, &NetworkSettings::numPlayers, 3},
};

// In the order they are read; the remembered maps per folder (FolderMap0..6)
// are read on their own and written after these.
constexpr Key<Settings> kMainKeys[] = {
    {"DukeFilename", "Duke3dw.exe"sv, &Settings::dukeFilename, 0},
    {"Initialized", ""sv, {}, -1, &MainKeysRead::initialized},
    {"LastPlayedTC", ""sv, &Settings::lastPlayedTC, 1},
    {"LastPlayedMap", ""sv, &Settings::lastPlayedMap, 2},
    {"LastMapFolder", 0L, &Settings::lastMapFolder, 3},
    {"SkillLevel", "3"sv, &Settings::skillLevel, 4},
    {"NoMonsters", false, &Settings::noMonsters, 5},
    {"MapSetupDone", false, &Settings::mapSetupDone, 6},
    {"SortedMaps", 0L, &Settings::sortedMaps, 8},
    {"OpinionPath", ""sv, &Settings::opinionPath, -1},
    // Read for the skin to apply, which then writes its own name.
    {"SkinColor", "Black"sv, &Settings::skinColor, 7, &MainKeysRead::skinColor},
};

template <class Record, std::size_t N>
constexpr bool WellFormed(const Key<Record> (&keys)[N]) {
  std::size_t written = 0;
  for (const Key<Record>& k : keys) {
    if (k.writePlace >= 0) ++written;
    // A key with a member holds that member's kind; one without is text
    // reported to the caller.
    if (k.member.index() != 0 && k.member.index() != k.def.index() + 1) return false;
    if (k.member.index() == 0 && k.reported == nullptr) return false;
    if (k.reported != nullptr && k.def.index() != 0) return false;
  }
  bool taken[N] = {};
  for (const Key<Record>& k : keys) {
    if (k.writePlace < 0) continue;
    if (std::size_t(k.writePlace) >= written || taken[k.writePlace]) return false;
    taken[k.writePlace] = true;
  }
  return true;
}
static_assert(WellFormed(kNetworkKeys) && WellFormed(kMainKeys),
              "each default fits its member, and the written keys have places 0, 1, 2...");

// The default of a member of type T, as the table holds it.
template <class T>
using DefaultOf = std::conditional_t<std::is_same_v<T, std::string>, std::string_view, T>;

std::string Get(const IniFile& ini, const char* section, const char* name, std::string_view def) {
  return ini.ReadString(section, name, def);
}
long Get(const IniFile& ini, const char* section, const char* name, long def) {
  return ini.ReadInteger(section, name, def);
}
bool Get(const IniFile& ini, const char* section, const char* name, bool def) {
  return ini.ReadBool(section, name, def);
}
void Put(IniFile& ini, const char* section, const char* name, const std::string& value) {
  ini.WriteString(section, name, value);
}
void Put(IniFile& ini, const char* section, const char* name, long value) { ini.WriteInteger(section, name, value); }
void Put(IniFile& ini, const char* section, const char* name, bool value) { ini.WriteBool(section, name, value); }

// Calls f(member) with the member k fills, when it fills one.
template <class Record, class F>
void WithMember(const Key<Record>& k, F f) {
  std::visit(
      [&](auto member) {
        if constexpr (!std::is_same_v<decltype(member), std::monostate>) f(member);
      },
      k.member);
}

template <class Record>
void Read(const IniFile& ini, const char* section, const Key<Record>& k, Record& r, MainKeysRead* read) {
  if (k.reported != nullptr) {
    read->*k.reported = Get(ini, section, k.name, std::get<std::string_view>(k.def));
    return;
  }
  WithMember(k, [&](auto member) {
    using T = std::remove_reference_t<decltype(r.*member)>;
    r.*member = Get(ini, section, k.name, std::get<DefaultOf<T>>(k.def));
  });
}

template <class Record, std::size_t N>
void Write(IniFile& ini, const char* section, const Key<Record> (&keys)[N], const Record& r) {
  for (int place = 0; place < int(N); ++place)
    for (const Key<Record>& k : keys)
      if (k.writePlace == place) WithMember(k, [&](auto member) { Put(ini, section, k.name, r.*member); });
}

}  // namespace

Settings::Settings() {
  for (const Key<Settings>& k : kMainKeys) {
    WithMember(k, [&](auto member) {
      using T = std::remove_reference_t<decltype(this->*member)>;
      this->*member = T(std::get<DefaultOf<T>>(k.def));
    });
  }
}

std::string FolderMapKey(int slot) { return "FolderMap" + std::to_string(slot); }

void ReadNetworkSettings(const IniFile& ini, NetworkSettings& n) {
  for (const Key<NetworkSettings>& k : kNetworkKeys) Read(ini, kNetworkSection, k, n, nullptr);
}

MainKeysRead ReadMainSettings(const IniFile& ini, Settings& s) {
  MainKeysRead read;
  for (const Key<Settings>& k : kMainKeys) Read(ini, kMainSection, k, s, &read);
  return read;
}

void ReadFolderMaps(const IniFile& ini, Settings& s) {
  for (int i = 0; i < 7; ++i) s.folderMap[std::size_t(i)] = ini.ReadString(kMainSection, FolderMapKey(i), "");
}

void WriteSettings(IniFile& ini, const Settings& s) {
  Write(ini, kMainSection, kMainKeys, s);
  for (int i = 0; i < 7; ++i) ini.WriteString(kMainSection, FolderMapKey(i), s.folderMap[std::size_t(i)]);
}

void WriteNetworkSettings(IniFile& ini, const NetworkSettings& n) { Write(ini, kNetworkSection, kNetworkKeys, n); }

}  // namespace tv
