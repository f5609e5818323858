#include <gtest/gtest.h>

#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

using GameEditionTest = ProgramTest;

TEST_F(GameEditionTest, FollowsTheGroupFileSizeWithStrictThresholdsAndDisablesTheSkillBox) {
  const struct {
    const char* what;
    long long size;  // -1: no file
    GameEdition edition;
    bool skillEnabled;
  } cases[] = {
      {"missing", -1, GameEdition::NoData, false},
      {"empty", 0, GameEdition::NoData, true},
      {"one byte", 1, GameEdition::Shareware, false},
      {"11,000,000", 11'000'000, GameEdition::Shareware, false},
      {"25,000,000", 25'000'000, GameEdition::Shareware, false},
      {"25,000,001", 25'000'001, GameEdition::SmallerFull, true},
      {"40,000,000", 40'000'000, GameEdition::SmallerFull, true},
      {"40,000,001", 40'000'001, GameEdition::Full, true},
      {"44,000,000", 44'000'000, GameEdition::Full, true},
  };
  for (const auto& c : cases) {
    fs.Delete(Path("Duke3d.grp"));
    if (c.size >= 0) fixture::WriteSparseFile(Path("Duke3d.grp"), std::uint64_t(c.size));
    Program& p = Start();
    p.Activate();
    EXPECT_EQ(p.Install().Edition(), c.edition) << c.what;
    EXPECT_EQ(p.View().skillEnabled, c.skillEnabled) << c.what;
  }
}

TEST_F(GameEditionTest, FindsTheGroupFileWhateverItsLetterCase) {
  fixture::WriteSparseFile(Path("DUKE3D.GRP"), 44'000'000);
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(p.Install().Edition(), GameEdition::Full);
  EXPECT_TRUE(p.View().skillEnabled);
}

TEST_F(GameEditionTest, AFolderOfThatNameIsNoData) {
  fixture::MakeFolder(Path("Duke3d.grp"));
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(p.Install().Edition(), GameEdition::NoData);
  EXPECT_FALSE(p.View().skillEnabled);
}

TEST_F(GameEditionTest, TheSkillBoxIsNeverEnabledAgainDuringTheRun) {
  Program& p = Start();
  p.Activate();
  ASSERT_FALSE(p.View().skillEnabled);
  fixture::WriteSparseFile(Path("Duke3d.grp"), 44'000'000);
  p.Activate();
  EXPECT_EQ(p.Install().Edition(), GameEdition::Full);
  EXPECT_FALSE(p.View().skillEnabled);
}

}  // namespace
}  // namespace tv::test
