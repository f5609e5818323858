#include <gtest/gtest.h>

#include "fixture/Fixture.h"
#include "launch/MapMusic.h"

namespace tv {
namespace {

TEST(MapMusic, DialogStartsInMusicWhenThereIsOne) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  EXPECT_EQ(MusicDialogFolder(fs, dir.Path()), dir.Path());
  fixture::WriteFile(dir.Path() + "Music", "a file is no folder");
  EXPECT_EQ(MusicDialogFolder(fs, dir.Path()), dir.Path());
  fixture::TempFolder other;
  fixture::MakeFolder(other.Path() + "music");
  EXPECT_EQ(fs.Resolve(MusicDialogFolder(fs, other.Path())), other.Path() + "music");
}

TEST(MapMusic, PickingAFileDeletesTheLeftoverEvenWhenItIsThePickedOne) {
  const char* const picks[] = {"Music/My Song.mid", "DuroDozi.mid"};
  for (const char* pick : picks) {
    fixture::TempFolder dir;
    FileSystem fs(dir.Path());
    fixture::WriteFile(dir.Path() + "DuroDozi.mid", "MThd");
    fixture::WriteFile(dir.Path() + "Music/My Song.mid", "MThd");
    EXPECT_EQ(AcceptMusicChoice(fs, dir.Path(), dir.Path() + pick), dir.Path() + pick);
    EXPECT_FALSE(fixture::Exists(dir.Path() + "DuroDozi.mid")) << pick;
    EXPECT_TRUE(fixture::Exists(dir.Path() + "Music/My Song.mid"));
  }
}

}  // namespace
}  // namespace tv
