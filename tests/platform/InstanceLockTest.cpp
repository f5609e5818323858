#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "fixture/Fixture.h"

namespace tv {
namespace {

// Points an environment variable at a value for one test and puts the old one back.
class EnvVar {
 public:
  EnvVar(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    m_had = std::getenv(name) != nullptr;
    ::setenv(name, value.c_str(), 1);
  }
  ~EnvVar() {
    if (m_had)
      ::setenv(m_name, m_old.c_str(), 1);
    else
      ::unsetenv(m_name);
  }
  EnvVar(const EnvVar&) = delete;
  EnvVar& operator=(const EnvVar&) = delete;

 private:
  const char* m_name;
  std::string m_old;
  bool m_had = false;
};

std::string WithoutSep(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

// A child process that takes the lock, reports whether it owns it, and then
// holds it until it is killed.
class Holder {
 public:
  explicit Holder(const std::string& name) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
      ::close(fds[0]);
      InstanceLock lock(name);
      const char owned = lock.Owned() ? '1' : '0';
      if (::write(fds[1], &owned, 1) != 1) ::_exit(2);
      for (;;) ::pause();
    }
    ::close(fds[1]);
    if (m_pid > 0 && ::read(fds[0], &m_owned, 1) != 1) m_owned = '?';
    ::close(fds[0]);
  }
  ~Holder() { Kill(); }
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;

  bool Started() const { return m_pid > 0; }
  bool Owned() const { return m_owned == '1'; }
  void Kill() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
  }

 private:
  pid_t m_pid = -1;
  char m_owned = '?';
};

TEST(InstanceLock, OneProcessAtATimeAndFreedWhenTheHolderDies) {
  fixture::TempFolder run("tv-run");
  EnvVar xdg("XDG_RUNTIME_DIR", WithoutSep(run.Path()));
  EXPECT_EQ(LockFolder(), run.Path());
  Holder first("Tarvolin");
  ASSERT_TRUE(first.Started());
  EXPECT_TRUE(first.Owned());
  {
    InstanceLock second("Tarvolin");
    EXPECT_FALSE(second.Owned());
    InstanceLock otherName("Other");
    EXPECT_TRUE(otherName.Owned());
  }
  Holder third("Tarvolin");
  EXPECT_FALSE(third.Owned());
  first.Kill();
  third.Kill();
  InstanceLock afterDeath("Tarvolin");
  EXPECT_TRUE(afterDeath.Owned());
  Holder late("Tarvolin");
  EXPECT_FALSE(late.Owned());
}

// A runtime folder that others could write to is not trusted; the user's own
// private folder under the temporary folder is used instead.
TEST(InstanceLock, UntrustedRuntimeFolderIsNotUsed) {
  fixture::TempFolder run("tv-run");
  fixture::TempFolder tmp("tv-tmp");
  ASSERT_EQ(::chmod(run.Path().c_str(), 0777), 0);
  EnvVar xdg("XDG_RUNTIME_DIR", WithoutSep(run.Path()));
  EnvVar tmpdir("TMPDIR", WithoutSep(tmp.Path()));
  const std::string folder = LockFolder();
  EXPECT_EQ(folder, tmp.Path() + "tarvolin-" + std::to_string(::getuid()) + "/");
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  Holder first("Tarvolin");
  EXPECT_TRUE(first.Owned());
  InstanceLock second("Tarvolin");
  EXPECT_FALSE(second.Owned());
}

}  // namespace
}  // namespace tv
