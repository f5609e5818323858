// The group scans' results kept between runs: one file per program folder,
// so that each installation's file holds only its own group files and a
// damaged file costs one installation one slower start. The file is only a
// shortcut: anything in it that is not exactly what was written (foreign,
// truncated, damaged, an older format, another folder's) is dropped whole,
// and every entry is still checked against its file's identity and times.
// Sizes are bounded: a file holds the group files of its Games folder's last
// pass, and the folder at most 32 files.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "catalog/GroupScan.h"

namespace tv {
namespace {

constexpr char kMagic[8] = {'T', 'V', 'S', 'C', 'A', 'N', '\r', '\n'};
constexpr std::uint32_t kVersion = 2;
// Far above what 300 TCs need; a larger file is not ours.
constexpr std::size_t kMaxBytes = 16u << 20;
constexpr std::size_t kHeaderBytes = sizeof kMagic + 4 + 8 + 8;
// Times are kept to the nanosecond but advance in ticks (two seconds on some
// file systems): a file changed in the tick it was read in may keep its times.
constexpr std::time_t kTimeTick = 2;

std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

void PutU64(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out += char((v >> (8 * i)) & 0xFF);
}
void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}
void PutText(std::string& out, std::string_view text) {
  PutU32(out, std::uint32_t(text.size()));
  out += text;
}

// Reads what Put* wrote; any read past the end fails all later ones.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}
  bool Ok() const { return m_ok; }
  bool AtEnd() const { return m_ok && m_at == m_bytes.size(); }
  std::uint64_t U64() { return Number(8); }
  std::uint32_t U32() { return std::uint32_t(Number(4)); }
  std::uint32_t Byte() { return std::uint32_t(Number(1)); }
  std::string Text() {
    const std::size_t size = U32();
    if (!Take(size)) return {};
    return std::string(m_bytes.substr(m_at - size, size));
  }

 private:
  bool Take(std::size_t n) {
    m_ok = m_ok && n <= m_bytes.size() - m_at;
    if (m_ok) m_at += n;
    return m_ok;
  }
  std::uint64_t Number(std::size_t n) {
    if (!Take(n)) return 0;
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i) v |= std::uint64_t(static_cast<unsigned char>(m_bytes[m_at - n + i])) << (8 * i);
    return v;
  }
  std::string_view m_bytes;
  std::size_t m_at = 0;
  bool m_ok = true;
};

std::string FileNameFor(const std::string& programFolder) {
  static const char kHex[] = "0123456789abcdef";
  std::string name = "scans-";
  for (std::uint64_t h = Checksum(programFolder), i = 0; i < 16; ++i, h >>= 4) name += kHex[h & 15];
  return name + ".cache";
}

// Creates folder and the folders above it that are missing, for this user only.
bool MakeFolders(const std::string& folder) {
  for (std::size_t cut = folder.find('/', 1); cut != std::string::npos; cut = folder.find('/', cut + 1))
    if (::mkdir(folder.substr(0, cut).c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat st {};
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The whole file when it is a regular file of a sane size, not through a link.
bool ReadCacheFile(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && std::size_t(st.st_size) <= kMaxBytes;
  if (ok) {
    bytes.resize(std::size_t(st.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += std::size_t(n);
    }
    ok = got == bytes.size();
  }
  ::close(fd);
  return ok;
}

// Installations come and go: the files of the folders not started for the
// longest time are dropped beyond a number no player reaches.
void DropOldestCaches(const std::string& folder, const std::string& kept) {
  constexpr std::size_t kMaxFiles = 32;
  std::vector<std::pair<std::time_t, std::string>> files;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* d = ::readdir(dir)) {
      const std::string name = d->d_name;
      struct stat st {};
      if (name.starts_with("scans-") && name.ends_with(".cache") && folder + name != kept &&
          ::lstat((folder + name).c_str(), &st) == 0)
        files.emplace_back(st.st_mtim.tv_sec, folder + name);
    }
    ::closedir(dir);
  }
  if (files.size() < kMaxFiles) return;
  std::sort(files.begin(), files.end());
  for (std::size_t i = 0; i + kMaxFiles - 1 < files.size(); ++i) ::unlink(files[i].second.c_str());
}

}  // namespace

std::string CacheFolderOf(const char* xdgCacheHome, const char* home) {
  // A relative XDG_CACHE_HOME is no cache folder: it would move with the current folder.
  std::string base;
  if (xdgCacheHome && xdgCacheHome[0] == '/') {
    base = xdgCacheHome;
  } else if (home && home[0] == '/') {
    base = std::string(home) + (home[std::strlen(home) - 1] == '/' ? "" : "/") + ".cache";
  } else {
    return {};
  }
  if (base.back() != '/') base += '/';
  return base + "tarvolin/";
}

void GroupScanCache::KeepIn(const std::string& cacheFolder, const std::string& programFolder,
                            std::function<std::time_t()> now) {
  m_cacheFile = cacheFolder.empty() ? "" : cacheFolder + (cacheFolder.back() == '/' ? "" : "/") +
                                               FileNameFor(programFolder);
  m_programFolder = programFolder;
  m_now = std::move(now);
  m_loaded = false;
}

bool GroupScanCache::Recent(const Stamp& stamp) const {
  // Any change sets the change time to the clock's: one older than a tick
  // cannot come back.
  return !m_now || stamp.changedSec >= m_now() - kTimeTick;
}

void GroupScanCache::Load() {
  m_loaded = true;
  std::string bytes;
  if (m_cacheFile.empty() || !ReadCacheFile(m_cacheFile, bytes)) return;
  if (!Deserialize(bytes)) {
    m_known.clear();
    m_changed = true;  // replaced at the next store even if nothing is read
  }
}

std::string GroupScanCache::Serialized() const {
  std::vector<const std::pair<const std::string, Known>*> entries;
  for (const auto& item : m_known)
    if (item.second.stamp.size >= 0 && !Recent(item.second.stamp)) entries.push_back(&item);
  // Vanished files were swept; what is left is bounded by the Games folder.
  std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->first < b->first; });
  std::string payload;
  PutText(payload, m_programFolder);
  PutU32(payload, std::uint32_t(entries.size()));
  for (const auto* item : entries) {
    const Stamp& s = item->second.stamp;
    PutText(payload, item->first);
    for (long long v : {(long long)s.device, (long long)s.inode, s.size, s.modifiedSec, s.modifiedNsec, s.changedSec,
                        s.changedNsec})
      PutU64(payload, std::uint64_t(v));
    PutU32(payload, std::uint32_t(item->second.found.size()));
    for (const auto& [target, contained] : item->second.found) {
      PutText(payload, target);
      payload += contained ? '\1' : '\0';
    }
    PutU32(payload, std::uint32_t(item->second.levels.size()));
    for (const std::string& level : item->second.levels) PutText(payload, level);
  }
  std::string out(kMagic, sizeof kMagic);
  PutU32(out, kVersion);
  PutU64(out, payload.size());
  PutU64(out, Checksum(payload));
  return out + payload;
}

bool GroupScanCache::Deserialize(std::string_view bytes) {
  if (bytes.size() < kHeaderBytes || bytes.substr(0, sizeof kMagic) != std::string_view(kMagic, sizeof kMagic))
    return false;
  Cursor header(bytes.substr(sizeof kMagic, kHeaderBytes - sizeof kMagic));
  const std::uint32_t version = header.U32();
  const std::uint64_t size = header.U64();
  const std::uint64_t checksum = header.U64();
  const std::string_view payload = bytes.substr(kHeaderBytes);
  if (version != kVersion || size != payload.size() || checksum != Checksum(payload)) return false;

  Cursor in(payload);
  if (in.Text() != m_programFolder) return false;
  std::unordered_map<std::string, Known> known;
  for (std::uint32_t n = in.U32(); in.Ok() && n > 0; --n) {
    const std::string key = in.Text();
    Known entry;
    entry.asked = false;
    Stamp& s = entry.stamp;
    s.device = in.U64();
    s.inode = in.U64();
    s.size = (long long)in.U64();
    s.modifiedSec = (long long)in.U64();
    s.modifiedNsec = (long long)in.U64();
    s.changedSec = (long long)in.U64();
    s.changedNsec = (long long)in.U64();
    for (std::uint32_t t = in.U32(); in.Ok() && t > 0; --t) {
      std::string target = in.Text();
      const std::uint32_t contained = in.Byte();
      if (contained > 1) return false;
      entry.found[std::move(target)] = contained == 1;
    }
    for (std::uint32_t l = in.U32(); in.Ok() && l > 0; --l) entry.levels.push_back(in.Text());
    known[key] = std::move(entry);
  }
  if (!in.AtEnd()) return false;
  m_known = std::move(known);
  return true;
}

void GroupScanCache::Store() {
  if (!m_loaded || !m_changed || m_cacheFile.empty()) return;
  const std::string folder = m_cacheFile.substr(0, m_cacheFile.rfind('/') + 1);
  struct stat st {};
  // Something else in the file's place (a link, a pipe) is ours to replace.
  if (::lstat(m_cacheFile.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) ::unlink(m_cacheFile.c_str());
  FileSystem fs(folder);
  fs.SetWriteFaultHook(m_writeFault);
  // Not flushed to disk: a file cut short by a crash fails its checksum.
  if (!MakeFolders(folder) || !fs.ReplaceFile(m_cacheFile, Serialized(), FileSystem::Flush::Skip)) {
    m_cacheFile.clear();
    return;
  }
  m_changed = false;
  DropOldestCaches(folder, m_cacheFile);
}

}  // namespace tv
