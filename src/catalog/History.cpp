#include "catalog/History.h"

#include <array>

#include "catalog/Opinion.h"
#include "platform/Text.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

using Slots = std::array<std::string, kHistorySlots>;

Slots ReadSlots(const IniFile& ini) {
  Slots slots;
  for (int i = 0; i < kHistorySlots; ++i)
    slots[std::size_t(i)] = MapNameFromCommand(ini.ReadString(kHistorySection, HistoryKey(i), ""));
  return slots;
}


}  // namespace

std::string HistoryKey(int slot) { return "PlayedMaps[" + Dec(slot) + "]"; }

std::string MapNameFromCommand(std::string_view s) {
  // The switch is looked for with its space, so that a name such as
  // "Re-Mapped.map" is not taken for a command.
  if (const std::size_t at = FindNoCase(s, "-map "); at != std::string_view::npos) s.remove_prefix(at + 5);
  // The name runs to its ".map" ending even when it holds other dots; a name
  // without one is cut three characters after its first dot.
  const std::size_t ending = Lower(s).rfind(".map");
  if (ending != std::string_view::npos) return std::string(s.substr(0, ending + 4));
  const std::size_t dot = s.find('.');
  return std::string(s.substr(0, dot == std::string_view::npos ? 3 : dot + 4));
}

void AddToHistory(FileSystem& fs, const std::string& settingsPath, std::string_view command) {
  const std::string name = MapNameFromCommand(command);
  if (name.empty()) return;
  IniFile ini(fs, settingsPath, IniFile::Writes::Deferred);
  Slots slots = ReadSlots(ini);
  for (int i = 0; i < kHistorySlots; ++i) {
    if (slots[std::size_t(i)] == name) {
      ini.WriteString(kHistorySection, HistoryKey(i), name);
      ini.Flush();
      return;
    }
  }
  if (!slots.back().empty()) {
    std::move(slots.begin() + 1, slots.end(), slots.begin());
    slots.back().clear();
  }
  for (std::string& slot : slots) {
    if (slot.empty()) {
      slot = name;
      break;
    }
  }
  for (int i = 0; i < kHistorySlots; ++i) ini.WriteString(kHistorySection, HistoryKey(i), slots[std::size_t(i)]);
  ini.Flush();
}

std::vector<std::string> ReadHistory(FileSystem& fs, const std::string& settingsPath) {
  std::vector<std::string> names;
  for (std::string& name : ReadSlots(IniFile(fs, settingsPath)))
    if (!name.empty()) names.push_back(std::move(name));
  return names;
}

long HistoryOpinion(const std::vector<std::string>& mapNames, std::string_view name,
                    const std::function<long(const std::string& mapName)>& opinionOf) {
  for (const std::string& mapName : mapNames) {
    if (mapName.empty()) break;
    if (EqualsNoCase(mapName, name)) return opinionOf(mapName);
  }
  return 0;
}

Rgb HistoryColour(long opinion) {
  // The first five colours of the opinion table; the history shows no others.
  return opinion >= 1 && opinion <= 4 ? OpinionColor(int(opinion)) : OpinionColor(0);
}

}  // namespace tv
