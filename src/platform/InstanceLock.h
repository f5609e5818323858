#pragma once
// The single-instance lock of a name. A lock file under the user's runtime
// folder held with flock(): the system releases it when the process dies.
#include <string>

namespace tv {

class InstanceLock {
 public:
  explicit InstanceLock(const std::string& name);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another process holds the lock of that name.
  bool Owned() const { return m_owned; }

 private:
  int m_fd = -1;
  bool m_owned = false;
};

// The lock's name for one program folder (canonical path): copies on
// different folders run side by side, two on the same folder do not.
std::string InstanceLockName(const std::string& programFolder);

// The folder that holds the lock files: $XDG_RUNTIME_DIR, or a folder of the
// user's own under the temporary folder that only the user can write.
std::string LockFolder();

}  // namespace tv
