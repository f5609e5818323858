// The maps listed in a ".grp" directory, for any bytes: names of up to eight
// printable characters before ".MAP", upper case.
#include <string>

#include "FuzzFiles.h"
#include "catalog/Tcs.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string head(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> names = tv::LevelNamesInGrp(head);
  tv::fuzz::Check(names.size() <= tv::kGrpLevelBytes / 16, "at most one name per directory entry");
  for (const std::string& name : names) {
    tv::fuzz::Check(!name.empty() && name.size() <= 8, "a name fills its entry before .MAP");
    tv::fuzz::Check(name == tv::Upper(name), "names are upper case");
    for (char c : name) tv::fuzz::Check(static_cast<unsigned char>(c) >= 32, "names are printable");
  }
  return 0;
}
