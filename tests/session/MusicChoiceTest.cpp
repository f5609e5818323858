// "Map Music": the open-file dialog, the leftover "DuroDozi.mid", and the
// one-shot choice that the next single-player map takes.
#include "PlayTest.h"

namespace tv::test {
namespace {

TEST(MapMusic, TheDialogOpensOnTheMusicFolderWhenThereIsOne) {
  const struct {
    bool musicFolder;
    const char* folder;
  } cases[] = {{true, "Music"}, {false, ""}};
  for (const auto& c : cases) {
    PlayFolder f;
    if (c.musicFolder) fixture::MakeFolder(f.Path("Music"));
    Program& p = f.Start();
    p.ChooseMapMusic();
    ASSERT_EQ(f.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(f.ui.fileDialogs[0].first, f.Path(c.folder));
    EXPECT_EQ(f.ui.fileDialogs[0].second, "Midi file (*.mid)|*.mid|All files (*.*)|*.*");
    EXPECT_TRUE(f.ui.beeps.empty());
    EXPECT_TRUE(f.ui.shown.empty());
  }
}

TEST(MapMusic, APickDeletesDuroDoziEvenWhenItIsThePickedFile) {
  const struct {
    const char* picked;  // "" cancels
    bool deleted;
    const char* music;  // the path the map then gets
  } cases[] = {
      {"{pf}Music/My{_}Song.mid", true, "{pf}Music/My{_}Song.mid"},
      {"{pf}DuroDozi.mid", true, "{pf}DuroDozi.mid"},
      {"", false, "{pf}Music/Old.mid"},  // the earlier choice stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picked);
    PlayFolder f;
    f.Put("Maps/Foo.map");
    Program& p = f.Start();
    f.ui.chosenFile = f.Fill("{pf}Music/Old.mid");
    p.ChooseMapMusic();
    f.Put("DuroDozi.mid");
    f.ui.chosenFile = f.Fill(c.picked);
    p.ChooseMapMusic();
    EXPECT_EQ(fixture::Exists(f.Path("DuroDozi.mid")), !c.deleted);
    p.StartUserMap();
    EXPECT_EQ(f.Received(), f.Expected(std::string("-j{pf}Maps -music ") + c.music + " -map Foo.map /s3"));
  }
}

TEST(MapMusic, TheChoiceLastsForOneLaunch) {
  const struct {
    const char* name;
    void (Program::*launch)();
    const char* parameters;
  } cases[] = {
      {"a map", &Program::StartUserMap, "-j{pf}Maps -music {pf}Song.mid -map Foo.map /s3"},
      {"the title screen, which does not use it", &Program::StartFromTitle, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    f.Put("Maps/Foo.map");
    Program& p = f.Start();
    f.ui.chosenFile = f.Path("Song.mid");
    p.ChooseMapMusic();
    (p.*c.launch)();
    EXPECT_EQ(f.Received(), f.Expected(c.parameters));
    p.StartUserMap();
    EXPECT_EQ(f.Received(), f.Expected("-j{pf}Maps -map Foo.map /s3"));
  }
}

TEST(MapMusic, ALaunchDeclinedAtTheConfirmationKeepsTheChoice) {
  PlayFolder f;
  f.Put("Maps/Foo.map");
  Program& p = f.Start();
  f.ui.chosenFile = f.Path("Song.mid");
  p.ChooseMapMusic();
  p.ToggleCommandLine();
  f.ui.answers = {kNo};
  p.StartUserMap();
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, f.Fill("Duke3dw.exe  -j{pf}Maps -music {pf}Song.mid -map Foo.map /s3\n\nContinue ?"));
  EXPECT_EQ(f.CommandLine(), "<none>");
  p.ToggleCommandLine();
  p.StartUserMap();
  EXPECT_EQ(f.Received(), f.Expected("-j{pf}Maps -music {pf}Song.mid -map Foo.map /s3"));
}

TEST(MapMusic, NetworkGamesDoNotTakeIt) {
  PlayFolder f;
  f.Put("Maps/Foo.map");
  Program& p = f.Start();
  f.ui.chosenFile = f.Path("Song.mid");
  p.ChooseMapMusic();
  p.ChooseHostGame();
  p.StartUserMap();
  EXPECT_EQ(f.Received(), f.Expected("-j{pf}Maps -map Foo.map"));
}

}  // namespace
}  // namespace tv::test
