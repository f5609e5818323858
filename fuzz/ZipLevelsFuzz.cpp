// The maps found in a ".zip" read as text, for any bytes: at most 72, each
// once, upper case, without a space or control byte, shorter than 30 bytes;
// and the same whether the file comes whole or in pieces of any size.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

#include "FuzzFiles.h"
#include "catalog/Tcs.h"
#include "platform/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::size_t piece = in.ConsumeIntegralInRange<std::size_t>(1, 64);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  const std::vector<std::string> names = tv::LevelNamesInZip(bytes);
  tv::fuzz::Check(names.size() <= std::size_t(tv::kZipLevelPasses), "at most 72 names");
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    tv::fuzz::Check(!name.empty() && name.size() < 30, "a name lies within 29 bytes before .map");
    tv::fuzz::Check(name == tv::Upper(name), "names are upper case");
    for (char c : name) {
      const auto b = static_cast<unsigned char>(c);
      tv::fuzz::Check(b > 32 && b <= 122, "a name holds no space or control byte");
    }
    tv::fuzz::Check(std::find(names.begin(), names.begin() + long(i), name) == names.begin() + long(i),
                    "each name once");
    tv::fuzz::Check(tv::ContainsNoCase(bytes, name + ".map"), "a name stands before .map in the file");
  }

  tv::ZipLevelScan scan;
  for (std::size_t at = 0; at < bytes.size() && scan.Feed(std::string_view(bytes).substr(at, piece)); at += piece) {
  }
  tv::fuzz::Check(scan.Names() == names, "pieces find what the whole finds");
  return 0;
}
