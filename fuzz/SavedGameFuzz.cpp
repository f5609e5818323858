// A saved game of any bytes and a file name of any bytes: the title is the
// 32 bytes at the engine's offset up to a zero byte, fewer or none when the
// file is shorter; a slot is read only from a name that spells it the one way
// the game writes it.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzFiles.h"
#include "catalog/SavedGames.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string name = in.ConsumeRandomLengthString(24);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  if (const std::optional<int> slot = tv::SavedGameSlot(name)) {
    tv::fuzz::Check(*slot >= 0, "a slot is not negative");
    tv::fuzz::Check(name.size() > 8 && name.substr(0, 4) + tv::Dec(*slot) + name.substr(name.size() - 4) == name &&
                        tv::EqualsNoCase(name.substr(name.size() - 4), ".sav"),
                    "a slot comes from its decimal digits before .sav");
  }

  const std::string path = tv::fuzz::WriteInput("game0.sav", bytes);
  tv::FileSystem fs(tv::fuzz::Folder());
  for (const tv::SavedGameEngine& engine : {tv::kDuke3dwSaves, tv::kEDuke32Saves}) {
    const std::string title = tv::SavedGameTitle(fs, path, engine.titleOffset);
    const std::string stored = bytes.size() > engine.titleOffset ? bytes.substr(engine.titleOffset, 32) : "";
    tv::fuzz::Check(title == stored.substr(0, stored.find('\0')), "the title is the stored text");
    const auto entries = tv::ReadSavedGames(fs, tv::fuzz::Folder(), {"game0.sav"}, engine.titleOffset);
    tv::fuzz::Check(entries.size() == (title.empty() ? 0u : 1u), "a save is listed when it has a title");
  }
  return 0;
}
