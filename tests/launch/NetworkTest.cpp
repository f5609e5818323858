// The network tail of host and join launches, and the window that sets it.
#include <gtest/gtest.h>

#include <tuple>

#include "fixture/Fixture.h"
#include "launch/MapMusic.h"
#include "launch/Network.h"
#include "settings/IniFile.h"

namespace tv {
namespace {

auto Fields(const NetworkSettings& n) { return std::tuple(n.nickname, n.opponentIp, n.dedicated, n.numPlayers); }

TEST(NetworkTail, EachRowComposesOrKeepsThePreviousTail) {
  const std::string old = " /name Old /net /n1 1.1.1.1";
  const GameRole H = GameRole::Host, J = GameRole::Join;
  const struct {
    bool dedicated;
    GameRole role;
    const char *nick, *addr;
    long players;
    std::string tail;
  } cases[] = {
      {true, H, "Ann", "", 4, " /name Ann /net /n0:4"},
      {true, H, "Ann", "10.0.0.2", 8, " /name Ann /net /n0:8"},
      {true, H, "", "10.0.0.2", 4, old},
      {true, H, "Ann", "10.0.0.2", 1, old},
      {true, H, "A b", "", 2, " /name A b /net /n0:2"},
      {true, J, "Ann", "10.0.0.2", 4, " /name Ann /net /n0 10.0.0.2"},
      {true, J, "Ann", "", 4, old},
      {true, J, "", "10.0.0.2", 4, old},
      {false, H, "Ann", "10.0.0.2", 4, " /name Ann /net /n1 10.0.0.2"},
      {false, H, "Ann", "", 4, old},
      {false, H, "", "10.0.0.2", 4, old},
      {false, J, "Ann", "10.0.0.2", 2, " /name Ann /net 10.0.0.2 /n1"},
      {false, J, "Ann", "", 2, old},
      {false, J, "", "10.0.0.2", 2, old},
      {false, GameRole::Single, "Ann", "10.0.0.2", 2, old},
  };
  for (const auto& c : cases) {
    const GameLine tail =
        ComposeNetworkTail(GameLine::OwnSwitches(old), c.dedicated, c.role, c.nick, c.addr, c.players);
    EXPECT_EQ(tail.Text(), c.tail) << c.dedicated << int(c.role) << " '" << c.nick << "' '" << c.addr << "' "
                                   << c.players;
  }
  // The nickname is one argument, spaces and all.
  EXPECT_EQ(ComposeNetworkTail({}, false, H, "A b", "1.2.3.4", 2).Arguments(),
            (std::vector<std::string>{"/name", "A b", "/net", "/n1", "1.2.3.4"}));
}

class NetworkConfigTest : public ::testing::Test {
 protected:
  fixture::TempFolder dir;
  FileSystem fs{dir.Path()};
  std::string ini = dir.Path() + "Tarvolin.ini";
  NetworkSettings memory{"Bob", "10.0.0.9", false, 3};
};

TEST_F(NetworkConfigTest, WithoutTheSettingsFileItShowsMemoryAndAcceptWritesNothing) {
  NetworkConfig w;
  w.Open(GameRole::Join, memory);
  EXPECT_EQ(w.heading, "Joining a Game");
  w.Open(GameRole::Host, memory);
  EXPECT_EQ(w.heading, "Hosting a Game");
  w.Activate(fs, ini);
  EXPECT_EQ(Fields(w.Values()), Fields(memory));
  EXPECT_EQ(w.addressLabel, "Opponents IP  Address");
  w.SetDedicated(true);
  EXPECT_EQ(w.addressLabel, "Server IP Address");
  EXPECT_TRUE(w.Values().dedicated);
  w.SetDedicated(false);
  EXPECT_EQ(w.addressLabel, "Opponents IP  Address");
  w.nickname = "Ann";
  w.Accept(fs, ini);
  EXPECT_FALSE(fixture::Exists(ini));
  EXPECT_EQ(w.Values().nickname, "Ann");
  memory.dedicated = true;  // the label follows a ticked box from memory too
  w.Open(GameRole::Join, memory);
  w.Activate(fs, ini);
  EXPECT_EQ(w.addressLabel, "Server IP Address");
}

TEST_F(NetworkConfigTest, EveryActivationReplacesTheControlsWithTheFilesValues) {
  fixture::WriteFile(ini, "[Network_Game]\r\nNickname=Cy\r\nNumPlayers=5\r\n");
  NetworkConfig w;
  w.Open(GameRole::Join, {"Bob", "10.0.0.9", true, 3});
  w.nickname = "typed";  // the user went to another window and came back
  w.Activate(fs, ini);
  EXPECT_EQ(Fields(w.Values()), Fields({"Cy", "", false, 5}));  // missing keys read their defaults
  EXPECT_EQ(w.addressLabel, "Opponents IP  Address");
}

TEST_F(NetworkConfigTest, PlayersStayWithinTwoToEight) {
  const struct {
    const char* file;  // "" for no settings file
    long memory, shown;
  } cases[] = {{"", 1, 2},
               {"", 9, 8},
               {"", 8, 8},
               {"", 2, 2},
               {"NumPlayers=0", 3, 2},
               {"NumPlayers=20", 3, 8},
               {"NumPlayers=x", 3, 2}};
  for (const auto& c : cases) {
    if (*c.file) fixture::WriteFile(ini, std::string("[Network_Game]\r\n") + c.file + "\r\n");
    NetworkConfig w;
    w.Open(GameRole::Host, {"", "", false, c.memory});
    w.Activate(fs, ini);
    EXPECT_EQ(w.Values().numPlayers, c.shown) << c.file << " " << c.memory;
  }
}

TEST_F(NetworkConfigTest, AcceptWritesTheFourKeysAndKeepsTheRestOfTheFile) {
  fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n");
  NetworkConfig w;
  w.Open(GameRole::Host, memory);
  w.Activate(fs, ini);
  w.nickname = "Ann";
  w.address = "10.0.0.2";
  w.SetDedicated(true);
  w.numPlayers = 6;
  w.Accept(fs, ini);
  EXPECT_EQ(fixture::ReadFile(ini),
            "[Tarvolin]\r\nSkillLevel=2\r\n[Network_Game]\r\nNickname=Ann\r\nOpponentIP=10.0.0.2\r\nDedicated=1\r\n"
            "NumPlayers=6\r\n");
}

TEST(MapMusic, TheDialogStartsInMusicWhenThereIsOne) {
  fixture::TempFolder dir, other;
  FileSystem fs(dir.Path());
  EXPECT_EQ(MusicDialogFolder(fs, dir.Path()), dir.Path());
  fixture::WriteFile(dir.Path() + "Music", "a file is no folder");
  EXPECT_EQ(MusicDialogFolder(fs, dir.Path()), dir.Path());
  fixture::MakeFolder(other.Path() + "music");
  EXPECT_EQ(fs.Resolve(MusicDialogFolder(fs, other.Path())), other.Path() + "music");
}

TEST(MapMusic, PickingAFileDeletesTheLeftoverEvenWhenItIsThePickedOne) {
  for (const char* pick : {"Music/My Song.mid", "DuroDozi.mid"}) {
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
