#pragma once
// The program's view of the file system: names are matched without regard to
// letter case (A-Z only, an exact match first), as on the game's own system;
// only regular files are read; writes can be made to fail for tests.
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct stat;

namespace tv {

inline constexpr char kSep = '/';

// The folder of the running executable, ending with the separator.
std::string ProgramFolderOfExecutable();
// The process's current folder, ending with the separator.
std::string ProcessFolder();

// Access: the file being replaced may be written by this process.
enum class WriteStage { Access, Open, Write, Sync, Rename };
// Returning true makes that stage of a file replacement fail (tests only).
using WriteFaultHook = std::function<bool(WriteStage, const std::string& path)>;
// Returning true makes opening that file for reading fail as if permission
// were denied (tests only).
using ReadFaultHook = std::function<bool(const std::string& path)>;

class FileSystem {
 public:
  explicit FileSystem(std::string startFolder = ProcessFolder());

  // The path as it is on disk when every component is found (letter case
  // ignored); when only the last one is missing, its folder as on disk and
  // the name as given; else the path unchanged. A relative path is taken in
  // CurrentFolder().
  std::string Resolve(const std::string& given);
  // The path as on disk and its stat; false when nothing is there (real is
  // then Resolve()'s answer). A name there as given costs one stat.
  bool Locate(const std::string& path, std::string& real, struct stat& st);

  bool FileExists(const std::string& path);    // a regular file
  bool FolderExists(const std::string& path);  // a folder
  std::int64_t FileSize(const std::string& path);  // -1 when no regular file
  // Up to count bytes from offset; fewer at the end, none when no regular file.
  std::string ReadBytes(const std::string& path, std::uint64_t offset, std::size_t count);
  std::optional<std::time_t> ModifiedTime(const std::string& path);
  // Sets the modification time to the second without opening the file.
  bool SetModifiedTime(const std::string& path, std::time_t time);
  bool Delete(const std::string& path);
  bool Rename(const std::string& from, const std::string& to);
  // Replaces the whole file so that a crash leaves the old or the new bytes:
  // a temporary file in the same folder, flushed to disk, renamed over it,
  // with the old file's mode and owner. A file this process may not write is
  // refused, though the folder would allow the rename. A file that can tell
  // its own damage (a cache with a checksum) may skip the flushes, which can
  // cost a loaded disk a tenth of a second.
  enum class Flush { ToDisk, Skip };
  bool ReplaceFile(const std::string& path, std::string_view bytes, Flush flush = Flush::ToDisk);

  // The regular, non-hidden files of folder whose names match one of the
  // patterns ("*.grp;*.zip"), letter case ignored, sorted without regard to
  // case. Reading a listing makes its folder the current folder.
  std::vector<std::string> List(const std::string& folder, std::string_view patterns);
  const std::string& CurrentFolder() const { return m_current; }

  // While a pass scope is alive, each folder is read at most once; the
  // program's own writes drop what was read.
  class PassScope {
   public:
    explicit PassScope(FileSystem& fs) : m_fs(fs) { m_fs.m_caching = true; }
    ~PassScope() { m_fs.m_caching = false; m_fs.m_views.clear(); }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;
   private:
    FileSystem& m_fs;
  };

  void SetWriteFaultHook(WriteFaultHook hook) { m_fault = std::move(hook); }
  void SetReadFaultHook(ReadFaultHook hook) { m_readFault = std::move(hook); }

 private:
  struct Entry {
    std::string name;
    bool regular = false;
    bool folder = false;
  };
  const std::vector<Entry>& View(const std::string& folder);
  bool Stat(const std::string& path, struct stat& st);
  std::optional<Entry> Lookup(const std::string& folder, std::string_view name);
  void Forget() { m_views.clear(); }
  bool Fails(WriteStage stage, const std::string& path) const { return m_fault && m_fault(stage, path); }

  std::string m_current;
  bool m_caching = false;
  std::unordered_map<std::string, std::vector<Entry>> m_views;
  std::vector<Entry> m_scratch;
  WriteFaultHook m_fault;
  ReadFaultHook m_readFault;
  friend class FileReader;
};

bool MatchesPattern(std::string_view name, std::string_view pattern);

// A regular file opened once for a run of reads (never a FIFO or a device).
class FileReader {
 public:
  FileReader(FileSystem& fs, const std::string& path);
  // The same for a path as on disk whose stat the caller has just taken:
  // no second stat before the open.
  FileReader(FileSystem& fs, const std::string& realPath, const struct stat& taken);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool IsOpen() const { return m_fd >= 0; }
  // Not open because nothing is there: no such file, or a link that leads
  // nowhere. Anything else (no permission, no regular file) is there but
  // cannot be read.
  bool Missing() const { return m_missing; }
  std::uint64_t Size() const { return m_size; }
  // Reads up to count bytes from offset into `into`; returns how many were read.
  std::size_t ReadAt(std::uint64_t offset, char* into, std::size_t count) const;
  // The open file's stat now; false when not open.
  bool Stat(struct stat& st) const;

 private:
  void Open(FileSystem& fs, const std::string& real, const struct stat* before);
  int m_fd = -1;
  bool m_missing = false;
  std::uint64_t m_size = 0;
};

}  // namespace tv
