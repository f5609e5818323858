#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "fixture/Fixture.h"
#include "fixture/Home.h"

namespace tv {
namespace {

std::string WithoutSep(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

// The lock is held until its holder goes (the system releases it with the
// process, as with the file closed here), and lives only in a folder that the
// user alone can write. Anything else planted where it would go is not used,
// and the program then runs without a lock rather than not at all.
TEST(InstanceLock, OnlyAFolderTheUserAloneCanWriteHoldsTheLock) {
  enum class Where { Runtime, Private, None };
  enum class Planted { Nothing, Foreign, Open, Link };
  constexpr uid_t kSomeoneElse = 54321;
  const struct {
    const char* what;
    mode_t runtimeMode;
    bool foreignRuntime, relativeRuntime;
    Planted fallback;  // at $TMPDIR/tarvolin-<uid>
    Where where;
  } cases[] = {
      {"the user's runtime folder", 0700, false, false, Planted::Nothing, Where::Runtime},
      {"a runtime folder others can write", 0720, false, false, Planted::Nothing, Where::Private},
      {"a runtime folder of someone else", 0700, true, false, Planted::Nothing, Where::Private},
      {"a relative runtime folder", 0700, false, true, Planted::Nothing, Where::Private},
      {"a private folder of someone else", 0777, false, false, Planted::Foreign, Where::None},
      {"a private folder others can write", 0777, false, false, Planted::Open, Where::None},
      {"a link in place of the private folder", 0777, false, false, Planted::Link, Where::None},
  };
  for (const auto& c : cases) {
    fixture::TempFolder run("tv-run"), tmp("tv-tmp");
    ::chmod(run.Path().c_str(), c.runtimeMode);
    ASSERT_EQ(c.foreignRuntime ? ::chown(run.Path().c_str(), kSomeoneElse, -1) : 0, 0);
    const std::string priv = tmp.Path() + "tarvolin-" + std::to_string(::getuid());
    ASSERT_EQ(c.fallback == Planted::Link ? ::symlink(tmp.Path().c_str(), priv.c_str()) : 0, 0);
    if (c.fallback == Planted::Foreign || c.fallback == Planted::Open) fixture::MakeFolder(priv);
    ::chmod(priv.c_str(), c.fallback == Planted::Open ? 0707 : 0700);
    ASSERT_EQ(c.fallback == Planted::Foreign ? ::chown(priv.c_str(), kSomeoneElse, -1) : 0, 0);
    const std::string relative = std::filesystem::relative(run.Path()).string();
    fixture::ScopedEnv xdg("XDG_RUNTIME_DIR", c.relativeRuntime ? relative : WithoutSep(run.Path()));
    fixture::ScopedEnv tmpdir("TMPDIR", WithoutSep(tmp.Path()));
    const std::string expected = c.where == Where::Runtime ? run.Path() : c.where == Where::Private ? priv + "/" : "";
    EXPECT_EQ(LockFolder(), expected) << c.what;
    struct stat st {};
    EXPECT_EQ(::lstat(priv.c_str(), &st) == 0, c.where != Where::Runtime) << c.what;
    EXPECT_EQ(st.st_mode & 0777, c.where == Where::Private ? 0700u : st.st_mode & 0777) << c.what;
    std::optional<InstanceLock> lock("Tarvolin");
    EXPECT_TRUE(lock->Owned()) << c.what;
    EXPECT_EQ(InstanceLock("Tarvolin").Owned(), c.where == Where::None) << c.what;
    EXPECT_TRUE(InstanceLock("Other").Owned()) << c.what;
    EXPECT_EQ(fixture::Exists(priv + "/Tarvolin.lock"), c.where == Where::Private) << c.what;
    lock.reset();
    EXPECT_TRUE(InstanceLock("Tarvolin").Owned()) << c.what;
  }
  EXPECT_EQ(InstanceLockName("/games/duke/"), InstanceLockName("/games/duke/"));
  EXPECT_NE(InstanceLockName("/games/duke/"), InstanceLockName("/games/duke2/"));
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
