#pragma once
// The read-me viewer "Text Information for: ...": which file a map's read-me
// is, and the text to show for it. Read-me files are old 8-bit Windows text,
// so their bytes are shown as Windows-1252.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Beep.h"
#include "platform/Files.h"

namespace tv {

// Larger files are shown up to this size, with a note line after it.
inline constexpr std::size_t kReadMeLimit = 4 << 20;

struct ReadMeFile {
  std::string folder;  // ends with the separator
  std::string name;
};

// The read-me of a map list row: the row up to its ".map" + ".txt", looked for
// in the program folder, the map folder and "Help", else taken from "Text"
// unchecked. Nothing for a row that names no ".map".
std::optional<ReadMeFile> FindReadMe(FileSystem& fs, const std::string& programFolder, const std::string& mapFolder,
                                     const std::string& row);

// What the viewer shows, as UTF-8.
struct ReadMeView {
  std::string caption;
  std::string text;
  BeepKind beep = BeepKind::Default;
};

// "Text Information for: " + the name before its first "." (nothing when it has none).
std::string ReadMeCaption(std::string_view fileName);

// The file's text with the information beep, or the single line
// "The file: <name> was not found!" with the default beep. Only a regular
// file is read, never more than kReadMeLimit bytes of it.
ReadMeView LoadReadMe(FileSystem& fs, const ReadMeFile& file);

// Windows-1252 to UTF-8: the five bytes the code page leaves undefined become U+FFFD.
std::string Cp1252ToUtf8(std::string_view bytes);
// A file name for the eye: kept when it is valid UTF-8, else read as Windows-1252.
std::string NameToUtf8(std::string_view name);

}  // namespace tv
