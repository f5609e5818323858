#pragma once
// An initialisation file read and written the way Windows reads and writes
// them: names matched without regard to case, a replaced value rewrites only
// its own line, every other byte of the file stays as it was. The file is
// read once when the object is made (one operation, one read) and each write
// replaces the file atomically, so a crash leaves the old or the new file.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace tv {

class IniFile {
 public:
  enum class Writes { Immediate, Deferred };

  // Reads path now; a missing file reads as empty and is not created. A file
  // that is there but cannot be read (no permission, no regular file) reads
  // as empty too, and is never written: every write is the error below.
  IniFile(FileSystem& fs, std::string path, Writes writes = Writes::Immediate);

  // The file was there and was read.
  bool FileExisted() const { return m_existed; }
  const std::string& Path() const { return m_path; }

  // A missing section or key gives def; a present empty key gives "".
  // Texts are cut to 2047 characters.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal with an optional sign, or "0x"/"0X" hexadecimal (more than two
  // characters); any other text, or a missing key, gives def.
  long ReadInteger(std::string_view section, std::string_view key, long def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // Each write throws RunTimeError "Unable to write to <path>" when the file
  // cannot be written (with Writes::Deferred, Flush() writes them all and throws instead).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, long value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void DeleteKey(std::string_view section, std::string_view key);
  void Flush();

 private:
  struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
  };
  // Index of the section's header line, or -1.
  long FindSection(std::string_view section) const;
  // Index of the key's line within the section starting at header, or -1.
  long FindKey(long header, std::string_view key) const;
  void Changed();

  FileSystem& m_fs;
  std::string m_path;
  Writes m_writes;
  bool m_existed = false;
  bool m_unreadable = false;
  bool m_dirty = false;
  std::string m_head;  // a byte-order mark, kept but never read as text
  std::vector<Line> m_lines;
  std::string m_tail;  // the end-of-file marks (^Z) that end the file, kept the same way
};

}  // namespace tv
