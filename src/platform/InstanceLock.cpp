#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tv {

std::string InstanceLockName(const std::string& programFolder) {
  // FNV-1a: the same folder gives the same name in every run and build.
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : programFolder) hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string("Tarvolin-") + hex;
}

std::string LockFolder() {
  // A relative runtime folder is to be ignored, as the base directory rules say.
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run == '/') {
    struct stat st {};
    if (::stat(run, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 022) == 0)
      return std::string(run) + "/";
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/tarvolin-" + std::to_string(::getuid());
  ::mkdir(folder.c_str(), 0700);
  // A folder planted by someone else, or writable by others, is not trusted.
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
      (st.st_mode & 077) != 0)
    return {};
  return folder + "/";
}

InstanceLock::InstanceLock(const std::string& name) {
  const std::string folder = LockFolder();
  if (folder.empty()) {
    m_owned = true;  // no safe place for a lock: run rather than refuse to start
    return;
  }
  const std::string path = folder + name + ".lock";
  m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (m_fd < 0) {
    m_owned = true;
    return;
  }
  m_owned = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

InstanceLock::~InstanceLock() {
  if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}

}  // namespace tv
