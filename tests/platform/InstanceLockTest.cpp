#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <tuple>

#include "fixture/Fixture.h"
#include "fixture/Home.h"

namespace tv {
namespace {

std::string WithoutSep(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

// The lock is held until its holder goes, in a folder the user alone can
// write; with anything else planted there the program runs without a lock.
// A lock file planted as a link is not followed.
TEST(InstanceLock, OnlyAFolderTheUserAloneCanWriteHoldsTheLock) {
  enum Where { Runtime, Private, None };
  enum Planted { Nothing, Foreign, Open, Link };  // at $TMPDIR/tarvolin-<uid>
  constexpr uid_t kSomeoneElse = 54321;
  const std::tuple<const char*, mode_t, bool, bool, Planted, Where> cases[] = {
      {"the user's runtime folder", 0700, false, false, Nothing, Runtime},
      {"a runtime folder others can write", 0720, false, false, Nothing, Private},
      {"a runtime folder of someone else", 0700, true, false, Nothing, Private},
      {"a relative runtime folder", 0700, false, true, Nothing, Private},
      {"a private folder of someone else", 0777, false, false, Foreign, None},
      {"a private folder others can write", 0777, false, false, Open, None},
      {"a link in place of the private folder", 0777, false, false, Link, None}};
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  for (const auto& [what, runtimeMode, foreignRuntime, relativeRuntime, planted, where] : cases) {
    fixture::TempFolder run("tv-run"), tmp("tv-tmp");
    const std::string priv = tmp.Path() + "tarvolin-" + std::to_string(::getuid());
    ASSERT_EQ(::chmod(run.Path().c_str(), runtimeMode), 0);
    ASSERT_EQ(foreignRuntime ? ::chown(run.Path().c_str(), kSomeoneElse, -1) : 0, 0);
    ASSERT_EQ(planted == Link ? ::symlink(tmp.Path().c_str(), priv.c_str()) : 0, 0);
    if (planted == Foreign || planted == Open) fixture::MakeFolder(priv);
    ::chmod(priv.c_str(), planted == Open ? 0707 : 0700);
    ASSERT_EQ(planted == Foreign ? ::chown(priv.c_str(), kSomeoneElse, -1) : 0, 0);
    fixture::ScopedEnv xdg("XDG_RUNTIME_DIR",
                           relativeRuntime ? std::filesystem::relative(run.Path()).string() : WithoutSep(run.Path()));
    fixture::ScopedEnv tmpdir("TMPDIR", WithoutSep(tmp.Path()));
    const std::string folder = LockFolder();
    EXPECT_EQ(folder, where == Runtime ? run.Path() : where == Private ? priv + "/" : "") << what;
    struct stat st {};
    EXPECT_EQ(::lstat(priv.c_str(), &st) == 0, where != Runtime) << what;
    EXPECT_TRUE(where != Private || (st.st_mode & 0777) == 0700) << what;
    for (const auto& [name, target] : {std::pair{"Other", "victim"}, std::pair{"New", "new"}})
      if (!folder.empty()) ::symlink((elsewhere.Path() + target).c_str(), (folder + name + ".lock").c_str());
    std::optional<InstanceLock> lock("Tarvolin");
    EXPECT_TRUE(lock->Owned() && InstanceLock("Other").Owned() && InstanceLock("New").Owned()) << what;
    EXPECT_EQ(InstanceLock("Tarvolin").Owned(), where == None) << what;
    EXPECT_EQ(fixture::Exists(priv + "/Tarvolin.lock"), where == Private) << what;
    lock.reset();
    EXPECT_TRUE(InstanceLock("Tarvolin").Owned()) << what;
    EXPECT_TRUE(fixture::ReadFile(elsewhere.Path() + "victim") == "precious") << what;
    EXPECT_FALSE(fixture::Exists(elsewhere.Path() + "new")) << what;
  }
}

}  // namespace
}  // namespace tv
