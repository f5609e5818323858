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

// The lock is held until its holder goes, in a folder the user alone can
// write; with anything else planted there the program runs without a lock.
// A lock file planted as a link is not followed.
TEST(InstanceLock, OnlyAFolderTheUserAloneCanWriteHoldsTheLock) {
  enum Where { Runtime, Private, None };
  enum Planted { Nothing, Foreign, Open, Link };  // at $TMPDIR/tarvolin-<uid>
  constexpr uid_t kSomeoneElse = 54321;
  const struct {
    const char* what;
    mode_t runtimeMode;
    bool foreignRuntime, relativeRuntime;
    Planted planted;
    Where where;
  } cases[] = {{"the user's runtime folder", 0700, false, false, Nothing, Runtime},
               {"a runtime folder others can write", 0720, false, false, Nothing, Private},
               {"a runtime folder of someone else", 0700, true, false, Nothing, Private},
               {"a relative runtime folder", 0700, false, true, Nothing, Private},
               {"a private folder of someone else", 0777, false, false, Foreign, None},
               {"a private folder others can write", 0777, false, false, Open, None},
               {"a link in place of the private folder", 0777, false, false, Link, None}};
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "victim", "precious");
  for (const auto& c : cases) {
    fixture::TempFolder run("tv-run"), tmp("tv-tmp");
    const std::string priv = tmp.Path() + "tarvolin-" + std::to_string(::getuid());
    ASSERT_EQ(::chmod(run.Path().c_str(), c.runtimeMode), 0);
    ASSERT_EQ(c.foreignRuntime ? ::chown(run.Path().c_str(), kSomeoneElse, -1) : 0, 0);
    ASSERT_EQ(c.planted == Link ? ::symlink(tmp.Path().c_str(), priv.c_str()) : 0, 0);
    if (c.planted == Foreign || c.planted == Open) fixture::MakeFolder(priv);
    ::chmod(priv.c_str(), c.planted == Open ? 0707 : 0700);
    ASSERT_EQ(c.planted == Foreign ? ::chown(priv.c_str(), kSomeoneElse, -1) : 0, 0);
    fixture::ScopedEnv xdg("XDG_RUNTIME_DIR",
                           c.relativeRuntime ? std::filesystem::relative(run.Path()).string() : WithoutSep(run.Path()));
    fixture::ScopedEnv tmpdir("TMPDIR", WithoutSep(tmp.Path()));
    const std::string folder = LockFolder();
    EXPECT_EQ(folder, c.where == Runtime ? run.Path() : c.where == Private ? priv + "/" : "") << c.what;
    struct stat st {};
    EXPECT_EQ(::lstat(priv.c_str(), &st) == 0, c.where != Runtime) << c.what;
    EXPECT_TRUE(c.where != Private || (st.st_mode & 0777) == 0700) << c.what;
    for (const auto& [name, target] : {std::pair{"Other", "victim"}, std::pair{"New", "new"}})
      if (!folder.empty()) ::symlink((elsewhere.Path() + target).c_str(), (folder + name + ".lock").c_str());
    std::optional<InstanceLock> lock("Tarvolin");
    EXPECT_TRUE(lock->Owned() && InstanceLock("Other").Owned() && InstanceLock("New").Owned()) << c.what;
    EXPECT_EQ(InstanceLock("Tarvolin").Owned(), c.where == None) << c.what;
    EXPECT_EQ(fixture::Exists(priv + "/Tarvolin.lock"), c.where == Private) << c.what;
    lock.reset();
    EXPECT_TRUE(InstanceLock("Tarvolin").Owned()) << c.what;
    EXPECT_TRUE(fixture::ReadFile(elsewhere.Path() + "victim") == "precious") << c.what;
    EXPECT_FALSE(fixture::Exists(elsewhere.Path() + "new")) << c.what;
  }
}

}  // namespace
}  // namespace tv
