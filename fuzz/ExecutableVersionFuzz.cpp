// Both version readers on an executable of any bytes: a short printable text,
// "x.x" when no marker stands in a whole 2000-byte block.
#include <string>

#include "FuzzFiles.h"
#include "install/ExecutableVersion.h"

namespace {

void CheckVersion(const std::string& version, std::size_t longest, const std::string& bytes, const char* marker) {
  tv::fuzz::Check(version.size() <= longest, "a version is short");
  for (char c : version)
    tv::fuzz::Check(static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) <= 126,
                    "a version is printable");
  // The readers see each whole block on its own, every byte outside 32..126
  // as a space, with one space after it.
  bool marked = false;
  for (std::size_t at = 0; at + 2000 <= bytes.size() && !marked; at += 2000) {
    std::string text = bytes.substr(at, 2000) + " ";
    for (char& c : text)
      if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = ' ';
    marked = text.find(marker) != std::string::npos;
  }
  if (!marked) tv::fuzz::Check(version == tv::kNoVersion, "no marker, no version");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = tv::fuzz::WriteInput("Duke3dw.exe", bytes);
  tv::FileSystem fs(tv::fuzz::Folder());
  CheckVersion(tv::ReadDuke3dwVersion(fs, path), 8, bytes, "Duke3dw - Version");
  CheckVersion(tv::ReadEDuke32Version(fs, path), 5, bytes, "EDuke32 ");
  return 0;
}
