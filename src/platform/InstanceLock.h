#pragma once
// The system-wide single-instance lock. A lock file under the user's runtime
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

// The folder that holds the lock files: $XDG_RUNTIME_DIR, or a folder of the
// user's own under the temporary folder that only the user can write.
std::string LockFolder();

}  // namespace tv
