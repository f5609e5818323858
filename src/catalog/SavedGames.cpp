#include "catalog/SavedGames.h"

#include "platform/DateTime.h"
#include "platform/Text.h"

namespace tv {

std::string SavedGameTitle(FileSystem& fs, const std::string& path, std::uint64_t offset) {
  const std::string bytes = fs.ReadBytes(path, offset, 32);
  return bytes.substr(0, bytes.find('\0'));
}

std::optional<int> SavedGameSlot(const std::string& fileName) {
  constexpr std::size_t kPrefix = 4;
  if (fileName.size() <= kPrefix + 4 || Lower(fileName.substr(fileName.size() - 4)) != ".sav") return std::nullopt;
  const std::string digits = fileName.substr(kPrefix, fileName.size() - kPrefix - 4);
  if (digits.size() > 9 || (digits.size() > 1 && digits.front() == '0')) return std::nullopt;
  int slot = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    slot = slot * 10 + (c - '0');
  }
  return slot;
}

std::uint32_t PackedFileTime(std::time_t time) {
  const std::tm t = LocalTime(time);
  if (t.tm_year < 80) return 0;
  return std::uint32_t(t.tm_year - 80) << 25 | std::uint32_t(t.tm_mon + 1) << 21 | std::uint32_t(t.tm_mday) << 16 |
         std::uint32_t(t.tm_hour) << 11 | std::uint32_t(t.tm_min) << 5 | std::uint32_t(t.tm_sec / 2);
}

std::vector<SavedGameEntry> ReadSavedGames(FileSystem& fs, const std::string& folder,
                                           const std::vector<std::string>& listing, std::uint64_t titleOffset) {
  struct Found {
    SavedGameEntry entry;
    std::uint32_t time;
  };
  std::vector<Found> found;
  const Found* newest = nullptr;
  for (const std::string& name : listing) {
    const std::optional<int> slot = SavedGameSlot(name);
    if (!slot) continue;
    const std::optional<std::time_t> time = fs.ModifiedTime(folder + name);
    found.push_back({{name, *slot, SavedGameTitle(fs, folder + name, titleOffset)}, time ? PackedFileTime(*time) : 0});
  }
  for (const Found& f : found) {
    if (f.time == 0) continue;
    if (!newest || f.time > newest->time || (f.time == newest->time && f.entry.slot < newest->entry.slot)) newest = &f;
  }
  std::vector<SavedGameEntry> entries;
  for (const Found& f : found) {
    if (f.entry.text.empty()) continue;
    entries.push_back(f.entry);
    if (&f == newest) entries.back().text += kNewestMark;
  }
  return entries;
}

}  // namespace tv
