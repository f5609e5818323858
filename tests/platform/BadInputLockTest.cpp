// The single-instance lock lives only in a folder that the user alone can
// write; anything else planted where it would go is not used, and the
// program then runs without a lock rather than not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "platform/InstanceLock.h"

namespace tv {
namespace {

constexpr uid_t kSomeoneElse = 54321;

std::string WithoutSep(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

TEST(BadInputLock, OnlyAFolderTheUserAloneCanWriteHoldsTheLock) {
  enum class Where { Runtime, Private, None };
  const struct {
    const char* what;
    void (*runtime)(const std::string& folder);  // prepares $XDG_RUNTIME_DIR
    bool relativeRuntime;
    void (*fallback)(const std::string& folder);  // plants $TMPDIR/tarvolin-<uid> or not
    Where where;
  } cases[] = {
      {"the user's runtime folder", [](const std::string& f) { ::chmod(f.c_str(), 0700); }, false,
       [](const std::string&) {}, Where::Runtime},
      {"a runtime folder others can write", [](const std::string& f) { ::chmod(f.c_str(), 0777); }, false,
       [](const std::string&) {}, Where::Private},
      {"a runtime folder of someone else",
       [](const std::string& f) { ASSERT_EQ(::chown(f.c_str(), kSomeoneElse, -1), 0); }, false,
       [](const std::string&) {}, Where::Private},
      {"a relative runtime folder", [](const std::string& f) { ::chmod(f.c_str(), 0700); }, true,
       [](const std::string&) {}, Where::Private},
      {"a private folder planted by someone else", [](const std::string& f) { ::chmod(f.c_str(), 0777); }, false,
       [](const std::string& f) {
         fixture::MakeFolder(f);
         ::chmod(f.c_str(), 0700);
         ASSERT_EQ(::chown(f.c_str(), kSomeoneElse, -1), 0);
       },
       Where::None},
      {"a private folder others can write", [](const std::string& f) { ::chmod(f.c_str(), 0777); }, false,
       [](const std::string& f) {
         fixture::MakeFolder(f);
         ::chmod(f.c_str(), 0777);
       },
       Where::None},
      {"a link in place of the private folder", [](const std::string& f) { ::chmod(f.c_str(), 0777); }, false,
       [](const std::string& f) { ASSERT_EQ(::symlink(f.substr(0, f.rfind('/')).c_str(), f.c_str()), 0); },
       Where::None},
  };
  for (const auto& c : cases) {
    fixture::TempFolder run("tv-run"), tmp("tv-tmp");
    c.runtime(WithoutSep(run.Path()));
    const std::string priv = tmp.Path() + "tarvolin-" + std::to_string(::getuid());
    c.fallback(priv);
    // The relative name of the same, private folder.
    const std::string relative = std::filesystem::relative(run.Path()).string();
    fixture::ScopedEnv xdg("XDG_RUNTIME_DIR", c.relativeRuntime ? relative : WithoutSep(run.Path()));
    fixture::ScopedEnv tmpdir("TMPDIR", WithoutSep(tmp.Path()));
    const std::string expected = c.where == Where::Runtime ? run.Path() : c.where == Where::Private ? priv + "/" : "";
    EXPECT_EQ(LockFolder(), expected) << c.what;
    InstanceLock lock("Tarvolin");
    EXPECT_TRUE(lock.Owned()) << c.what;
    if (c.where == Where::None) {
      EXPECT_FALSE(fixture::Exists(priv + "/Tarvolin.lock")) << c.what;
    }
  }
}

// A lock file planted as a link is not followed: the file it points at is
// neither made nor changed.
TEST(BadInputLock, APlantedLockLinkIsNotFollowed) {
  fixture::TempFolder run("tv-run"), elsewhere;
  ::chmod(run.Path().c_str(), 0700);
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  ASSERT_EQ(::symlink((elsewhere.Path() + "victim").c_str(), (run.Path() + "Tarvolin.lock").c_str()), 0);
  ASSERT_EQ(::symlink((elsewhere.Path() + "new").c_str(), (run.Path() + "Other.lock").c_str()), 0);
  fixture::ScopedEnv xdg("XDG_RUNTIME_DIR", WithoutSep(run.Path()));
  InstanceLock lock("Tarvolin");
  InstanceLock other("Other");
  EXPECT_TRUE(lock.Owned());
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "victim"), "precious");
  EXPECT_FALSE(fixture::Exists(elsewhere.Path() + "new"));
}

}  // namespace
}  // namespace tv
