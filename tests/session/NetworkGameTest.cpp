// The network window through "Config": what it shows, what its closing keeps
// in memory and writes, and the network tail that the next launch carries.
#include "PlayTest.h"

namespace tv::test {
namespace {

using Network = PlayFolder::Network;

TEST(NetworkGame, EachRowOfTheTailReachesTheGame) {
  const struct {
    const char* name;
    GameRole role;
    Network typed;
    const char* parameters;  // of the title launch that follows
  } cases[] = {
      {"dedicated host", GameRole::Host, {"Ann", "10.0.0.2", true, 4}, " /name Ann /net /n0:4"},
      {"dedicated join", GameRole::Join, {"Ann", "10.0.0.2", true, 4}, " /name Ann /net /n0 10.0.0.2"},
      {"host", GameRole::Host, {"Ann", "10.0.0.2", false, 4}, " /name Ann /net /n1 10.0.0.2"},
      {"join", GameRole::Join, {"Ann", "10.0.0.2", false, 2}, " /name Ann /net 10.0.0.2 /n1"},
      {"dedicated host without address: composed, not appended", GameRole::Host, {"Ann", "", true, 8}, ""},
      {"no nickname", GameRole::Join, {"", "10.0.0.2", false, 2}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    Program& p = f.Start();
    f.NetworkGame(c.role, c.typed);
    EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Information});
    EXPECT_EQ(f.ui.modals, std::vector<Window>{Window::Network});
    EXPECT_EQ(p.View().nicknameHeading, c.typed.nickname);
    p.StartFromTitle();
    EXPECT_EQ(f.Received(), f.Expected(c.parameters));
  }
}

TEST(NetworkGame, ARowWhoseConditionFailsKeepsThePreviousTail) {
  PlayFolder f;
  Program& p = f.Start();
  f.NetworkGame(GameRole::Host, {"Ann", "10.0.0.2", false, 2, true});
  // Cancelled with the address cleared: memory takes it, the file keeps it.
  f.NetworkGame(GameRole::Host, {"Bob", "", false, 2, false});
  EXPECT_EQ(p.View().nicknameHeading, "Bob");
  EXPECT_EQ(f.Setting("Network_Game", "Nickname"), "Ann");
  p.StartFromTitle();
  EXPECT_EQ(f.Received(), f.Expected(""));
  // The next pass reads the file's names back; the tail was not recomposed.
  p.Activate();
  p.StartFromTitle();
  EXPECT_EQ(f.Received(), f.Expected(" /name Ann /net /n1 10.0.0.2"));
}

TEST(NetworkGame, TheTailIsComposedForTheGameTypeCheckedWhenTheWindowCloses) {
  PlayFolder f;
  Program& p = f.Start();
  f.NetworkGame(GameRole::Host, {"Ann", "10.0.0.2", false, 2, true});
  p.ChooseJoinGame();
  p.StartFromTitle();
  EXPECT_EQ(f.Received(), f.Expected(" /name Ann /net /n1 10.0.0.2"));
}

TEST(NetworkGame, ASingleGameOnlyBeeps) {
  PlayFolder f;
  Program& p = f.Start("[Network_Game]\r\nNickname=Ann\r\nOpponentIP=10.0.0.2\r\n");
  p.ConfigureNetwork();
  EXPECT_EQ(f.ui.beeps, std::vector<BeepKind>{BeepKind::Default});
  EXPECT_TRUE(f.ui.modals.empty());
  p.ChooseHostGame();
  p.StartFromTitle();
  EXPECT_EQ(f.Received(), f.Expected(""));
}

TEST(NetworkGame, TheWindowShowsMemoryThenTheFile) {
  const struct {
    const char* name;
    GameRole role;
    bool fileExists;
    const char* heading;
    Network shown;  // after the window's activation
  } cases[] = {
      {"host, the file's values", GameRole::Host, true, "Hosting a Game", {"Ann", "10.0.0.2", true, 5}},
      {"join, no file: memory's values", GameRole::Join, false, "Joining a Game", {"Cy", "10.9.9.9", false, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    Program& p = f.Start("[Network_Game]\r\nNickname=Cy\r\nOpponentIP=10.9.9.9\r\nNumPlayers=3\r\n");
    f.Put("Tarvolin.ini",
          "[Tarvolin]\r\nInitialized=True\r\n"
          "[Network_Game]\r\nNickname=Ann\r\nOpponentIP=10.0.0.2\r\nDedicated=1\r\nNumPlayers=5\r\n");
    if (!c.fileExists) std::filesystem::remove(f.Path("Tarvolin.ini"));
    NetworkConfig before, after;
    f.ui.onModal = [&](Window) {
      before = p.Config();
      p.ReloadNetworkSettings();
      after = p.Config();
    };
    if (c.role == GameRole::Host) p.ChooseHostGame();
    if (c.role == GameRole::Join) p.ChooseJoinGame();
    p.ConfigureNetwork();
    EXPECT_EQ(before.heading, c.heading);
    EXPECT_EQ(before.nickname, "Cy");
    EXPECT_EQ(before.address, "10.9.9.9");
    EXPECT_EQ(before.numPlayers, 3);
    EXPECT_EQ(after.nickname, c.shown.nickname);
    EXPECT_EQ(after.address, c.shown.address);
    EXPECT_EQ(after.dedicated, c.shown.dedicated);
    EXPECT_EQ(after.numPlayers, c.shown.players);
    EXPECT_EQ(after.addressLabel, c.shown.dedicated ? "Server IP Address" : "Opponents IP  Address");
  }
}

TEST(NetworkGame, OnlyAcceptWritesAndOnlyToAnExistingFile) {
  const struct {
    const char* name;
    bool accept;
    bool fileExists;
    const char* written;
  } cases[] = {
      {"accepted", true, true, "Bob"},
      {"cancelled", false, true, "Ann"},
      {"accepted, no file", true, false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlayFolder f;
    Program& p = f.Start("[Network_Game]\r\nNickname=Ann\r\n");
    if (!c.fileExists) std::filesystem::remove(f.Path("Tarvolin.ini"));
    f.NetworkGame(GameRole::Join, {"Bob", "10.0.0.3", true, 6, c.accept});
    EXPECT_EQ(p.CurrentSettings().network.nickname, "Bob");
    EXPECT_EQ(p.CurrentSettings().network.numPlayers, 6);
    if (c.written) {
      EXPECT_EQ(f.Setting("Network_Game", "Nickname"), c.written);
    } else {
      // The pass at the window's closing writes the settings anew, but not this section.
      EXPECT_EQ(f.Setting("Network_Game", "Nickname"), "<none>");
    }
  }
}

}  // namespace
}  // namespace tv::test
