// The text scans of batch files and group archives against the plain reading
// of their rules (every byte translated, then searched: the scans' first
// form, kept here as the reference), for files of any bytes and size; a
// second ask is answered from memory, and a restart from the cache file, with
// the same result.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "FuzzFiles.h"
#include "catalog/GroupScan.h"
#include "platform/Text.h"

namespace {

using tv::ScanKind;

std::string AsText(std::string bytes, char (*fold)(char)) {
  for (char& c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    c = b < 32 || b > 122 ? ' ' : fold(c);
  }
  return bytes;
}

char FoldLower(char c) { return tv::LowerAZ(c); }
char FoldUpper(char c) { return tv::UpperAZ(c); }

bool Expected(const std::string& file, ScanKind kind, const std::string& target) {
  const std::string head = file.substr(0, tv::kScanBlock);
  switch (kind) {
    case ScanKind::Batch:
      return tv::Lower(head.substr(0, head.find('\0'))).find(target) != std::string::npos;
    case ScanKind::Group:
      return AsText(head, FoldLower).find(target) != std::string::npos;
    case ScanKind::Zip:
      if (file.size() < tv::kScanBlock) return false;
      for (std::size_t at = 0; at < file.size(); at += tv::kScanBlock)
        if (AsText(file.substr(at, tv::kScanBlock), FoldUpper).find(tv::Upper(target)) != std::string::npos)
          return true;
      return false;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const auto kind = ScanKind(in.ConsumeIntegralInRange(0, 2));
  const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(0, 3 * tv::kScanBlock + 7);
  std::vector<std::string> targets;
  for (int n = in.ConsumeIntegralInRange(1, 3); n > 0; --n)
    targets.push_back(tv::Lower(in.ConsumeRandomLengthString(14)));
  // And a name as the file reads at a chosen place, often around a block
  // boundary: found, or lost across it, far more often than a random one.
  const std::size_t span = in.ConsumeIntegralInRange<std::size_t>(1, 12);
  const std::size_t at = in.ConsumeBool() ? in.ConsumeIntegral<std::size_t>()
                                          : in.ConsumeIntegralInRange<std::size_t>(1, 3) * tv::kScanBlock -
                                                in.ConsumeIntegralInRange<std::size_t>(0, span);
  // Noise instead of a repeated pattern: a name then occurs once, where it was cut.
  const bool noise = in.ConsumeBool();
  std::minstd_rand random(in.ConsumeIntegral<std::uint32_t>());
  // The rest of the input, repeated up to the length: a large file with a
  // pattern the fuzzer chose.
  const std::string pattern = in.ConsumeRemainingBytesAsString();
  std::string file = pattern;
  while (!pattern.empty() && file.size() < length) file += pattern;
  if (noise) {
    file.resize(length);
    for (char& c : file) c = char(random());
  }
  if (file.size() < length) file.resize(length, '\0');
  if (!file.empty()) targets.push_back(AsText(file.substr(at % file.size(), span), FoldLower));
  const std::string path = tv::fuzz::WriteInput("Mytc.zip", file);

  tv::FileSystem fs(tv::fuzz::Folder());
  // Kept in a cache file for the restart below; no file is recent then.
  const auto later = [] { return std::time(nullptr) + 3600; };
  tv::GroupScanCache cache;
  cache.KeepIn(tv::fuzz::Folder() + "cache/", tv::fuzz::Folder(), later);
  const std::vector<bool> found = cache.Contains(fs, path, kind, targets);
  tv::fuzz::Check(found.size() == targets.size(), "one answer per target");
  for (std::size_t i = 0; i < targets.size(); ++i)
    tv::fuzz::Check(found[i] == Expected(file, kind, targets[i]), "the scan finds what the rule finds");
  tv::fuzz::Check(cache.Contains(fs, path, kind, targets) == found, "an unchanged file gives the same answers");
  tv::fuzz::Check(cache.FilesRead() == 1, "an unchanged file is read once");

  // The same file at a restart, answered from the cache file the first start left.
  cache.Store();
  tv::GroupScanCache restart;
  restart.KeepIn(tv::fuzz::Folder() + "cache/", tv::fuzz::Folder(), later);
  tv::fuzz::Check(restart.Contains(fs, path, kind, targets) == found, "a restart gives the same answers");
  tv::fuzz::Check(restart.FilesRead() == 0, "a restart reads no unchanged file");
  std::remove(restart.CacheFile().c_str());
  return 0;
}
