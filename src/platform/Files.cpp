#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>

#include "platform/Text.h"

namespace tv {
namespace {

std::string WithSep(std::string folder) {
  if (folder.empty() || folder.back() != kSep) folder += kSep;
  return folder;
}

struct Fd {
  int fd = -1;
  explicit Fd(int f) : fd(f) {}
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

// Opens a regular file for reading without ever blocking on a FIFO or device.
// Only a regular file is opened at all: opening a FIFO would release a writer
// waiting on it, and opening a device can have effects of its own.
// On failure errno tells why; EINVAL for something that is no regular file.
// before is the path's stat when the caller has it; st gets the open file's.
int OpenRegular(const std::string& path, const struct stat* before, struct stat& st) {
  struct stat own {};
  if (!before) {
    if (::stat(path.c_str(), &own) != 0) return -1;
    before = &own;
  }
  if (!S_ISREG(before->st_mode)) {
    errno = EINVAL;
    return -1;
  }
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}

bool StatRegular(const std::string& path, struct stat& st) {
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool GlobNoCase(std::string_view name, std::string_view pat) {
  std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pat.size() && (pat[p] == '?' || UpperAZ(pat[p]) == UpperAZ(name[n]))) {
      ++n;
      ++p;
    } else if (p < pat.size() && pat[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}

}  // namespace

std::string ProgramFolderOfExecutable() {
  std::array<char, PATH_MAX> buf{};
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ProcessFolder();
  std::string exe(buf.data(), std::size_t(n));
  return exe.substr(0, exe.rfind(kSep) + 1);
}

std::string ProcessFolder() {
  std::array<char, PATH_MAX> buf{};
  if (::getcwd(buf.data(), buf.size()) == nullptr) return std::string(1, kSep);
  return WithSep(buf.data());
}

bool MatchesPattern(std::string_view name, std::string_view patterns) {
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(';', start);
    if (end == std::string_view::npos) end = patterns.size();
    if (GlobNoCase(name, patterns.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

FileSystem::FileSystem(std::string startFolder) : m_current(WithSep(std::move(startFolder))) {}

const std::vector<FileSystem::Entry>& FileSystem::View(const std::string& folder) {
  if (m_caching) {
    auto found = m_views.find(folder);
    if (found != m_views.end()) return found->second;
  }
  std::vector<Entry> entries;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* d = ::readdir(dir)) {
      std::string name = d->d_name;
      if (name == "." || name == "..") continue;
      Entry e{std::move(name)};
      if (d->d_type == DT_REG) {
        e.regular = true;
      } else if (d->d_type == DT_DIR) {
        e.folder = true;
      } else if (d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) {
        struct stat st {};
        if (::stat((folder + e.name).c_str(), &st) == 0) {  // a link loop is neither
          e.regular = S_ISREG(st.st_mode);
          e.folder = S_ISDIR(st.st_mode);
        }
      }
      entries.push_back(std::move(e));
    }
    ::closedir(dir);
  }
  if (!m_caching) return m_scratch = std::move(entries);
  return m_views[folder] = std::move(entries);
}

std::optional<FileSystem::Entry> FileSystem::Lookup(const std::string& folder, std::string_view name) {
  const auto& entries = View(folder);
  const Entry* loose = nullptr;
  for (const Entry& e : entries) {
    if (e.name == name) return e;
    // Several names differing only in case: the same one every time, whatever the folder's order.
    if (EqualsNoCase(e.name, name) && (!loose || e.name < loose->name)) loose = &e;
  }
  if (loose) return *loose;
  return std::nullopt;
}

std::string FileSystem::Resolve(const std::string& given) {
  if (given.empty()) return given;
  // A relative name lives in the current folder, which listings move, not in the process's.
  const std::string path = given.front() == kSep ? given : m_current + given;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) return path;
  std::string out(1, kSep);
  std::size_t pos = 0;
  while (pos < path.size()) {
    std::size_t end = path.find(kSep, pos);
    if (end == std::string::npos) end = path.size();
    const std::string_view part(path.data() + pos, end - pos);
    pos = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      out += "..";
    } else if (auto e = Lookup(out, part)) {
      out += e->name;
    } else if (path.find_first_not_of(kSep, end) == std::string::npos) {
      out += part;  // a name yet to be made goes into its folder as it is on disk
    } else {
      return path;
    }
    if (end < path.size()) out += kSep;
  }
  return out;
}

// The exact name costs one stat; only a miss resolves the letter case.
bool FileSystem::Locate(const std::string& path, std::string& real, struct stat& st) {
  real = path;
  if (path.empty()) return false;
  // A start-up pass looks at hundreds of files: one there as given costs one
  // stat; only a miss resolves the letter case.
  const bool absolute = path.front() == kSep;
  if (absolute && ::stat(path.c_str(), &st) == 0) return true;
  real = Resolve(path);
  return (real != path || !absolute) && ::stat(real.c_str(), &st) == 0;
}

bool FileSystem::Stat(const std::string& path, struct stat& st) {
  std::string real;
  return Locate(path, real, st);
}

bool FileSystem::FileExists(const std::string& path) {
  struct stat st {};
  return Stat(path, st) && S_ISREG(st.st_mode);
}

bool FileSystem::FolderExists(const std::string& path) {
  struct stat st {};
  return Stat(path, st) && S_ISDIR(st.st_mode);
}

std::int64_t FileSystem::FileSize(const std::string& path) {
  struct stat st {};
  if (!Stat(path, st) || !S_ISREG(st.st_mode)) return -1;
  return std::int64_t(st.st_size);
}

std::string FileSystem::ReadBytes(const std::string& path, std::uint64_t offset, std::size_t count) {
  const FileReader file(*this, path);
  if (!file.IsOpen() || offset >= file.Size()) return {};
  std::string out(std::size_t(std::min<std::uint64_t>(count, file.Size() - offset)), '\0');
  out.resize(file.ReadAt(offset, out.data(), out.size()));
  return out;
}

FileReader::FileReader(FileSystem& fs, const std::string& path) {
  struct stat before {};
  std::string real;
  const bool there = fs.Locate(path, real, before);
  Open(fs, real, there ? &before : nullptr);
}

FileReader::FileReader(FileSystem& fs, const std::string& realPath, const struct stat& taken) {
  Open(fs, realPath, &taken);
}

void FileReader::Open(FileSystem& fs, const std::string& real, const struct stat* before) {
  errno = EACCES;
  struct stat st {};
  if (!fs.m_readFault || !fs.m_readFault(real)) m_fd = OpenRegular(real, before, st);
  m_missing = m_fd < 0 && (errno == ENOENT || errno == ELOOP);
  if (m_fd >= 0) m_size = std::uint64_t(st.st_size);
}

bool FileReader::Stat(struct stat& st) const { return m_fd >= 0 && ::fstat(m_fd, &st) == 0; }

FileReader::~FileReader() {
  if (m_fd >= 0) ::close(m_fd);
}

std::size_t FileReader::ReadAt(std::uint64_t offset, char* into, std::size_t count) const {
  std::size_t got = 0;
  while (m_fd >= 0 && got < count) {
    const ssize_t n = ::pread(m_fd, into + got, count - got, off_t(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += std::size_t(n);
  }
  return got;
}

std::optional<std::time_t> FileSystem::ModifiedTime(const std::string& path) {
  struct stat st {};
  if (!Stat(path, st) || !S_ISREG(st.st_mode)) return std::nullopt;
  return st.st_mtim.tv_sec;
}

bool FileSystem::SetModifiedTime(const std::string& path, std::time_t time) {
  const std::string real = Resolve(path);
  struct stat st {};
  if (!StatRegular(real, st)) return false;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {time, 0}};
  return ::utimensat(AT_FDCWD, real.c_str(), times, 0) == 0;
}

bool FileSystem::Delete(const std::string& path) {
  const std::string real = Resolve(path);
  struct stat st {};
  if (::lstat(real.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  Forget();
  return ::unlink(real.c_str()) == 0;
}

bool FileSystem::Rename(const std::string& from, const std::string& to) {
  const std::string realFrom = Resolve(from);
  const std::string realTo = Resolve(to);
  Forget();
  return ::rename(realFrom.c_str(), realTo.c_str()) == 0;
}

bool FileSystem::ReplaceFile(const std::string& path, std::string_view bytes, Flush flush) {
  const std::string real = Resolve(path);
  const std::size_t cut = real.rfind(kSep);
  const std::string folder = cut == std::string::npos ? m_current : real.substr(0, cut + 1);
  const std::string base = cut == std::string::npos ? real : real.substr(cut + 1);
  struct stat st {};
  mode_t mode = 0644;
  const bool existed = ::stat(real.c_str(), &st) == 0;
  if (existed) {
    if (!S_ISREG(st.st_mode)) return false;
    if (Fails(WriteStage::Access, real) || ::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0) return false;
    mode = st.st_mode & 07777;
  }
  Forget();
  // The temporary name must fit the folder's limit of 255 bytes however long
  // the file's own name is.
  std::string temp = folder + "." + base.substr(0, 200) + ".tmp-XXXXXX";
  if (Fails(WriteStage::Open, real)) return false;
  Fd f(::mkostemp(temp.data(), O_CLOEXEC));
  if (f.fd < 0) return false;
  // Another user's file stays theirs when this process may hand it back (an
  // administrator's run); otherwise the owner changes as with any editor.
  if (existed && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
    [[maybe_unused]] const int kept = ::fchown(f.fd, st.st_uid, st.st_gid);
  }
  bool ok = ::fchmod(f.fd, mode) == 0 && !Fails(WriteStage::Write, real);
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += std::size_t(n);
  }
  ok = ok && !Fails(WriteStage::Sync, real) && (flush == Flush::Skip || ::fsync(f.fd) == 0);
  ok = ok && !Fails(WriteStage::Rename, real) && ::rename(temp.c_str(), real.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  if (flush == Flush::Skip) return true;
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.fd >= 0) ::fsync(dir.fd);
  return true;
}

std::vector<std::string> FileSystem::List(const std::string& folder, std::string_view patterns) {
  const std::string real = WithSep(Resolve(folder));
  struct stat st {};
  if (::stat(real.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
  std::vector<std::string> names;
  for (const Entry& e : View(real))
    if (e.regular && e.name.front() != '.' && MatchesPattern(e.name, patterns)) names.push_back(e.name);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  m_current = real;
  return names;
}

}  // namespace tv
