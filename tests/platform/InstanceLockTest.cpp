#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "fixture/Fixture.h"
#include "fixture/Home.h"

namespace tv {
namespace {

std::string WithoutSep(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

// A child process that takes the lock, says whether it owns it, and holds it
// until it is killed.
class Holder {
 public:
  explicit Holder(const std::string& name) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
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
  bool Owned() const { return m_owned == '1'; }
  void Kill() {
    if (m_pid > 0) ::kill(m_pid, SIGKILL), ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
  }

 private:
  pid_t m_pid = -1;
  char m_owned = '?';
};

TEST(InstanceLock, OneProcessAtATimeAndFreedWhenTheHolderDies) {
  fixture::TempFolder run("tv-run");
  fixture::ScopedEnv xdg("XDG_RUNTIME_DIR", WithoutSep(run.Path()));
  Holder first("Tarvolin");
  EXPECT_TRUE(first.Owned());
  {
    InstanceLock second("Tarvolin"), otherName("Other");
    EXPECT_FALSE(second.Owned());
    EXPECT_TRUE(otherName.Owned());
  }
  Holder third("Tarvolin");
  EXPECT_FALSE(third.Owned());
  first.Kill();
  third.Kill();
  InstanceLock afterDeath("Tarvolin");
  EXPECT_TRUE(afterDeath.Owned());
  EXPECT_FALSE(Holder("Tarvolin").Owned());
  EXPECT_EQ(InstanceLockName("/games/duke/"), InstanceLockName("/games/duke/"));
  EXPECT_NE(InstanceLockName("/games/duke/"), InstanceLockName("/games/duke2/"));
}

// The lock lives only in a folder that the user alone can write; anything
// else planted where it would go is not used, and the program then runs
// without a lock rather than not at all.
TEST(InstanceLock, OnlyAFolderTheUserAloneCanWriteHoldsTheLock) {
  constexpr uid_t kSomeoneElse = 54321;
  enum class Where { Runtime, Private, None };
  using Prepare = void (*)(const std::string& folder);
  const Prepare privateRun = [](const std::string& f) { ::chmod(f.c_str(), 0700); };
  const Prepare openRun = [](const std::string& f) { ::chmod(f.c_str(), 0777); };
  const Prepare nothing = [](const std::string&) {};
  const struct {
    const char* what;
    Prepare runtime;  // $XDG_RUNTIME_DIR
    bool relativeRuntime;
    Prepare fallback;  // $TMPDIR/tarvolin-<uid>
    Where where;
  } cases[] = {
      {"the user's runtime folder", privateRun, false, nothing, Where::Runtime},
      {"a runtime folder others can write", openRun, false, nothing, Where::Private},
      {"a runtime folder of someone else", [](const std::string& f) { ASSERT_EQ(::chown(f.c_str(), kSomeoneElse, -1), 0); },
       false, nothing, Where::Private},
      {"a relative runtime folder", privateRun, true, nothing, Where::Private},
      {"a private folder of someone else", openRun, false,
       [](const std::string& f) {
         fixture::MakeFolder(f);
         ::chmod(f.c_str(), 0700);
         ASSERT_EQ(::chown(f.c_str(), kSomeoneElse, -1), 0);
       },
       Where::None},
      {"a private folder others can write", openRun, false,
       [](const std::string& f) { fixture::MakeFolder(f), ::chmod(f.c_str(), 0777); }, Where::None},
      {"a link in place of the private folder", openRun, false,
       [](const std::string& f) { ASSERT_EQ(::symlink(f.substr(0, f.rfind('/')).c_str(), f.c_str()), 0); },
       Where::None},
  };
  for (const auto& c : cases) {
    fixture::TempFolder run("tv-run"), tmp("tv-tmp");
    c.runtime(WithoutSep(run.Path()));
    const std::string priv = tmp.Path() + "tarvolin-" + std::to_string(::getuid());
    c.fallback(priv);
    const std::string relative = std::filesystem::relative(run.Path()).string();
    fixture::ScopedEnv xdg("XDG_RUNTIME_DIR", c.relativeRuntime ? relative : WithoutSep(run.Path()));
    fixture::ScopedEnv tmpdir("TMPDIR", WithoutSep(tmp.Path()));
    const std::string expected = c.where == Where::Runtime ? run.Path() : c.where == Where::Private ? priv + "/" : "";
    EXPECT_EQ(LockFolder(), expected) << c.what;
    struct stat st {};
    ASSERT_EQ(::lstat(priv.c_str(), &st) == 0, c.where != Where::Runtime) << c.what;
    EXPECT_EQ(st.st_mode & 0777, c.where == Where::Private ? 0700u : st.st_mode & 0777) << c.what;
    InstanceLock lock("Tarvolin");
    EXPECT_TRUE(lock.Owned()) << c.what;
    EXPECT_EQ(Holder("Tarvolin").Owned(), c.where == Where::None) << c.what;
    EXPECT_EQ(fixture::Exists(priv + "/Tarvolin.lock"), c.where == Where::Private) << c.what;
  }
}

// A lock file planted as a link is not followed: the file it points at is
// neither made nor changed.
TEST(InstanceLock, APlantedLockLinkIsNotFollowed) {
  fixture::TempFolder run("tv-run"), elsewhere;
  ::chmod(run.Path().c_str(), 0700);
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim").c_str(), (run.Path() + "Tarvolin.lock").c_str()), 0);
  ASSERT_EQ(::symlink((elsewhere.Path() + "new").c_str(), (run.Path() + "Other.lock").c_str()), 0);
  fixture::ScopedEnv xdg("XDG_RUNTIME_DIR", WithoutSep(run.Path()));
  InstanceLock lock("Tarvolin"), other("Other");
  EXPECT_TRUE(lock.Owned());
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "victim"), "precious");
  EXPECT_FALSE(fixture::Exists(elsewhere.Path() + "new"));
}

}  // namespace
}  // namespace tv
