// The map name taken from a command or a stored history entry, for any text:
// a part of the text; the map part of a command gives the map's name, with or
// without a music prefix, and a stored name reads back as itself.
#include <string>

#include "FuzzFiles.h"
#include "catalog/History.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string name = tv::MapNameFromCommand(text);
  tv::fuzz::Check(text.find(name) != std::string::npos, "the name is part of the text");

  // The history reads every entry as a command: a map whose own name holds
  // the switch reads back as what follows it.
  if (tv::ContainsNoCase(text, "-map ")) return 0;
  tv::fuzz::Check(tv::MapNameFromCommand(name) == name, "a stored name reads back as itself");
  if (text.size() < 4 || !tv::EqualsNoCase(text.substr(text.size() - 4), ".map")) return 0;
  tv::fuzz::Check(tv::MapNameFromCommand("-map " + text + " /s3") == text, "the name of a single game's map");
  tv::fuzz::Check(tv::MapNameFromCommand("-music Grabbag.mid -map " + text) == text, "the name after a music");
  return 0;
}
